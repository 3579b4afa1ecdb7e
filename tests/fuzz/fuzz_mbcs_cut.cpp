// Cuts at character boundaries: never longer than asked, never inside a
// double-byte character, and as long as possible.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/Mbcs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::size_t max = data[0];
  const std::string s(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::size_t n = sorvane::CharBoundaryPrefix(s, max);
  if (n > max || n > s.size()) std::abort();
  // Walk the characters: n must be a character start (or the end).
  std::size_t i = 0;
  while (i < n) i += sorvane::IsLeadByte932(static_cast<unsigned char>(s[i])) && i + 1 < s.size() ? 2 : 1;
  if (i != n) std::abort();
  // One more character would not have fitted.
  if (n < s.size()) {
    const std::size_t step = sorvane::IsLeadByte932(static_cast<unsigned char>(s[n])) && n + 1 < s.size() ? 2 : 1;
    if (n + step <= max) std::abort();
  }
  if (sorvane::CutAtCharBoundary(s, max) != s.substr(0, n)) std::abort();
  return 0;
}
