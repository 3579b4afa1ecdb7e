#include "base/Mbcs.h"

namespace sorvane {

std::size_t CharBoundaryPrefix(std::string_view s, std::size_t maxBytes) {
  if (s.size() <= maxBytes) return s.size();
  std::size_t i = 0;
  while (i < maxBytes) {
    const std::size_t step = IsLeadByte932(static_cast<unsigned char>(s[i])) && i + 1 < s.size() ? 2 : 1;
    if (i + step > maxBytes) break;
    i += step;
  }
  return i;
}

std::string CutAtCharBoundary(std::string_view s, std::size_t maxBytes) {
  return std::string(s.substr(0, CharBoundaryPrefix(s, maxBytes)));
}

std::size_t LastCharOffset(std::string_view s) {
  std::size_t i = 0, last = 0;
  while (i < s.size()) {
    last = i;
    i += IsLeadByte932(static_cast<unsigned char>(s[i])) && i + 1 < s.size() ? 2 : 1;
  }
  return last;
}

std::string FormatS(std::string_view fmt, std::string_view arg) {
  const std::size_t at = fmt.find("%s");
  if (at == std::string_view::npos) return std::string(fmt);
  std::string r;
  r.reserve(fmt.size() + arg.size());
  r.append(fmt.substr(0, at)).append(arg).append(fmt.substr(at + 2));
  return r;
}

}  // namespace sorvane
