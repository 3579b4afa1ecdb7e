// Text to signed 32-bit integer, as the period edit, the settings file and
// the registry values read numbers. Pure code.
#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

namespace sorvane {

// The period edit's rule: leading blanks, then an optional sign and decimal
// digits, or "$" and hexadecimal digits, and nothing after them. Decimal
// values must fit the signed 32-bit range; hexadecimal values must fit 32
// bits and wrap to signed.
std::optional<std::int32_t> TryStrToInt(std::string_view text);

// The rule of stored values (settings file, registry): the edit's, and also
// "0x" or "0X" read as "$" when the text is longer than two characters.
// def when the text is not a number.
std::int32_t StrToIntDef(std::string_view text, std::int32_t def);

}  // namespace sorvane
