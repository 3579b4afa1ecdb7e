// The changer's pseudo-random generator: one process-wide 32-bit seed, a
// linear congruential step (multiplier 134775813, increment 1, modulus 2^32)
// and a draw that takes the high 32 bits of seed * n.
#pragma once
#include <cstdint>

namespace sorvane {

std::uint32_t& RandSeed();
// Seeds from the UTC milliseconds of the day (GetSystemTime; Random.cpp).
void Randomize();
// A draw with bound n >= 1 from the process-wide seed: 0..n-1.
std::int32_t Random(std::int32_t n);
// The steps of a draw.
constexpr std::uint32_t NextSeed(std::uint32_t seed) { return seed * 134775813u + 1u; }
constexpr std::int32_t Scale(std::uint32_t seed, std::uint32_t n) {
  return static_cast<std::int32_t>((std::uint64_t(seed) * n) >> 32);
}
// The milliseconds since midnight of a time of day.
constexpr std::uint32_t MsOfDay(unsigned hour, unsigned minute, unsigned second, unsigned ms) {
  return ((hour * 60u + minute) * 60u + second) * 1000u + ms;
}
// A draw with bound n >= 1 from the given seed, which it steps.
constexpr std::int32_t Draw(std::uint32_t& seed, std::int32_t n) {
  seed = NextSeed(seed);
  return Scale(seed, static_cast<std::uint32_t>(n));
}

}  // namespace sorvane
