#include "ui/Controls.h"

#include <algorithm>

#include "ui/Host.h"

COLORREF ColorToRGB(COLORREF c) {
  if (c & 0x80000000u) return GetSysColor(int(c & 0xFF));
  return c;
}

// ---------------------------------------------------------------- TControl

TControl::TControl(TComponent* owner) : TComponent(owner) {}

TControl::~TControl() { SetParent(nullptr); }

void TControl::SetParent(TWinControl* parent) {
  if (parent == FParent) return;
  if (FParent) {
    auto& v = FParent->FControls;
    v.erase(std::remove(v.begin(), v.end(), this), v.end());
    if (IsGraphic()) FParent->Invalidate();
  }
  FParent = parent;
  if (FParent) {
    FParent->FControls.push_back(this);
    if (IsGraphic()) Invalidate();
  }
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (IsGraphic()) Invalidate();
  FLeft = left;
  FTop = top;
  FWidth = width;
  FHeight = height;
  if (IsGraphic()) Invalidate();
}

void TControl::SetEnabled(bool on) {
  if (FEnabled == on) return;
  FEnabled = on;
  Invalidate();
}

void TControl::SetCaption(const std::string& text) {
  if (FCaption == text) return;
  FCaption = text;
  Invalidate();
}

void TControl::SetFont(const TFontSpec& font) {
  FFont = font;
  FFontHandle = nullptr;
  FontChanged();
  Invalidate();
}

void TControl::SetFontColor(COLORREF color) {
  if (FFont.Color == color) return;
  FFont.Color = color;
  Invalidate();
}

HFONT TControl::FontHandle() {
  // Controls with the same face, height and style share one font, kept by
  // the application object: fewer fonts to realise at start.
  if (!FFontHandle) FFontHandle = Host->Font(FFont.Face, FFont.Height, FFont.Style);
  return FFontHandle;
}

void TControl::SetColor(COLORREF color) {
  if (FColor == color) return;
  FColor = color;
  Invalidate();
}

COLORREF TControl::BackColor() const {
  if (FColor != clDefault) return FColor;
  return FParent ? FParent->BackColor() : clBtnFace;
}

// A window that is not shown is painted whole when it comes up: nothing in
// it needs marking before then.
void TControl::Invalidate() {
  if (FParent && FParent->Handle() && IsWindowVisible(FParent->Handle())) {
    RECT r = BoundsRect();
    InvalidateRect(FParent->Handle(), &r, TRUE);
  }
}

// ------------------------------------------------------------- TWinControl

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  // Children that are owned elsewhere lose their parent first.
  while (!FControls.empty()) FControls.back()->SetParent(nullptr);
  FHandle.Reset();
}

TWinControl* TWinControl::FromHandle(HWND wnd) {
  const TWindowHandle* owner = TWindowHandle::Of(wnd);
  return owner ? owner->Sink()->Control() : nullptr;
}

void TWinControl::SetParent(TWinControl* parent) {
  TControl::SetParent(parent);
  if (parent && parent->Handle()) {
    if (!FHandle) {
      CreateHandle();
    } else {
      ::SetParent(FHandle, parent->Handle());
    }
  }
}

