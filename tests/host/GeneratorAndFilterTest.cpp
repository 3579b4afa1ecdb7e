// The random generator's exact sequence and the drop filter's name rule.
#include <gtest/gtest.h>

#include "changer/Random.h"
#include "picture/FileKind.h"

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

TEST(DropFilter, JudgesTheFourCharactersFromTheLastDot) {
  EXPECT_TRUE(HasBmpExtension("C:\\P\\PIC.BMP"));
  EXPECT_TRUE(HasBmpExtension("C:\\P\\pic.bmp"));
  EXPECT_TRUE(HasBmpExtension("C:\\P\\PIC.Bmp"));
  EXPECT_TRUE(HasBmpExtension("C:\\P\\PIC.TXT.BMP"));
  EXPECT_TRUE(HasBmpExtension("C:\\P\\PIC.BMPX"));
  EXPECT_TRUE(HasBmpExtension("C:\\OLD.BMP\\PIC"));
  EXPECT_FALSE(HasBmpExtension("C:\\OLD.PICS\\PIC"));
  EXPECT_FALSE(HasBmpExtension("C:\\P\\PIC.BMP.TXT"));
  EXPECT_FALSE(HasBmpExtension("C:\\P\\PIC"));
  EXPECT_FALSE(HasBmpExtension("C:\\P\\PIC.BM"));
  EXPECT_FALSE(HasBmpExtension("PIC"));
  EXPECT_FALSE(HasBmpExtension("C:\\表\\PIC.B"));
}
