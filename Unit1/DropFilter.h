// Which dropped names may join the candidate list, by name alone. Pure code.
#pragma once
#include <string_view>

namespace sorvane {

// The 4 characters from the last "." of the whole name compare equal to
// ".BMP", ignoring ASCII case.
bool HasBmpExtension(std::string_view name);

}  // namespace sorvane
