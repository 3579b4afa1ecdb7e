#include "Unit1/DropFilter.h"

#include "base/Mbcs.h"

namespace sorvane {

bool HasBmpExtension(std::string_view name) {
  const std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos || name.size() - dot < 4) return false;
  const char kExt[] = ".BMP";
  for (std::size_t i = 0; i < 4; ++i)
    if (AsciiUpper(name[dot + i]) != kExt[i]) return false;
  return true;
}

}  // namespace sorvane
