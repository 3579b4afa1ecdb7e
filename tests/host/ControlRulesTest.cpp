// The control state rules: every row of the resulting-state table by style
// and check marks, and the selections, lists and orders a user can reach.
#include <gtest/gtest.h>

#include "tests/host/ControlRulesTable.h"

TEST(ControlRules, EveryStyleWithItsCheckMarksAndTheReachableLists) {
  for (const rules_table::TRow& row : rules_table::kRows)
    EXPECT_EQ(rules_table::Words(sorvane::DecideControls(row.In)), row.Want) << "row " << &row - rules_table::kRows;
}
