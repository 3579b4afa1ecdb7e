// The tray status text: its pieces, the due time in the locale's short time
// format, the 255-byte cut, and the generator's first draws.
#include <gtest/gtest.h>

#include <string>

#include "base/Mbcs.h"
#include "changer/Random.h"
#include "changer/TipText.h"

using namespace sorvane;

namespace {

constexpr std::int32_t Ms(int h, int m, int s, int ms = 0) { return ((h * 60 + m) * 60 + s) * 1000 + ms; }

// A 24-hour locale whose hour has no leading zero, as in Japan.
TShortTimeFormat Japanese() { return {}; }

TShortTimeFormat TwelveHour(bool before, bool leadingZero = false) {
  TShortTimeFormat f;
  f.TwelveHour = true;
  f.LeadingZero = leadingZero;
  f.AMDesignator = "午前";
  f.PMDesignator = "午後";
  f.DesignatorBefore = before;
  return f;
}

TTipInput Running(std::int32_t msOfDay, std::int32_t freqMin, std::int32_t minCount) {
  TTipInput in;
  in.TimerEnabled = true;
  in.FreqMin = freqMin;
  in.DueTime = FormatShortTime(Japanese(), DueMinuteOfDay(msOfDay, freqMin, minCount));
  return in;
}

}  // namespace

TEST(TipText, TheThreeWorkedExamples) {
  TTipInput in = Running(Ms(13, 5, 20), 30, 0);
  in.Count = 12;
  in.ChgMode = 0;
  in.DispType = 2;
  EXPECT_EQ(ComposeTip(in), "Sorvane：13:35頃[隔30分]12枚→順次～タイル敷");

  TTipInput paused;
  paused.TimerEnabled = true;
  paused.Paused = true;
  paused.FreqMin = 30;
  paused.Count = 12;
  paused.ChgMode = 1;
  paused.DispType = 3;
  EXPECT_EQ(ComposeTip(paused), "Sorvane：停止中[隔30分]12枚→任意～全面拡大");

  TTipInput off;
  off.DispType = 1;
  off.FreqMin = 30;
  off.Count = 12;
  EXPECT_EQ(ComposeTip(off), "Sorvane：随時～中央へ");
  off.Paused = true;  // a stopped timer hides the pause as well
  EXPECT_EQ(ComposeTip(off), "Sorvane：随時～中央へ");
}

TEST(TipText, OrderAndStyleWordsAndTheEmptyList) {
  TTipInput in;
  in.TimerEnabled = true;
  in.Paused = true;
  in.FreqMin = 1440;
  in.Count = 0;
  in.ChgMode = -1;  // no order selected: changes go in list order, the tip says "任意～"
  in.DispType = 0;
  EXPECT_EQ(ComposeTip(in), "Sorvane：停止中[隔1440分]0枚→任意～壁紙なし");
  in.ChgMode = 0;
  in.DispType = 1;
  EXPECT_EQ(ComposeTip(in), "Sorvane：停止中[隔1440分]0枚→順次～中央へ");
  in.DispType = 7;
  EXPECT_EQ(ComposeTip(in), "Sorvane：停止中[隔1440分]0枚→順次～全面拡大");
  in.DispType = -1;
  EXPECT_EQ(ComposeTip(in), "Sorvane：停止中[隔1440分]0枚→順次～全面拡大");
}

TEST(TipText, DueTimeCountsTheRemainingMinutesAndDropsSeconds) {
  EXPECT_EQ(DueMinuteOfDay(Ms(13, 5, 20), 30, 0), 13 * 60 + 35);
  EXPECT_EQ(DueMinuteOfDay(Ms(13, 5, 59, 999), 1, 0), 13 * 60 + 6);
  EXPECT_EQ(DueMinuteOfDay(Ms(13, 5, 20), 30, 29), 13 * 60 + 6);
  // After midnight: the next day's clock time.
  EXPECT_EQ(DueMinuteOfDay(Ms(23, 50, 30), 20, 0), 10);
  EXPECT_EQ(DueMinuteOfDay(Ms(8, 15, 0), 1440, 0), 8 * 60 + 15);
  EXPECT_EQ(DueMinuteOfDay(Ms(23, 59, 59, 999), 1440, 0), 23 * 60 + 59);
  // A period lowered below the count: the current time or one in the past,
  // which may be the clock time of the day before.
  EXPECT_EQ(DueMinuteOfDay(Ms(10, 0, 0), 3, 3), 10 * 60);
  EXPECT_EQ(DueMinuteOfDay(Ms(10, 0, 0), 3, 5), 9 * 60 + 58);
  EXPECT_EQ(DueMinuteOfDay(Ms(0, 1, 0), 3, 10), 23 * 60 + 54);

  TTipInput in = Running(Ms(23, 50, 30), 20, 0);
  in.Count = 3;
  in.DispType = 3;
  EXPECT_EQ(ComposeTip(in), "Sorvane：0:10頃[隔20分]3枚→順次～全面拡大");
}

