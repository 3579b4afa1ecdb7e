// The main window base: a top-level dialog-style window owned by the
// application window.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include "ui/Controls.h"

enum class TWindowState { Normal, Minimized, Maximized };

class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;

  // Creates the window and the components, then runs OnCreate.
  void Create();
  bool IsVisible() const { return FHandle && IsWindowVisible(FHandle); }
  TWindowState WindowState() const { return FWindowState; }
  void SetWindowState(TWindowState state);
  // Shows the window and brings it to the front. The first showing centres
  // it on the screen; a later one centres it on the nearest monitor only
  // when no part of it lies on any monitor's work area.
  void Show();
  void Hide();
  // Keyboard navigation the dialog manager cannot give this window: Tab
  // and Shift+Tab through every tab stop, the tab strip included, and
  // Ctrl+Tab / Ctrl+Shift+Tab through the pages. True when msg was used.
  bool DialogKey(const MSG& msg);
  int ClientWidth = 0, ClientHeight = 0;

  TNotifyEvent OnCreate;
  TNotifyEvent OnPaint;

 protected:
  TCreateParams CreateParams() override;
  void CreateHandle() override;
  // The components of the form description.
  virtual void CreateComponents() {}
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  // WM_DROPFILES; the handler owns the drop handle.
  virtual void WMDropFiles(HDROP) {}

 private:
  void CenterOn(const RECT& area);
  TWindowState FWindowState = TWindowState::Normal;
  HWND FActiveControl = nullptr;
  bool FShownOnce = false;
};
