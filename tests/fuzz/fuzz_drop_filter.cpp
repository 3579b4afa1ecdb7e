// The drop filter's name rule agrees with a plain reading of it.
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "picture/FileKind.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string name(reinterpret_cast<const char*>(data), size);
  const bool got = sorvane::HasBmpExtension(name);
  const std::size_t dot = name.rfind('.');
  bool want = false;
  if (dot != std::string::npos && dot + 4 <= name.size()) {
    std::string ext = name.substr(dot, 4);
    for (char& c : ext)
      if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    want = ext == ".BMP";
  }
  if (got != want) std::abort();
  return 0;
}
