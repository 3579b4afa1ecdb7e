#include "changer/Random.h"

#include <windows.h>

namespace sorvane {

std::uint32_t& RandSeed() {
  static std::uint32_t seed = 0;
  return seed;
}

void Randomize() {
  SYSTEMTIME t;
  GetSystemTime(&t);
  RandSeed() = SeedFromTime(t.wHour, t.wMinute, t.wSecond, t.wMilliseconds);
}

std::int32_t Random(std::int32_t n) {
  RandSeed() = NextSeed(RandSeed());
  return Scale(RandSeed(), static_cast<std::uint32_t>(n));
}

}  // namespace sorvane
