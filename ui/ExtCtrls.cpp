#include "ui/ExtCtrls.h"

#include <commctrl.h>

#include "ui/Host.h"
#include "ui/TabStops.h"
#include "base/Error.h"

// ------------------------------------------------------------------ TBevel

namespace {
void Line(HDC dc, int x1, int y1, int x2, int y2) {
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}

// Top and left edges in c1, bottom and right edges in c2.
void BevelRect(HDC dc, const RECT& r, COLORREF c1, COLORREF c2) {
  const TGdiObject<HPEN> p1(CreatePen(PS_SOLID, 1, c1)), p2(CreatePen(PS_SOLID, 1, c2));
  const TSelectObject pen(dc, p1);
  Line(dc, r.left, r.bottom, r.left, r.top);
  Line(dc, r.left, r.top, r.right, r.top);
  SelectObject(dc, p2);  // the first pen's scope puts the old one back
  Line(dc, r.right, r.top, r.right, r.bottom);
  Line(dc, r.right, r.bottom, r.left - 1, r.bottom);
}
}  // namespace

void TBevel::Paint(HDC dc) {
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF c1 = Style == TBevelStyle::Lowered ? shadow : light;
  const COLORREF c2 = Style == TBevelStyle::Lowered ? light : shadow;
  if (Shape == TBevelShape::Box) {
    BevelRect(dc, RECT{0, 0, FWidth - 1, FHeight - 1}, c1, c2);
  } else {
    // Etched outline: a light rectangle under a dark one, one pixel apart.
    BevelRect(dc, RECT{1, 1, FWidth - 1, FHeight - 1}, c2, c2);
    BevelRect(dc, RECT{0, 0, FWidth - 2, FHeight - 2}, c1, c1);
  }
}

// ------------------------------------------------------------------ TImage

TImage::TImage(TComponent* owner) : TControl(owner) {}

void TImage::Paint(HDC dc) {
  if (FPicture.Empty()) return;
  FPicture.Draw(dc, RECT{0, 0, FWidth, FHeight}, Stretch, Center);
}

// ------------------------------------------------------------------ TPanel

LRESULT TPanel::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_PAINT) return TCustomContainer::WndProc(msg, wParam, lParam);
  const TPaintDC dc(FHandle);
  PaintSurface(dc, dc.Rect());
  RECT r{0, 0, FWidth, FHeight};
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
  auto frame = [&](TPanelBevel b) {
    if (b == TPanelBevel::None) return;
    const bool raised = b == TPanelBevel::Raised;
    BevelRect(dc, RECT{r.left, r.top, r.right - 1, r.bottom - 1}, raised ? light : shadow, raised ? shadow : light);
    InflateRect(&r, -1, -1);
  };
  frame(BevelOuter);
  frame(BevelInner);
  if (!FCaption.empty()) {
    const TSelectObject font(dc, FontHandle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(FFont.Color));
    DrawTextA(dc, FCaption.c_str(), int(FCaption.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  return 0;
}

// ------------------------------------------------------------ TPageControl

TWinControl::TCreateParams TPageControl::CreateParams() {
  // Windows registers the tab control's class only for a program that asks
  // the common controls for it (Wine does it unasked).
  static bool registered = false;
  if (!registered) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES};
    registered = InitCommonControlsEx(&icc) != 0;
  }
  return {WC_TABCONTROLA, TCS_MULTILINE | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
}

void TPageControl::HandleCreated() {
  for (TTabSheet* p : FPages) p->SetParent(this);
}

TTabSheet* TPageControl::AddPage(const std::string& name, const std::string& caption) {
  TTabSheet* page = (Owner() ? Owner() : this)->Make<TTabSheet>();
  page->SetName(name);
  page->SetFont(FFont);
  page->PageIndex = int(FPages.size());
  FPages.push_back(page);
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<char*>(caption.c_str());
  SendMessageA(FHandle, TCM_INSERTITEMA, WPARAM(page->PageIndex), LPARAM(&item));
  // Laid out first, so that the page's window is made where it stays; the
  // caption, the tab's text, comes after, so the window has none.
  LayoutPages();
  page->SetParent(this);
  page->SetCaption(caption);
  if (FActive < 0) SetActivePageIndex(0);
  else ShowWindow(page->Handle(), SW_HIDE);
  return page;
}

void TPageControl::LayoutPages() {
  if (!FHandle) return;
  RECT r{0, 0, FWidth, FHeight};
  SendMessageA(FHandle, TCM_ADJUSTRECT, FALSE, LPARAM(&r));
  for (TTabSheet* p : FPages) p->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void TPageControl::SetActivePageIndex(int index) {
  if (index < 0 || index >= PageCount()) return;
  const HWND focus = GetFocus();
  const bool focusLeaves = FActive >= 0 && FActive != index && focus && IsChild(Page(FActive)->Handle(), focus);
  FActive = index;
  SendMessageA(FHandle, TCM_SETCURSEL, WPARAM(index), 0);
  ShowWindow(Page(index)->Handle(), SW_SHOW);
  for (TTabSheet* p : FPages)
    if (p->PageIndex != index) ShowWindow(p->Handle(), SW_HIDE);
  if (focusLeaves) {
    const HWND page = Page(index)->Handle();
    const std::vector<HWND> stops = IsWindowEnabled(page) ? TabStops(page) : std::vector<HWND>{};
    FocusControl(stops.empty() ? FHandle : stops.front());
  }
}

bool TPageControl::TurnPage(bool forward) {
  const int n = PageCount();
  if (n > 1) SetActivePageIndex((FActive + (forward ? 1 : n - 1)) % n);
  return true;
}

bool TPageControl::Notify(UINT msg, WPARAM, LPARAM lParam, LRESULT& result) {
  if (msg != WM_NOTIFY) return false;
  const NMHDR* h = reinterpret_cast<const NMHDR*>(lParam);
  if (h->code == TCN_SELCHANGE) {
    SetActivePageIndex(int(SendMessageA(FHandle, TCM_GETCURSEL, 0, 0)));
    result = 0;
    return true;
  }
  return false;
}

// ------------------------------------------------------------------ TTimer

TTimer::TTimer(TComponent* owner) : TComponent(owner) {}

TTimer::~TTimer() {
  FEnabled = false;
  if (FWindow.Handle()) KillTimer(FWindow.Handle(), 1);
}

void TTimer::SetEnabled(bool on) {
  if (on == FEnabled) return;
  FEnabled = on;
  UpdateTimer();
}

void TTimer::SetInterval(UINT ms) {
  if (ms == FInterval) return;
  FInterval = ms;
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  if (FWindow.Handle()) KillTimer(FWindow.Handle(), 1);
  if (FEnabled && FInterval != 0) {
    // The window is made when the timer first runs (a timer that stays off
    // needs none), and only to receive WM_TIMER.
    const HWND window = FWindow.Make(TSinkKind::MessageOnly);
    if (!window || SetTimer(window, 1, FInterval, nullptr) == 0) {
      FEnabled = false;
      throw EError("ﾀｲﾏｰを取得できません");
    }
  }
}

LRESULT TTimer::SinkProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_TIMER) {
    Guarded(this, [&] {
      if (FEnabled) OnTimer(this);
    });
    return 0;
  }
  return DefWindowProcA(wnd, msg, wParam, lParam);
}
