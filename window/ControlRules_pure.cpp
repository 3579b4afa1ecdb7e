#include "window/ControlRules.h"

namespace sorvane {

TControlState DecideControls(const TRuleInput& in) {
  const bool none = in.Style == dsNone;
  TControlState s;
  s.ListEnabled = !none;
  s.Deselect = none;
  s.DelEnabled = !none && in.Selected != 0;
  s.ClrEnabled = !none && in.Count > 0;
  s.SetBaseChecked = !none && in.Origin;
  s.SetBaseEnabled = in.Style == dsCenter;
  s.AutoChgChecked = !none && in.AutoChange;
  s.AutoChgEnabled = !none;
  s.OriginOn = s.SetBaseChecked;
  s.ConfigEnabled = s.AutoChgChecked;
  s.PopSendEnabled = s.AutoChgChecked;
  s.PopRewEnabled = s.AutoChgChecked && in.Order == coListOrder;
  s.PopPauseEnabled = s.AutoChgChecked;
  return s;
}

}  // namespace sorvane
