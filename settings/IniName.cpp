#include <windows.h>

#include "settings/IniName.h"

namespace sorvane {

std::string IniNameFromModule() {
  char path[261] = {};
  const DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  // The platform's upper-casing knows double-byte characters and leaves
  // their trail bytes alone.
  CharUpperBuffA(path, n);
  return IniNameFromUpper(std::string_view(path, n));
}

}  // namespace sorvane
