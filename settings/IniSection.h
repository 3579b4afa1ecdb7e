// A section of the settings file read in one call (GetPrivateProfileSectionA)
// and written in one call (WritePrivateProfileSectionA), looked up with the
// results a one-key read (GetPrivateProfileStringA) gives. Pure code.
//
// Lines are as one section read gives them: "key=value", or a bare key for a
// line without "=", each ended by a zero byte. A key is the text before the
// first "=", and it and its value are taken without the spaces and tabs
// around them, as a one-key read takes them (the platform may or may not
// have taken them off already).
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace sorvane {

// A one-key read gives at most this many bytes of a value (its buffer holds
// 1024 with the ending zero).
constexpr std::size_t kMaxValueBytes = 1023;

// What a one-key read gives: the value of the first line whose key matches
// (ASCII letters compared without regard to case), with one pair of matching
// quotes (" or ') around it taken off, cut to kMaxValueBytes; def when no
// line has the key or that line has no "=".
std::string SectionValue(std::string_view lines, std::string_view key, std::string_view def);

// The text without the spaces and tabs around it.
std::string_view Trim(std::string_view s);
// The next zero-ended string of a list, taken off rest; an empty one at its
// end.
std::string_view NextString(std::string_view& rest);

// Appends "key=value" and its zero byte: the lines of one section write.
void AppendLine(std::string& lines, std::string_view key, std::string_view value);

// Whether a list of names, each ended by a zero byte (as
// GetPrivateProfileSectionNamesA gives them), holds name, ASCII letters
// compared without regard to case.
bool NamesHold(std::string_view names, std::string_view name);

}  // namespace sorvane
