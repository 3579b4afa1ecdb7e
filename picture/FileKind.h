// Picture files by name alone: what the preview can load and which dropped
// names may join the candidate list. Pure code.
#pragma once
#include <string_view>

namespace sorvane {

enum class TPictureFormat { Unknown, Bmp, Ico, Wmf, Emf };

// The text after the last "." of the whole path; empty without a ".".
std::string_view ExtensionOf(std::string_view path);

// The format the preview loads for this path: the extension equals "bmp",
// "ico", "wmf" or "emf", ignoring ASCII case.
TPictureFormat PictureFormatOf(std::string_view path);

// The 4 characters from the last "." of the whole name compare equal to
// ".BMP", ignoring ASCII case.
bool HasBmpExtension(std::string_view name);

}  // namespace sorvane
