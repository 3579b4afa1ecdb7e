// The random generator's exact sequence.
#include <gtest/gtest.h>

#include "changer/Random.h"

using namespace sorvane;

TEST(Random, SeedIsTheMillisecondsOfTheDay) {
  EXPECT_EQ(MsOfDay(0, 0, 0, 0), 0u);
  EXPECT_EQ(MsOfDay(13, 5, 20, 250), ((13u * 60 + 5) * 60 + 20) * 1000 + 250);
  EXPECT_EQ(MsOfDay(23, 59, 59, 999), 86399999u);
}

TEST(Random, LinearCongruentialStepAndHighWordScaling) {
  EXPECT_EQ(NextSeed(0), 1u);
  EXPECT_EQ(NextSeed(1), 134775814u);
  EXPECT_EQ(NextSeed(0xFFFFFFFFu), 0xFFFFFFFFu * 134775813u + 1u);  // wraps modulo 2^32
  EXPECT_EQ(Scale(0, 5), 0);
  EXPECT_EQ(Scale(0xFFFFFFFFu, 5), 4);
  EXPECT_EQ(Scale(0x80000000u, 10), 5);
  // The first draws from seed 0 with bound 10, worked by hand:
  // seeds 1, 134775814, 3698175007 -> 0, 0, 8.
  std::uint32_t s = 0;
  std::vector<int> draws;
  for (int i = 0; i < 3; ++i) {
    s = NextSeed(s);
    draws.push_back(Scale(s, 10));
  }
  EXPECT_EQ(draws, (std::vector<int>{0, 0, 8}));
}

TEST(Random, GeneratorFirstDrawsFromKnownSeeds) {
  // Worked out independently with 64-bit arithmetic:
  // seed 12345 -> 1655067934, 1242767767, 342459380, 2377737157, 2721613530;
  // each draw with bound 5 is (seed * 5) >> 32.
  std::uint32_t s = 12345;
  const int expected[] = {1, 1, 0, 2, 3};
  const std::uint32_t seeds[] = {1655067934u, 1242767767u, 342459380u, 2377737157u, 2721613530u};
  for (int i = 0; i < 5; ++i) {
    s = NextSeed(s);
    EXPECT_EQ(s, seeds[i]) << i;
    EXPECT_EQ(Scale(s, 5), expected[i]) << i;
  }
  // Seeded at 13:05:20.250 UTC, the first three draws over twelve entries.
  s = MsOfDay(13, 5, 20, 250);
  EXPECT_EQ(s, 47120250u);
  int draws[3];
  for (int& d : draws) d = Scale(s = NextSeed(s), 12);
  EXPECT_EQ(draws[0], 7);
  EXPECT_EQ(draws[1], 5);
  EXPECT_EQ(draws[2], 6);
}