TEST(TipText, ShortTimeFormatFollowsTheLocale) {
  const int m1335 = 13 * 60 + 35, m0905 = 9 * 60 + 5;
  EXPECT_EQ(FormatShortTime(Japanese(), m1335), "13:35");
  EXPECT_EQ(FormatShortTime(Japanese(), m0905), "9:05");
  EXPECT_EQ(FormatShortTime(Japanese(), 0), "0:00");

  TShortTimeFormat zero;
  zero.LeadingZero = true;
  EXPECT_EQ(FormatShortTime(zero, m0905), "09:05");
  EXPECT_EQ(FormatShortTime(zero, m1335), "13:35");
  EXPECT_EQ(FormatShortTime(zero, 7), "00:07");

  TShortTimeFormat dot;
  dot.Separator = ".";
  EXPECT_EQ(FormatShortTime(dot, m0905), "9.05");
  TShortTimeFormat wide;
  wide.Separator = "時";  // a double-byte separator is kept whole
  EXPECT_EQ(FormatShortTime(wide, m0905), "9時05");
}

TEST(TipText, TwelveHourClockPlacesTheDesignator) {
  const int m1335 = 13 * 60 + 35;
  EXPECT_EQ(FormatShortTime(TwelveHour(true), m1335), "午後 1:35");
  EXPECT_EQ(FormatShortTime(TwelveHour(false), m1335), "1:35 午後");
  EXPECT_EQ(FormatShortTime(TwelveHour(false), 5), "12:05 午前");
  EXPECT_EQ(FormatShortTime(TwelveHour(false), 12 * 60), "12:00 午後");
  EXPECT_EQ(FormatShortTime(TwelveHour(true), 11 * 60 + 59), "午前 11:59");
  EXPECT_EQ(FormatShortTime(TwelveHour(true, true), 9 * 60 + 5), "午前 09:05");
  EXPECT_EQ(FormatShortTime(TwelveHour(false, true), 23 * 60 + 1), "11:01 午後");

  TShortTimeFormat en = TwelveHour(false);
  en.AMDesignator = "AM";
  en.PMDesignator = "PM";
  EXPECT_EQ(FormatShortTime(en, m1335), "1:35 PM");
  en.PMDesignator.clear();  // no designator, no stray blank
  EXPECT_EQ(FormatShortTime(en, m1335), "1:35");

  TTipInput in;
  in.TimerEnabled = true;
  in.FreqMin = 30;
  in.Count = 12;
  in.DispType = 2;
  in.DueTime = FormatShortTime(TwelveHour(true), DueMinuteOfDay(Ms(13, 5, 20), 30, 0));
  EXPECT_EQ(ComposeTip(in), "Sorvane：午後 1:35頃[隔30分]12枚→順次～タイル敷");
}

TEST(TipText, LongDesignatorsAreCutAt255Bytes) {
  TTipInput in;
  in.TimerEnabled = true;
  in.FreqMin = 30;
  in.Count = 12;
  in.DispType = 2;
  in.DueTime = std::string(300, 'A');
  const std::string ascii = ComposeTip(in);
  EXPECT_EQ(ascii.size(), 255u);
  EXPECT_EQ(ascii, ("Sorvane：" + std::string(300, 'A')).substr(0, 255));

  // An odd number of single bytes before double-byte text: the cut moves
  // back so that no character is split, and a later single-byte piece may
  // still take the last byte.
  std::string wide = "A";
  for (int i = 0; i < 150; ++i) wide += "午";
  in.DueTime = wide;
  const std::string mixed = ComposeTip(in);
  EXPECT_EQ(mixed.size(), 255u);
  EXPECT_EQ(mixed.substr(0, 10), "Sorvane：A");
  EXPECT_EQ(mixed.substr(mixed.size() - 3), std::string("午") + "[");
  EXPECT_EQ(CharBoundaryPrefix(mixed.substr(0, 254), 254), 254u);

  // Ordinary texts stay far below the limit.
  in.DueTime = "23:59";
  in.FreqMin = 1440;
  in.Count = 73;
  EXPECT_LT(ComposeTip(in).size(), 64u);
}

TEST(TipText, GeneratorFirstDrawsFromKnownSeeds) {
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
