// The control state rules as a decision: from the user's three choices (the
// display style, the origin option, automatic change), the change order and
// the list, the state every control they govern ends in. Pure code: the
// window applies the state (UpdateControls), in the rules' order.
#pragma once
#include <cstdint>

#include "base/Kinds.h"

namespace sorvane {

struct TRuleInput {
  TDispStyle Style = dsCenter;     // DispType
  bool Origin = false;             // SetBase checked
  bool AutoChange = false;         // AutoChg checked
  TChangeOrder Order = coListOrder;  // ChgMode
  std::int32_t Count = 0;          // entries in the list
  std::int32_t Selected = -1;      // the selected entry, -1 for none
};

struct TControlState {
  bool ListEnabled = false;
  bool Deselect = false;  // the selection cleared and the preview blanked
  bool DelEnabled = false;
  bool ClrEnabled = false;
  bool SetBaseChecked = false;
  bool SetBaseEnabled = false;
  bool AutoChgChecked = false;
  bool AutoChgEnabled = false;
  // OrgX and OrgY enabled and their brackets in window text; otherwise both
  // read "0", disabled, with the brackets dimmed.
  bool OriginOn = false;
  bool ConfigEnabled = false;  // TabConfig, ChgMode, FreqView and Freq
  bool PopSendEnabled = false;
  bool PopRewEnabled = false;
  bool PopPauseEnabled = false;
  bool operator==(const TControlState&) const = default;
};

// "壁紙なし" disables the list and its buttons, clears the selection and both
// check marks; the other styles enable the list, "選択画像" unless the first
// entry is selected (no selection enables it), "全て" for a list that is not
// empty, the origin option for "画面中央" only, keeping its mark. The origin
// and the automatic-change controls follow the check marks as the style
// leaves them; "前の画像" also needs list order.
TControlState DecideControls(const TRuleInput& in);

}  // namespace sorvane
