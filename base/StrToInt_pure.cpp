#include "base/StrToInt.h"

namespace sorvane {

namespace {

std::optional<std::int32_t> Convert(std::string_view s, bool zeroX) {
  std::size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  bool negative = false;
  bool hex = false;
  if (i < s.size() && s[i] == '$') {
    hex = true;
    ++i;
  } else if (zeroX && s.size() > 2 && i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    hex = true;
    i += 2;
  } else if (i < s.size() && (s[i] == '-' || s[i] == '+')) {  // a sign goes with decimal digits only
    negative = s[i] == '-';
    ++i;
  }
  if (i >= s.size()) return std::nullopt;
  std::uint64_t value = 0;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    unsigned digit;
    if (c >= '0' && c <= '9') {
      digit = unsigned(c - '0');
    } else if (hex && c >= 'a' && c <= 'f') {
      digit = unsigned(c - 'a' + 10);
    } else if (hex && c >= 'A' && c <= 'F') {
      digit = unsigned(c - 'A' + 10);
    } else {
      return std::nullopt;
    }
    value = value * (hex ? 16 : 10) + digit;
    if (value > 0xFFFFFFFFull) return std::nullopt;
  }
  if (hex) return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
  if (negative) {
    if (value > 0x80000000ull) return std::nullopt;
    return static_cast<std::int32_t>(0ll - static_cast<long long>(value));
  }
  if (value > 0x7FFFFFFFull) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

}  // namespace

std::optional<std::int32_t> TryStrToInt(std::string_view text) { return Convert(text, false); }

std::int32_t StrToIntDef(std::string_view text, std::int32_t def) {
  const auto v = Convert(text, true);
  return v ? *v : def;
}

}  // namespace sorvane
