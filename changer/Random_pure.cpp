#include "changer/Random.h"

namespace sorvane {

std::uint32_t& RandSeed() {
  static std::uint32_t seed = 0;
  return seed;
}

std::int32_t Random(std::int32_t n) { return Draw(RandSeed(), n); }

}  // namespace sorvane
