#include "ui/Host.h"

THost* Host = nullptr;

namespace {

// A window the application window owns (the main window) is disabled even
// while hidden: whatever shows it meanwhile shows it out of reach.
BOOL CALLBACK DisableTaskWindow(HWND w, LPARAM p) {
  auto* list = reinterpret_cast<std::vector<HWND>*>(p);
  if (w != Host->Handle() && (IsWindowVisible(w) || GetWindow(w, GW_OWNER) == Host->Handle()) &&
      IsWindowEnabled(w)) {
    EnableWindow(w, FALSE);
    list->push_back(w);
  }
  return TRUE;
}

// While a box is open it is the one visible window of the thread that is
// still enabled.
BOOL CALLBACK FindOpenBox(HWND w, LPARAM p) {
  if (w == Host->Handle() || !IsWindowVisible(w) || !IsWindowEnabled(w)) return TRUE;
  *reinterpret_cast<HWND*>(p) = w;
  return FALSE;
}

}  // namespace

void THost::BringModalToFront() {
  HWND box = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindOpenBox, LPARAM(&box));
  if (box) SetForegroundWindow(box);
}

TModalScope::TModalScope() : FActive(GetActiveWindow()) {
  ++Host->FModalLevel;
  EnumThreadWindows(GetCurrentThreadId(), DisableTaskWindow, LPARAM(&FDisabled));
}

TModalScope::~TModalScope() {
  for (HWND w : FDisabled)
    if (IsWindow(w)) EnableWindow(w, TRUE);
  if (FActive && IsWindow(FActive)) SetActiveWindow(FActive);
  --Host->FModalLevel;
}
