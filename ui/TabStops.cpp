#include "ui/TabStops.h"

namespace {
void AddTabStops(HWND parent, std::vector<HWND>& stops) {
  for (HWND w = GetWindow(parent, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
    if (!IsWindowVisible(w) || !IsWindowEnabled(w)) continue;
    if (GetWindowLongPtrA(w, GWL_STYLE) & WS_TABSTOP) stops.push_back(w);
    if (GetWindowLongPtrA(w, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) AddTabStops(w, stops);
  }
}
}  // namespace

std::vector<HWND> TabStops(HWND root) {
  std::vector<HWND> stops;
  AddTabStops(root, stops);
  return stops;
}

void FocusControl(HWND control) {
  ::SetFocus(control);
  if (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageA(control, EM_SETSEL, 0, -1);
}
