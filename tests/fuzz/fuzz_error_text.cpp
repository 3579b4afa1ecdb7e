// The error box's "." rule: adds at most one "." and only after a last
// character that sorts after it.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/ErrorText.h"
#include "base/Mbcs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string msg(reinterpret_cast<const char*>(data), size);
  const std::string shown = sorvane::ErrorBoxText(msg);
  if (shown.compare(0, msg.size(), msg) != 0) std::abort();
  if (shown.size() > msg.size() + 1) std::abort();
  if (shown.size() == msg.size() + 1) {
    if (shown.back() != '.' || msg.empty()) std::abort();
    const std::size_t last = sorvane::LastCharOffset(msg);
    if (static_cast<unsigned char>(msg[last]) <= '.' && msg.size() - last == 1) std::abort();
  }
  return 0;
}
