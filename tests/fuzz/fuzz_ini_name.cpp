// The settings file's name: always ends in "INI", never longer than the
// path plus three bytes, and keeps a prefix of the path.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "settings/IniName.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path(reinterpret_cast<const char*>(data), size);
  const std::string ini = sorvane::IniNameFromUpper(path);
  if (ini.size() < 3 || ini.compare(ini.size() - 3, 3, "INI") != 0) std::abort();
  const std::string kept = ini.substr(0, ini.size() - 3);
  if (path.compare(0, kept.size(), kept) != 0) std::abort();
  if (!kept.empty() && (kept.size() < 1 || kept.back() != '.')) std::abort();
  return 0;
}
