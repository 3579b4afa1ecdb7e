#include <windows.h>

#include "base/AnsiPath.h"
#include "settings/IniName.h"

namespace sorvane {

namespace {

// The executable's path as the ANSI calls can use it. A folder or name that
// the code page cannot spell comes from GetModuleFileNameA with "?" in it,
// which names no folder; the wide path's short form reaches the same one.
std::string ModulePath() {
  wchar_t wide[MAX_PATH + 1] = {};
  const DWORD wn = GetModuleFileNameW(nullptr, wide, MAX_PATH + 1);
  char path[261] = {};
  if (wn > 0 && wn <= MAX_PATH)
    if (const auto reach = AnsiPathOf(std::wstring(wide, wn)); reach && reach->size() < sizeof path) return *reach;
  // No such form: the lossy name, and an error that names it at the first save.
  return std::string(path, GetModuleFileNameA(nullptr, path, sizeof path));
}

}  // namespace

std::string IniNameFromModule() {
  std::string path = ModulePath();
  // The platform's upper-casing knows double-byte characters and leaves
  // their trail bytes alone.
  CharUpperBuffA(path.data(), DWORD(path.size()));
  return IniNameFromUpper(path);
}

}  // namespace sorvane
