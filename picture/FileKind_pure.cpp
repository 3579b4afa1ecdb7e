#include "picture/FileKind.h"

#include "base/Mbcs.h"

namespace sorvane {

namespace {

// "." is never the trail byte of a double-byte character, so a bytewise
// search finds the real last dot.
constexpr std::size_t LastDot(std::string_view s) { return s.rfind('.'); }

bool StartsWithAscii(std::string_view s, std::string_view prefix) {
  if (s.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (AsciiUpper(s[i]) != AsciiUpper(prefix[i])) return false;
  return true;
}

bool SameAscii(std::string_view a, std::string_view b) { return a.size() == b.size() && StartsWithAscii(a, b); }

}  // namespace

std::string_view ExtensionOf(std::string_view path) {
  const std::size_t dot = LastDot(path);
  return dot == std::string_view::npos ? std::string_view() : path.substr(dot + 1);
}

TPictureFormat PictureFormatOf(std::string_view path) {
  const std::string_view ext = ExtensionOf(path);
  if (SameAscii(ext, "bmp")) return TPictureFormat::Bmp;
  if (SameAscii(ext, "ico")) return TPictureFormat::Ico;
  if (SameAscii(ext, "wmf")) return TPictureFormat::Wmf;
  if (SameAscii(ext, "emf")) return TPictureFormat::Emf;
  return TPictureFormat::Unknown;
}

bool HasBmpExtension(std::string_view name) {
  const std::size_t dot = LastDot(name);
  return dot != std::string_view::npos && StartsWithAscii(name.substr(dot), ".BMP");
}

}  // namespace sorvane
