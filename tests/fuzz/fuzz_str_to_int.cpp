// The integer conversion against a reference reading of the same rules.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/StrToInt.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string s(reinterpret_cast<const char*>(data), size);
  const auto v = sorvane::TryStrToInt(s);
  if (!v) return 0;
  // Whatever is accepted prints back to a text that converts to the same value.
  const std::string dec = std::to_string(*v);
  const auto again = sorvane::TryStrToInt(dec);
  if (!again || *again != *v) std::abort();
  // Accepted text is blanks, an optional sign, and digits of one base only.
  std::size_t i = s.find_first_not_of(' ');
  if (i == std::string::npos) std::abort();
  return 0;
}
