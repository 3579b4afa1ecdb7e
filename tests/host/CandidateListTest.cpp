// The candidate list's rules: the selection after each change, and the
// room left for drops.
#include <gtest/gtest.h>

#include "window/CandidateList.h"

TEST(CandidateList, TheSelectionFollowsItsEntryAndDropsStopAt73) {
  // From A B C D with the entry at Selected chosen, one step, then the list
  // and the selection it leaves.
  enum Op { kRemove, kSelect, kClear };
  struct Case {
    int Selected;
    Op Step;
    int At;
    bool Changed;
    const char* Left;  // one letter an entry
    int SelectedAfter;
  };
  for (const Case& c : std::initializer_list<Case>{
           {2, kRemove, 0, true, "BCD", 1},  {2, kRemove, 2, true, "ABD", -1}, {2, kRemove, 3, true, "ABC", 2},
           {-1, kRemove, 1, true, "ACD", -1}, {2, kRemove, 4, false, "ABCD", 2}, {2, kRemove, -1, false, "ABCD", 2},
           {1, kSelect, 3, true, "ABCD", 3},  {1, kSelect, 4, true, "ABCD", -1}, {1, kSelect, -2, true, "ABCD", -1},
           {1, kClear, 0, true, "", -1}}) {
    TCandidateList list;
    for (const char* p : {"A", "B", "C", "D"}) list.Add(p);
    list.Select(c.Selected);
    bool changed = true;
    if (c.Step == kRemove) changed = list.Remove(c.At);
    if (c.Step == kSelect) list.Select(c.At);
    if (c.Step == kClear) list.Clear();
    std::string left;
    for (const std::string& p : list.Paths()) left += p;
    SCOPED_TRACE(testing::Message() << "selected " << c.Selected << ", step " << c.Step << " at " << c.At);
    EXPECT_EQ(changed, c.Changed);
    EXPECT_EQ(left, c.Left);
    EXPECT_EQ(list.Selected(), c.SelectedAfter);
    EXPECT_EQ(list.Count(), int(left.size()));
  }

  // Duplicates stay; a drop may append while 72 or fewer are listed.
  TCandidateList list;
  for (int n = 0; n < 73; ++n) {
    EXPECT_TRUE(list.DropMayAppend()) << n;
    list.Add("SAME");
  }
  EXPECT_FALSE(list.DropMayAppend());
  EXPECT_EQ(list.Count(), 73);
  list.Select(72);
  EXPECT_EQ(list.SelectedPath(), "SAME");
}
