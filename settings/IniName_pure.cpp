#include "settings/IniName.h"

namespace sorvane {

std::string IniNameFromUpper(std::string_view upperPath) {
  const std::size_t at = upperPath.find(".EXE");
  std::string kept = at == std::string_view::npos ? std::string() : std::string(upperPath.substr(0, at + 1));
  return kept + "INI";
}

}  // namespace sorvane
