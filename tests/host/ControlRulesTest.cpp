// The control state rules: every row of the resulting-state table by style
// and check marks, and the selections, lists and orders a user can reach.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "window/ControlRules.h"

using namespace sorvane;

namespace {

// The state as the words of the fields that are on, in field order; "base*"
// and "auto*" are the check marks, "base" and "auto" the enabled states.
std::string Words(const TControlState& s) {
  const std::pair<bool, const char*> fields[] = {
      {s.ListEnabled, "list"},     {s.Deselect, "deselect"},      {s.DelEnabled, "del"},
      {s.ClrEnabled, "clr"},       {s.SetBaseChecked, "base*"},   {s.SetBaseEnabled, "base"},
      {s.AutoChgChecked, "auto*"}, {s.AutoChgEnabled, "auto"},    {s.OriginOn, "origin"},
      {s.ConfigEnabled, "config"}, {s.PopSendEnabled, "send"},    {s.PopRewEnabled, "rew"},
      {s.PopPauseEnabled, "pause"},
  };
  std::string out;
  for (const auto& [on, word] : fields)
    if (on) out += (out.empty() ? "" : " ") + std::string(word);
  return out;
}

}  // namespace

TEST(ControlRules, EveryStyleWithItsCheckMarksAndTheReachableLists) {
  const TChangeOrder L = coListOrder, R = coRandom, N = coNone;
  struct Case {
    TRuleInput In;  // style, SetBase, AutoChg, order, count, selection
    const char* Want;
  } cases[] = {
      // "壁紙なし": everything off and unchecked, whatever was on.
      {{dsNone, true, true, L, 2, 1}, "deselect"},
      {{dsNone, false, false, R, 0, -1}, "deselect"},
      // "画面中央": the origin option is enabled and keeps its mark.
      {{dsCenter, false, false, L, 2, -1}, "list del clr base auto"},
      {{dsCenter, true, false, L, 2, -1}, "list del clr base* base auto origin"},
      {{dsCenter, false, true, L, 2, -1}, "list del clr base auto* auto config send rew pause"},
      {{dsCenter, true, true, L, 2, 1}, "list del clr base* base auto* auto origin config send rew pause"},
      // Styles 2 and 3: the origin option is disabled but keeps its mark
      // (checked under "画面中央", then another style chosen).
      {{dsTile, false, false, L, 2, -1}, "list del clr auto"},
      {{dsTile, true, false, L, 2, -1}, "list del clr base* auto origin"},
      {{dsStretch, true, true, L, 2, -1}, "list del clr base* auto* auto origin config send rew pause"},
      {{dsStretch, false, true, L, 2, -1}, "list del clr auto* auto config send rew pause"},
      // "選択画像" follows position 0, not the lack of a selection.
      {{dsCenter, false, false, L, 2, 0}, "list clr base auto"},
      {{dsTile, false, false, L, 1, 0}, "list clr auto"},
      {{dsCenter, false, false, L, 3, 2}, "list del clr base auto"},
      // An empty list: "全て" is off, "選択画像" on; the tray items need no list.
      {{dsCenter, false, true, L, 0, -1}, "list del base auto* auto config send rew pause"},
      // "前の画像" only in list order; no order chosen is not list order.
      {{dsCenter, false, true, R, 2, -1}, "list del clr base auto* auto config send pause"},
      {{dsTile, false, true, N, 2, -1}, "list del clr auto* auto config send pause"},
      {{dsCenter, false, false, R, 2, -1}, "list del clr base auto"},
  };
  for (const Case& c : cases) {
    std::ostringstream what;
    what << "style " << c.In.Style << " SetBase " << c.In.Origin << " AutoChg " << c.In.AutoChange << " order "
         << c.In.Order << " count " << c.In.Count << " selected " << c.In.Selected;
    EXPECT_EQ(Words(DecideControls(c.In)), c.Want) << what.str();
  }
}
