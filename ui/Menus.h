// Pop-up menus whose items run their own OnClick.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "base/Handle.h"
#include "ui/Component.h"
#include "ui/UtilWindow.h"

class TPopupMenu;

class TMenuItem : public TComponent {
 public:
  TMenuItem(TComponent* owner, TPopupMenu* menu, const std::string& caption);
  const std::string& Caption() const { return FCaption; }
  bool IsSeparator() const { return FCaption == "-"; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool on);
  bool Checked() const { return FChecked; }
  void SetChecked(bool on);
  UINT Command() const { return FCommand; }
  TNotifyEvent OnClick;

 private:
  TPopupMenu* FMenu;
  std::string FCaption;
  bool FEnabled = true;
  bool FChecked = false;
  UINT FCommand;
};

class TPopupMenu : public TComponent, private TMessageSink {
 public:
  explicit TPopupMenu(TComponent* owner);
  TMenuItem* Add(const std::string& name, const std::string& caption);
  int Count() const { return int(FItems.size()); }
  TMenuItem* Item(int i) const { return FItems[size_t(i)]; }
  // The menu and the window that takes its choices are made when first
  // needed, with every item as it is then.
  HMENU Handle();
  // Shows the menu at a screen point; the chosen item's OnClick runs.
  void Popup(int x, int y);
  // Runs the item with this command identifier (as a menu choice does).
  bool DispatchCommand(UINT command);

 private:
  friend class TMenuItem;
  LRESULT SinkProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
  TMenuHandle FMenu;
  TUtilWindow FWindow{this};
  std::vector<TMenuItem*> FItems;
};
