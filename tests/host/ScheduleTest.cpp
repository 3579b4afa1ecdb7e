// The changer's schedule: the tick's count, the choice of the entry, the
// menu's position moves and Execute's start position.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "changer/Schedule.h"

using namespace sorvane;

TEST(Schedule, TickCountsAndWrapsALoweredPeriodAtOnce) {
  struct Case {
    std::int32_t Count, Period;
    bool Paused;
    TTickResult Result;
    std::int32_t CountAfter;
  } cases[] = {
      {0, 3, false, TTickResult::Counted, 1},
      {1, 3, false, TTickResult::Counted, 2},
      {2, 3, false, TTickResult::ChangeDue, 0},
      {0, 1, false, TTickResult::ChangeDue, 0},
      {1438, 1440, false, TTickResult::Counted, 1439},
      {1439, 1440, false, TTickResult::ChangeDue, 0},
      {5, 3, false, TTickResult::ChangeDue, 0},  // period lowered below the count
      {4, 4, false, TTickResult::ChangeDue, 0},  // ... or to it
      {0, 0, false, TTickResult::ChangeDue, 0},  // no period yet: no division
      {1, 3, true, TTickResult::Ignored, 1},
      {7, 3, true, TTickResult::Ignored, 7},
  };
  for (const Case& c : cases) {
    TSchedule s;
    s.MinCount = c.Count;
    s.FreqMin = c.Period;
    s.Paused = c.Paused;
    EXPECT_EQ(s.Tick(), c.Result) << c.Count << "/" << c.Period;
    EXPECT_EQ(s.MinCount, c.CountAfter) << c.Count << "/" << c.Period;
  }
}

TEST(Schedule, ChoiceInListOrderRandomOrNone) {
  struct Case {
    std::int32_t Count;
    TDispStyle Style;
    TChangeOrder Order;
    std::int32_t ListPos;
    std::int32_t Chosen;  // -1: none
    std::int32_t ListPosAfter;
  } cases[] = {
      {5, dsCenter, coListOrder, 2, 2, 3},  {5, dsTile, coListOrder, 4, 4, 0},
      {5, dsStretch, coNone, 1, 1, 2},      {1, dsCenter, coListOrder, 0, 0, 0},
      {3, dsCenter, coListOrder, 4, 1, 2},  {3, dsCenter, coListOrder, 7, 1, 2},  // shrunken list
      {0, dsCenter, coListOrder, 2, -1, 2}, {5, dsNone, coListOrder, 2, -1, 2},
      {5, dsNone, coRandom, 2, -1, 2},      {5, dsCenter, coRandom, 3, 1, 3},  // first draw from 12345
  };
  for (const Case& c : cases) {
    TSchedule s;
    s.ListPos = c.ListPos;
    s.CurPos = -7;
    std::uint32_t seed = 12345;
    const auto chosen = s.ChoosePicture(c.Count, c.Style, c.Order, seed);
    EXPECT_EQ(chosen.value_or(-1), c.Chosen) << c.Count << " " << c.Style << " " << c.Order << " " << c.ListPos;
    EXPECT_EQ(s.CurPos, chosen ? c.Chosen : -7);
    EXPECT_EQ(s.ListPos, c.ListPosAfter);
    EXPECT_EQ(seed == 12345u, c.Order != coRandom || !chosen);  // only a random choice draws
  }
  // Random order may repeat an entry: bound 5 from seed 12345 gives 1 1 0 2 3 1.
  TSchedule s;
  std::uint32_t seed = 12345;
  std::string drawn;
  for (int i = 0; i < 6; ++i) drawn += char('0' + *s.ChoosePicture(5, dsCenter, coRandom, seed));
  EXPECT_EQ(drawn, "110231");
}

TEST(Schedule, NextAndPreviousMoveCyclicallyAndNotOnAnEmptyList) {
  struct Case {
    std::int32_t Count, ListPos, Next, Back;
  } cases[] = {
      {5, 2, 3, 1}, {5, 4, 0, 3}, {5, 0, 1, 4}, {1, 0, 0, 0}, {3, 7, 2, 0}, {0, 2, 2, 2},
  };
  for (const Case& c : cases) {
    TSchedule next, back;
    next.ListPos = back.ListPos = c.ListPos;
    EXPECT_EQ(next.StepNext(c.Count), c.Count > 0);
    EXPECT_EQ(back.StepBack(c.Count), c.Count > 0);
    EXPECT_EQ(next.ListPos, c.Next) << c.Count << " " << c.ListPos;
    EXPECT_EQ(back.ListPos, c.Back) << c.Count << " " << c.ListPos;
  }
}

TEST(Schedule, ExecuteTakesTheSelectionInListOrderOnly) {
  struct Case {
    TChangeOrder Order;
    std::int32_t Selected, ListPosAfter;
  } cases[] = {{coListOrder, 3, 3}, {coListOrder, -1, 0}, {coNone, 3, 9}, {coRandom, 3, 9}};
  for (const Case& c : cases) {
    TSchedule s;
    s.ListPos = 9;
    s.TakeSelection(c.Order, c.Selected);
    EXPECT_EQ(s.ListPos, c.ListPosAfter) << c.Order << " " << c.Selected;
  }
}

// The worked example: entries A..E, Execute in list order with C selected and
// a period of 3; ticks ("t"), "次の画像" (">"), "前の画像" ("<") and the pause
// ("p") as the window runs them.
TEST(Schedule, WorkedExampleOfTicksAndMenuCommands) {
  TSchedule s;
  s.FreqMin = 3;
  s.TakeSelection(coListOrder, 2);
  std::uint32_t seed = 0;
  std::string shown;
  auto change = [&] {
    if (const auto pos = s.ChoosePicture(5, dsCenter, coListOrder, seed)) shown += char('A' + *pos);
  };
  for (const char op : std::string("ttt><<tttpttp>tt")) {
    if (op == 't' && s.Tick() == TTickResult::ChangeDue) change();
    if (op == '>' && s.StepNext(5)) change();
    if (op == '<' && s.StepBack(5)) change();
    if (op == 'p') s.TogglePause();
    shown += op == 't' ? "" : " ";
  }
  // C on the third tick; next shows E, previous E and E again; A on the
  // third tick after; paused ticks count nothing, and next still works (C).
  EXPECT_EQ(shown, "CE E E A  C ");
  EXPECT_EQ(s.MinCount, 2);
  EXPECT_EQ(s.ListPos, 3);
  EXPECT_FALSE(s.Paused);
}
