// Byte-level helpers for Shift-JIS (code page 932) text. Pure code: no Win32.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace sorvane {

// Lead bytes of a double-byte character in code page 932.
constexpr bool IsLeadByte932(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Largest prefix length <= maxBytes that does not end in the middle of a
// double-byte character.
std::size_t CharBoundaryPrefix(std::string_view s, std::size_t maxBytes);

// The text cut to at most maxBytes without splitting a double-byte character.
std::string CutAtCharBoundary(std::string_view s, std::size_t maxBytes);

// Offset of the last character's first byte (s must not be empty).
std::size_t LastCharOffset(std::string_view s);

// Replaces the first "%s" of fmt with arg (the run-time's message formats).
std::string FormatS(std::string_view fmt, std::string_view arg);

// ASCII-only upper case, the way the drop filter compares extensions.
constexpr char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

}  // namespace sorvane
