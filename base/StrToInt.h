// Text to signed 32-bit integer, as the settings file, the registry values
// and the period edit read numbers. Pure code.
#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

namespace sorvane {

// Leading blanks, then an optional sign and decimal digits, or "$" and
// hexadecimal digits ("0x"/"0X" counts as "$" when the text is longer than two
// characters), and nothing after them. Decimal values must fit the signed
// 32-bit range; hexadecimal values must fit 32 bits and wrap to signed.
std::optional<std::int32_t> TryStrToInt(std::string_view text);

// The converted value, or def when the text is not a number.
std::int32_t StrToIntDef(std::string_view text, std::int32_t def);

}  // namespace sorvane
