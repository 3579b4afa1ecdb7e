// Little-endian fields of file headers, read byte by byte (no alignment or
// host byte order assumed). Pure code.
#pragma once
#include <cstddef>
#include <cstdint>

namespace sorvane {

inline std::uint16_t LeU16(const unsigned char* b, std::size_t at) {
  return std::uint16_t(b[at] | b[at + 1] << 8);
}
inline std::uint32_t LeU32(const unsigned char* b, std::size_t at) {
  return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
         std::uint32_t(b[at + 3]) << 24;
}
inline std::int16_t LeI16(const unsigned char* b, std::size_t at) { return std::int16_t(LeU16(b, at)); }
inline std::int32_t LeI32(const unsigned char* b, std::size_t at) { return std::int32_t(LeU32(b, at)); }

}  // namespace sorvane
