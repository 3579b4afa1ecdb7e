// Bevels, the picture control, panels, pages and the timer.
#pragma once
#include <string>
#include <vector>

#include "ui/Controls.h"
#include "ui/Graphics.h"
#include "ui/UtilWindow.h"

enum class TBevelShape { Box, Frame };
enum class TBevelStyle { Lowered, Raised };

class TBevel : public TControl {
 public:
  using TControl::TControl;
  TBevelShape Shape = TBevelShape::Box;
  TBevelStyle Style = TBevelStyle::Lowered;
  void Paint(HDC dc) override;
};

class TImage : public TControl {
 public:
  explicit TImage(TComponent* owner);
  TPicture& Picture() { return FPicture; }
  bool Stretch = true;
  bool Center = true;
  void Paint(HDC dc) override;

 private:
  TPicture FPicture;
};

enum class TPanelBevel { None, Lowered, Raised };

class TPanel : public TCustomContainer {
 public:
  using TCustomContainer::TCustomContainer;
  TPanelBevel BevelOuter = TPanelBevel::Raised;
  TPanelBevel BevelInner = TPanelBevel::None;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

class TPageControl;

class TTabSheet : public TCustomContainer {
 public:
  using TCustomContainer::TCustomContainer;
  // The page's caption is its tab's text; the page's window has none.
  void SetCaption(const std::string& text) override { TControl::SetCaption(text); }
  int PageIndex = 0;
};

class TPageControl : public TWinControl {
 public:
  using TWinControl::TWinControl;
  TTabSheet* AddPage(const std::string& name, const std::string& caption);
  int PageCount() const { return int(FPages.size()); }
  TTabSheet* Page(int i) const { return FPages[size_t(i)]; }
  int ActivePageIndex() const { return FActive; }
  // Shows the page; the focus, when it was on the page that goes, moves to
  // the new page's first tab stop (or to the tab strip).
  void SetActivePageIndex(int index);
  // The next (or previous) page, wrapping around: Ctrl+Tab.
  bool TurnPage(bool forward) override;
  bool Notify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  // Lays the pages into the tab control's display area.
  void LayoutPages();

 protected:
  TCreateParams CreateParams() override;
  void HandleCreated() override;

 private:
  std::vector<TTabSheet*> FPages;
  int FActive = -1;
};

// A timer on a hidden window of its own, made when it first runs:
// SetTimer/KillTimer.
class TTimer : public TComponent, private TMessageSink {
 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;
  bool Enabled() const { return FEnabled; }
  // Setting the state it already has does nothing, so a running timer keeps
  // its phase. Switching on fails with "ﾀｲﾏｰを取得できません" when the
  // platform refuses the timer.
  void SetEnabled(bool on);
  UINT Interval() const { return FInterval; }
  void SetInterval(UINT ms);
  TNotifyEvent OnTimer;
  HWND Window() const { return FWindow.Handle(); }  // none until the timer first runs

 private:
  LRESULT SinkProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
  void UpdateTimer();
  TUtilWindow FWindow{this};
  bool FEnabled = true;
  UINT FInterval = 1000;
};
