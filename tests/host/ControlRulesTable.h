// The resulting state of the control rules, row by row: the decision is
// checked against these rows on the host, and the window in-process.
#pragma once
#include <string>
#include <utility>

#include "window/ControlRules.h"

namespace rules_table {

using namespace sorvane;

struct TRow {
  TRuleInput In;  // style, SetBase, AutoChg, order, count, selection
  const char* Want;
};

inline const TRow kRows[] = {
    // "壁紙なし": everything off and unchecked, whatever was on.
    {{dsNone, true, true, coListOrder, 2, 1}, "deselect"},
    {{dsNone, false, false, coRandom, 0, -1}, "deselect"},
    // "画面中央": the origin option is enabled and keeps its mark.
    {{dsCenter, false, false, coListOrder, 2, -1}, "list del clr base auto"},
    {{dsCenter, true, false, coListOrder, 2, -1}, "list del clr base* base auto origin"},
    {{dsCenter, false, true, coListOrder, 2, -1}, "list del clr base auto* auto config send rew pause"},
    {{dsCenter, true, true, coListOrder, 2, 1}, "list del clr base* base auto* auto origin config send rew pause"},
    // Styles 2 and 3: the origin option is disabled but keeps its mark
    // (checked under "画面中央", then another style chosen).
    {{dsTile, false, false, coListOrder, 2, -1}, "list del clr auto"},
    {{dsTile, true, false, coListOrder, 2, -1}, "list del clr base* auto origin"},
    {{dsStretch, true, true, coListOrder, 2, -1}, "list del clr base* auto* auto origin config send rew pause"},
    {{dsStretch, false, true, coListOrder, 2, -1}, "list del clr auto* auto config send rew pause"},
    // "選択画像" follows position 0, not the lack of a selection.
    {{dsCenter, false, false, coListOrder, 2, 0}, "list clr base auto"},
    {{dsTile, false, false, coListOrder, 1, 0}, "list clr auto"},
    {{dsCenter, false, false, coListOrder, 3, 2}, "list del clr base auto"},
    // An empty list: "全て" is off, "選択画像" on; the tray items need no list.
    {{dsCenter, false, true, coListOrder, 0, -1}, "list del base auto* auto config send rew pause"},
    // "前の画像" only in list order; no order chosen is not list order.
    {{dsCenter, false, true, coRandom, 2, -1}, "list del clr base auto* auto config send pause"},
    {{dsTile, false, true, coNone, 2, -1}, "list del clr auto* auto config send pause"},
    {{dsCenter, false, false, coRandom, 2, -1}, "list del clr base auto"},
};

// The state as the words of the fields that are on, in field order; "base*"
// and "auto*" are the check marks, "base" and "auto" the enabled states.
inline std::string Words(const TControlState& s) {
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

}  // namespace rules_table
