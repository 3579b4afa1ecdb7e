#include "ui/Menus.h"

#include <algorithm>

#include "ui/Host.h"

namespace {
UINT NextCommand() {
  static UINT next = 100;
  return next++;
}
}  // namespace

TMenuItem::TMenuItem(TComponent* owner, TPopupMenu* menu, const std::string& caption)
    : TComponent(owner), FMenu(menu), FCaption(caption), FCommand(NextCommand()) {}

void TMenuItem::SetEnabled(bool on) {
  FEnabled = on;
  if (FMenu->FMenu) EnableMenuItem(FMenu->FMenu, FCommand, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
}

void TMenuItem::SetChecked(bool on) {
  FChecked = on;
  if (FMenu->FMenu) CheckMenuItem(FMenu->FMenu, FCommand, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

// The items are owned by the form; they only lose their menu when it goes.
TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner) {}

TMenuItem* TPopupMenu::Add(const std::string& name, const std::string& caption) {
  TMenuItem* item = (Owner() ? Owner() : this)->Make<TMenuItem>(this, caption);
  item->SetName(name);
  FItems.push_back(item);
  FMenu.Reset();  // made again, with the new item, when needed
  return item;
}

HMENU TPopupMenu::Handle() {
  if (FMenu) return FMenu;
  FMenu.Reset(CreatePopupMenu());
  for (const TMenuItem* item : FItems) {
    if (item->IsSeparator()) {
      AppendMenuA(FMenu, MF_SEPARATOR, item->Command(), nullptr);
      continue;
    }
    AppendMenuA(FMenu, MF_STRING | (item->Enabled() ? MF_ENABLED : MF_GRAYED) |
                           (item->Checked() ? MF_CHECKED : MF_UNCHECKED),
                item->Command(), item->Caption().c_str());
  }
  return FMenu;
}

void TPopupMenu::Popup(int x, int y) {
  const HWND window = FWindow.Make(TSinkKind::TopLevel, "TPopupMenu");
  TrackPopupMenu(Handle(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, window, nullptr);
  // Lets the menu close properly when the user clicks elsewhere.
  PostMessageA(window, WM_NULL, 0, 0);
}

bool TPopupMenu::DispatchCommand(UINT command) {
  for (TMenuItem* item : FItems) {
    if (item->Command() == command) {
      if (item->Enabled()) item->OnClick(item);
      return true;
    }
  }
  return false;
}

LRESULT TPopupMenu::SinkProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_COMMAND && lParam == 0) {
    Guarded(this, [&] { DispatchCommand(LOWORD(wParam)); });
    return 0;
  }
  return DefWindowProcA(wnd, msg, wParam, lParam);
}