void TWinControl::CreateHandle() {
  const TCreateParams p = CreateParams();
  DWORD style = p.Style | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
  if (FTabStop) style |= WS_TABSTOP;
  if (!FEnabled) style |= WS_DISABLED;
  if (!FHandle.Create(p.ExStyle, p.ClassName, FCaption.c_str(), style, FLeft, FTop, FWidth, FHeight,
                      FParent->Handle()))
    return;
  SendMessageA(FHandle, WM_SETFONT, WPARAM(FontHandle()), FALSE);
  HandleCreated();
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  if (FHandle && left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
  TControl::SetBounds(left, top, width, height);
  if (FHandle) MoveWindow(FHandle, left, top, width, height, TRUE);
}

void TWinControl::SetEnabled(bool on) {
  FEnabled = on;
  if (FHandle && (IsWindowEnabled(FHandle) != 0) != on) EnableWindow(FHandle, on);
}

void TWinControl::SetCaption(const std::string& text) {
  FCaption = text;
  if (FHandle) SetWindowTextA(FHandle, text.c_str());
}

void TWinControl::SetColor(COLORREF color) {
  if (FColor == color) return;
  FColor = color;
  Invalidate();
}

void TWinControl::Invalidate() {
  if (FHandle && IsWindowVisible(FHandle)) InvalidateRect(FHandle, nullptr, TRUE);
}

void TWinControl::SetTabStop(bool on) {
  FTabStop = on;
  if (FHandle) {
    const LONG_PTR s = GetWindowLongPtrA(FHandle, GWL_STYLE);
    const LONG_PTR t = on ? (s | WS_TABSTOP) : (s & ~LONG_PTR(WS_TABSTOP));
    if (t != s) SetWindowLongPtrA(FHandle, GWL_STYLE, t);
  }
}

void TWinControl::SetFocus() {
  if (FHandle) ::SetFocus(FHandle);
}

void TWinControl::ApplyTabOrder() {
  // Child windows are stacked in the order made, each below the last; the
  // dialog manager tabs in stacking order. Only a window not already just
  // below the one before it in tab order is moved.
  std::vector<TWinControl*> wins;
  for (TControl* c : FControls)
    if (!c->IsGraphic() && static_cast<TWinControl*>(c)->FHandle) wins.push_back(static_cast<TWinControl*>(c));
  // A stable insertion sort: a few dozen controls, and much smaller code
  // than the library's stable sort.
  for (size_t i = 1; i < wins.size(); ++i)
    for (size_t j = i; j > 0 && wins[j - 1]->FTabOrder > wins[j]->FTabOrder; --j) std::swap(wins[j - 1], wins[j]);
  HWND above = nullptr;
  for (TWinControl* w : wins) {
    const HWND there = above ? GetWindow(above, GW_HWNDNEXT) : GetWindow(FHandle, GW_CHILD);
    if (there != w->FHandle)
      SetWindowPos(w->FHandle, above ? above : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    above = w->FHandle;
  }
}

bool TWinControl::Notify(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

HBRUSH TWinControl::BackBrush() const { return Host->Brush(ColorToRGB(BackColor())); }

HBRUSH TWinControl::CtlColor(HDC dc) {
  SetTextColor(dc, ColorToRGB(FFont.Color));
  SetBkColor(dc, ColorToRGB(BackColor()));
  return BackBrush();
}

void TWinControl::FontChanged() {
  if (FHandle) SendMessageA(FHandle, WM_SETFONT, WPARAM(FontHandle()), TRUE);
}

void TWinControl::PaintSurface(HDC dc, const RECT& clip) {
  for (TControl* c : FControls)
    if (c->IsGraphic()) c->BeforePaint();
  FillRect(dc, &clip, BackBrush());
  for (TControl* c : FControls) {
    if (!c->IsGraphic() || !c->Visible()) continue;
    RECT r = c->BoundsRect(), x;
    if (!IntersectRect(&x, &r, &clip)) continue;
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    SetViewportOrgEx(dc, r.left, r.top, nullptr);
    c->Paint(dc);
    RestoreDC(dc, saved);
  }
}

LRESULT TWinControl::DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(FHandle, msg, wParam, lParam);
}

namespace {
// The child control a parent's notification is about, if any.
HWND NotifyingChild(UINT msg, LPARAM lParam) {
  switch (msg) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
      return HWND(lParam);
    case WM_NOTIFY:
      return reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
    default:
      return nullptr;
  }
}
}  // namespace

LRESULT TWinControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  // Notifications go back to the control they are about, as its own event.
  if (HWND child = NotifyingChild(msg, lParam))
    if (TWinControl* c = FromHandle(child)) {
      LRESULT r = 0;
      if (c->Notify(msg, wParam, lParam, r)) return r;
    }
  switch (msg) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      if (TWinControl* c = FromHandle(HWND(lParam))) return LRESULT(c->CtlColor(HDC(wParam)));
      break;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      const TPaintDC dc(FHandle);
      PaintSurface(dc, dc.Rect());
      return 0;
    }
    default:
      break;
  }
  return DefaultProc(msg, wParam, lParam);
}

LRESULT TWinControl::SinkProc(HWND, UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT r = 0;
  Guarded(this, [&] { r = WndProc(msg, wParam, lParam); });
  return r;
}

const char* TWinControl::ContainerClass() {
  static const char kName[] = "TSorvaneContainer";
  // Asked for by every control made: registered (and the cursor looked up)
  // once.
  static bool registered = false;
  if (!registered) {
    sorvane::RegisterWindowClass(kName, CS_DBLCLKS, nullptr, LoadCursor(nullptr, IDC_ARROW));
    registered = true;
  }
  return kName;
}

TWinControl::TCreateParams TCustomContainer::CreateParams() {
  return {ContainerClass(), WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
}
