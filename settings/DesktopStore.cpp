#include "settings/DesktopStore.h"

namespace sorvane {

TValueRead DesktopReader(TDesktopRegistry& reg) {
  return [&reg](const std::string& name, const std::string& def) { return reg.ReadString(name.c_str(), def); };
}

void SaveDesktopValues(const TDesktopValues& v) {
  const int element = COLOR_BACKGROUND;
  const COLORREF color = v.Color;
  SetSysColors(1, &element, &color);
  TDesktopRegistry reg;
  for (const TValueWrite& w : DesktopWrites(v)) reg.WriteString(w.Name.c_str(), w.Value);
}

}  // namespace sorvane
