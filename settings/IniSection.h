// A section of the settings file read in one call (GetPrivateProfileSectionA)
// and written in one call (WritePrivateProfileSectionA), looked up with the
// results a one-key read (GetPrivateProfileStringA) gives. Pure code.
#pragma once
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sorvane {

// The section's lines as one read gives them: "key=value", or a bare key for
// a line without "=", each ended by a zero byte. A key is the text before the
// first "=", and it and its value are taken without the spaces and tabs
// around them, as a one-key read takes them (the platform may or may not
// have removed them already).
class TIniSection {
 public:
  TIniSection() = default;
  explicit TIniSection(std::string_view lines);
  // What a one-key read gives: the value of the first line whose key matches
  // (ASCII letters compared without regard to case), with one pair of
  // matching quotes (" or ') around it removed; def when no line has the key
  // or that line has no "=".
  std::string Value(std::string_view key, std::string_view def) const;

 private:
  struct TLine {
    std::string Key, Value;
    bool HasValue;
  };
  std::vector<TLine> FLines;
};

// The lines of a section for one write: "key=value" each ended by a zero
// byte, in the given order.
std::string SectionLines(const std::vector<std::pair<std::string, std::string>>& keys);

// Whether a list of names, each ended by a zero byte (as
// GetPrivateProfileSectionNamesA gives them), holds name, ASCII letters
// compared without regard to case.
bool NamesHold(std::string_view names, std::string_view name);

}  // namespace sorvane
