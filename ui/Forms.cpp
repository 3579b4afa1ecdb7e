#include "ui/Forms.h"

#include "ui/Host.h"
#include "ui/TabStops.h"

namespace {

struct TScreenSearch {
  RECT Window;
  bool OnScreen = false;
};

BOOL CALLBACK TouchesWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM p) {
  auto* s = reinterpret_cast<TScreenSearch*>(p);
  MONITORINFO mi{};
  mi.cbSize = sizeof mi;
  RECT common;
  if (GetMonitorInfoA(monitor, &mi) && IntersectRect(&common, &s->Window, &mi.rcWork)) s->OnScreen = true;
  return !s->OnScreen;
}

bool OnAnyWorkArea(const RECT& window) {
  TScreenSearch search{window};
  EnumDisplayMonitors(nullptr, nullptr, TouchesWorkArea, LPARAM(&search));
  return search.OnScreen;
}

}  // namespace

TForm::TForm(TComponent* owner) : TWinControl(owner) {}

TForm::~TForm() {
  // Components go first, while the window they live in still exists.
  DestroyComponents();
}

TWinControl::TCreateParams TForm::CreateParams() {
  return {ContainerClass(), WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN | DS_MODALFRAME,
          WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT};
}

void TForm::CreateHandle() {
  const TCreateParams p = CreateParams();
  RECT r{0, 0, ClientWidth, ClientHeight};
  AdjustWindowRectEx(&r, p.Style, FALSE, p.ExStyle);
  FWidth = r.right - r.left;
  FHeight = r.bottom - r.top;
  FHandle.Create(p.ExStyle, p.ClassName, FCaption.c_str(), p.Style, FLeft, FTop, FWidth, FHeight, Host->Handle());
  SendMessageA(FHandle, WM_SETFONT, WPARAM(FontHandle()), FALSE);
}

void TForm::Create() {
  CreateHandle();
  SetLoading(true);
  CreateComponents();
  SetLoading(false);
  Loaded();
  for (TComponent* c : Components()) c->Loaded();
  Guarded(this, [&] { OnCreate(this); });
}

void TForm::SetWindowState(TWindowState state) {
  FWindowState = state;
  if (!IsVisible()) return;
  ShowWindow(FHandle, state == TWindowState::Maximized ? SW_SHOWMAXIMIZED
                      : state == TWindowState::Minimized ? SW_SHOWMINIMIZED
                                                         : SW_SHOWNORMAL);
}

void TForm::CenterOn(const RECT& area) {
  RECT r;
  GetWindowRect(FHandle, &r);
  const int x = area.left + (area.right - area.left - (r.right - r.left)) / 2;
  const int y = area.top + (area.bottom - area.top - (r.bottom - r.top)) / 2;
  SetWindowPos(FHandle, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::Show() {
  RECT r;
  GetWindowRect(FHandle, &r);
  if (!FShownOnce) {
    FShownOnce = true;
    CenterOn({0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
  } else if (!OnAnyWorkArea(r)) {
    // Left where no screen is now (a monitor gone, a lower resolution): it
    // would come back out of reach, since it has no system menu to move it.
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    if (GetMonitorInfoA(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &mi)) CenterOn(mi.rcMonitor);
  }
  ShowWindow(FHandle, FWindowState == TWindowState::Maximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
  // Wine makes an open window the foreground one without raising it.
  SetWindowPos(FHandle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(FHandle);
}

void TForm::Hide() { ShowWindow(FHandle, SW_HIDE); }

bool TForm::DialogKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB || GetKeyState(VK_MENU) < 0) return false;
  if (msg.hwnd != FHandle && !IsChild(FHandle, msg.hwnd)) return false;
  const LRESULT code = SendMessageA(msg.hwnd, WM_GETDLGCODE, msg.wParam, LPARAM(&msg));
  if (code & (DLGC_WANTTAB | DLGC_WANTALLKEYS)) return false;
  const bool back = GetKeyState(VK_SHIFT) < 0;
  if (GetKeyState(VK_CONTROL) < 0) {
    for (TControl* c : FControls)
      if (!c->IsGraphic() && static_cast<TWinControl*>(c)->TurnPage(!back)) return true;
    return false;
  }
  const std::vector<HWND> stops = TabStops(FHandle);
  if (stops.empty()) return true;
  const HWND focus = GetFocus();
  size_t at = stops.size();
  for (size_t i = 0; i < stops.size(); ++i)
    if (stops[i] == focus || IsChild(stops[i], focus)) at = i;
  size_t next;
  if (at == stops.size()) next = back ? stops.size() - 1 : 0;
  else next = back ? (at + stops.size() - 1) % stops.size() : (at + 1) % stops.size();
  FocusControl(stops[next]);
  // Keyboard use shows the focus rectangles from now on.
  SendMessageA(FHandle, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
  return true;
}

LRESULT TForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT: {
      {
        const TPaintDC dc(FHandle);
        PaintSurface(dc, dc.Rect());
      }
      OnPaint(this);
      return 0;
    }
    case WM_ACTIVATE:
      // Remember the focused control when the window loses activation, and
      // give it back when the window gets the focus again.
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(FHandle, focus)) FActiveControl = focus;
      }
      break;
    case WM_SETFOCUS:
      if (FActiveControl && IsWindow(FActiveControl) && IsChild(FHandle, FActiveControl) &&
          IsWindowVisible(FActiveControl) && IsWindowEnabled(FActiveControl)) {
        ::SetFocus(FActiveControl);
        return 0;
      }
      break;
    case WM_DROPFILES:
      WMDropFiles(HDROP(wParam));
      return 0;
    case WM_CLOSE:
      Host->Terminate();
      return 0;
    case WM_SYSCOMMAND:
      // Minimise/restore act on the whole application, as its button does.
      if ((wParam & 0xFFF0) == SC_MINIMIZE) {
        Host->Minimize();
        return 0;
      }
      break;
    default:
      break;
  }
  return TWinControl::WndProc(msg, wParam, lParam);
}
