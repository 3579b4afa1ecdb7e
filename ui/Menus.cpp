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

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner) {}

TPopupMenu::~TPopupMenu() {
  // The items are owned by the form; they only lose their menu here.
  DeallocateHWnd(FWindow);
  if (FMenu) DestroyMenu(FMenu);
}

TMenuItem* TPopupMenu::Add(const std::string& name, const std::string& caption) {
  auto* item = new TMenuItem(Owner() ? Owner() : this, this, caption);
  item->SetName(name);
  FItems.push_back(item);
  if (FMenu) {  // made again, with the new item, when needed
    DestroyMenu(FMenu);
    FMenu = nullptr;
  }
  return item;
}

HMENU TPopupMenu::Handle() {
  if (FMenu) return FMenu;
  FMenu = CreatePopupMenu();
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
  UINT align = TPM_LEFTALIGN;
  if (Alignment == TPopupAlignment::Right) align = TPM_RIGHTALIGN;
  if (Alignment == TPopupAlignment::Center) align = TPM_CENTERALIGN;
  if (!FWindow) FWindow = AllocateHWnd(this);
  TrackPopupMenu(Handle(), align | TPM_RIGHTBUTTON, x, y, 0, FWindow, nullptr);
  // Lets the menu close properly when the user clicks elsewhere.
  PostMessageA(FWindow, WM_NULL, 0, 0);
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
