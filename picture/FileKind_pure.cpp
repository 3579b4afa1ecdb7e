#include "picture/FileKind.h"

#include "base/Mbcs.h"

namespace sorvane {

namespace {

// "." is never the trail byte of a double-byte character, so a bytewise
// search finds the real last dot.
constexpr std::size_t LastDot(std::string_view s) { return s.rfind('.'); }

}  // namespace

std::string_view ExtensionOf(std::string_view path) {
  const std::size_t dot = LastDot(path);
  return dot == std::string_view::npos ? std::string_view() : path.substr(dot + 1);
}

TPictureFormat PictureFormatOf(std::string_view path) {
  const std::string_view ext = ExtensionOf(path);
  if (SameAsciiNoCase(ext, "bmp")) return TPictureFormat::Bmp;
  if (SameAsciiNoCase(ext, "ico")) return TPictureFormat::Ico;
  if (SameAsciiNoCase(ext, "wmf")) return TPictureFormat::Wmf;
  if (SameAsciiNoCase(ext, "emf")) return TPictureFormat::Emf;
  return TPictureFormat::Unknown;
}

bool HasBmpExtension(std::string_view name) {
  const std::size_t dot = LastDot(name);
  return dot != std::string_view::npos && StartsWithAsciiNoCase(name.substr(dot), ".BMP");
}

}  // namespace sorvane
