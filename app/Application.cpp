#include "app/Application.h"

#include <shellapi.h>

#include <vector>

#include "app/WarnBox.h"
#include "base/Platform.h"
#include "base/ErrorText.h"
#include "ui/Forms.h"
#include "ui/Window.h"

TApplication* Application = nullptr;

namespace {
const char kAppClass[] = "TApplication";

}  // namespace

void ShowWinNoAnimate(HWND wnd, int cmdShow) {
  sorvane::TPlatform& platform = sorvane::Platform();
  ANIMATIONINFO ai{sizeof ai, 0};
  platform.DesktopAnimation(SPI_GETANIMATION, ai);
  // With the animation off there is nothing to switch (and no dwmapi.dll to
  // load, which costs a start under Wine 8 to 25 ms). Otherwise the
  // desktop-wide switch is the last resort: a process ended between its two
  // writes leaves the whole session without the animation, and every other
  // program loses it meanwhile.
  const int was = ai.iMinAnimate;
  if (!was || platform.NoWindowAnimation(wnd)) {
    ShowWindow(wnd, cmdShow);
    return;
  }
  ai.iMinAnimate = 0;
  platform.DesktopAnimation(SPI_SETANIMATION, ai);
  ShowWindow(wnd, cmdShow);
  ai.iMinAnimate = was;
  platform.DesktopAnimation(SPI_SETANIMATION, ai);
}

TApplication::TApplication() : TComponent(nullptr), FInstance(GetModuleHandleA(nullptr)) {
  Application = this;
  Host = this;
  FIcon = LoadIconA(FInstance, "MAINICON");
  sorvane::RegisterWindowClass(kAppClass, 0, FIcon, LoadCursor(nullptr, IDC_ARROW));
  // Zero size, centred: it carries the taskbar button and is never seen.
  FHandle.Create(0, kAppClass, "", WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                 GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr);
  HMENU sys = GetSystemMenu(FHandle, FALSE);
  DeleteMenu(sys, SC_MAXIMIZE, MF_BYCOMMAND);
  DeleteMenu(sys, SC_SIZE, MF_BYCOMMAND);
}

TApplication::~TApplication() {
  DestroyComponents();  // the main form and everything it owns
  FHandle.Reset();
  if (Application == this) Application = nullptr;
  if (Host == this) Host = nullptr;
}

HFONT TApplication::Font(const char* face, int height, unsigned char style) {
  for (const TFontEntry& f : FFonts)
    if (f.Height == height && f.Style == style && f.Face == face) return f.Handle;
  HFONT h = CreateFontA(-height, 0, 0, 0, (style & fsBold) ? FW_BOLD : FW_NORMAL, (style & fsItalic) ? TRUE : FALSE,
                        FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        DEFAULT_PITCH | FF_DONTCARE, face);
  FFonts.push_back({face, height, style, TGdiObject<HFONT>(h)});
  return h;
}

HBRUSH TApplication::Brush(COLORREF rgb) {
  for (const TBrushEntry& b : FBrushes)
    if (b.Handle && b.Color == rgb) return b.Handle;
  // A brush handed out is used at once (a paint, a control's colour
  // message), so the one made longest ago can go.
  TBrushEntry& b = FBrushes[FNextBrush++ % (sizeof FBrushes / sizeof FBrushes[0])];
  b.Color = rgb;
  b.Handle.Reset(CreateSolidBrush(rgb));
  return b.Handle;
}

void TApplication::SetTitle(const std::string& title) {
  FTitle = title;
  SetWindowTextA(FHandle, title.c_str());
}

void TApplication::Terminate() {
  FTerminated = true;
  PostQuitMessage(0);
}

void TApplication::Minimize() {
  if (IsIconic()) return;
  HWND focus = GetFocus();
  FFocusBeforeMinimize = FMainForm && focus && IsChild(FMainForm->Handle(), focus) ? focus : nullptr;
  if (FMainForm && FMainForm->IsVisible()) {
    FMainForm->Hide();
    FMainFormHiddenByMinimize = true;
  }
  ShowWinNoAnimate(FHandle, SW_MINIMIZE);
}

void TApplication::Restore() {
  if (!IsIconic()) return;
  SetActiveWindow(FHandle);
  ShowWinNoAnimate(FHandle, SW_RESTORE);
  if (!FMainForm) return;
  if (!FMainForm->IsVisible() && FMainForm->WindowState() == TWindowState::Minimized) {
    FMainForm->SetWindowState(TWindowState::Normal);
    FMainForm->Show();
  } else if (FMainFormHiddenByMinimize) {
    FMainForm->Show();
  }
  FMainFormHiddenByMinimize = false;
  // The control that had the focus before the window went away gets it again.
  if (FFocusBeforeMinimize && IsWindow(FFocusBeforeMinimize) && IsWindowVisible(FFocusBeforeMinimize) &&
      IsWindowEnabled(FFocusBeforeMinimize))
    SetFocus(FFocusBeforeMinimize);
  FFocusBeforeMinimize = nullptr;
}

bool TApplication::IsDialogMsg(MSG& msg) {
  if (!FMainForm || !FMainForm->Handle()) return false;
  HWND form = FMainForm->Handle();
  if (msg.hwnd != form && !IsChild(form, msg.hwnd)) return false;
  return FMainForm->DialogKey(msg) || IsDialogMessageA(form, &msg) != 0;
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      FTerminated = true;
      PostQuitMessage(int(msg.wParam));  // leave it for the main loop
      return;
    }
    if (!IsDialogMsg(msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
}

void TApplication::Run() {
  if (FMainForm) {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    GetStartupInfoA(&si);
    if (si.dwFlags & STARTF_USESHOWWINDOW) {
      if (si.wShowWindow == SW_SHOWMAXIMIZED) FMainForm->SetWindowState(TWindowState::Maximized);
      if (si.wShowWindow == SW_SHOWMINNOACTIVE) FMainForm->SetWindowState(TWindowState::Minimized);
    }
    if (FMainForm->WindowState() == TWindowState::Minimized)
      ShowWinNoAnimate(FHandle, SW_MINIMIZE);
    else
      FMainForm->Show();
  }
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (!IsDialogMsg(msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  FTerminated = true;
}


int TApplication::WarnBox(const std::string& text, bool question) { return ShowWarnBox(text, question); }

void TApplication::ShowException(const std::string& message) {
  const std::string text = sorvane::ErrorBoxText(message);
  // The other windows are disabled while it is open, as for every box.
  TModalScope modal;
  if (sorvane::Platform().AnswerBox(sorvane::TBoxKind::Error, text)) return;
  ::MessageBoxA(FHandle, text.c_str(), FTitle.c_str(), MB_OK | MB_ICONSTOP);
}

void TApplication::HandleException(TObject*, const std::exception& e) {
  if (HWND capture = GetCapture()) SendMessageA(capture, WM_CANCELMODE, 0, 0);
  ShowException(e.what());
}

LRESULT TApplication::SinkProc(HWND, UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT r = 0;
  Guarded(this, [&] { r = Dispatch(msg, wParam, lParam); });
  return r;
}

LRESULT TApplication::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_SYSCOMMAND:
      switch (wParam & 0xFFF0) {
        case SC_MINIMIZE:
          Minimize();
          return 0;
        case SC_RESTORE:
          // While a box is open the taskbar button brings the box to the
          // front; the window behind it stays as the user left it.
          if (ModalActive()) BringModalToFront();
          else Restore();
          return 0;
        default:
          break;
      }
      break;
    case WM_CLOSE:
      // Closing the main window ends the process, without asking or saving.
      if (FMainForm) PostMessageA(FMainForm->Handle(), WM_CLOSE, 0, 0);
      else Terminate();
      return 0;
    case WM_ENDSESSION:
      if (wParam) {
        // The session ends now: take the tray icon and windows down cleanly.
        DestroyComponents();
        FMainForm = nullptr;
        ExitProcess(0);
      }
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_SETFOCUS:
      // The application window passes the focus on to the open main window.
      if (FMainForm && FMainForm->IsVisible() && IsWindowEnabled(FMainForm->Handle())) {
        ::SetFocus(FMainForm->Handle());
        return 0;
      }
      break;
    case WM_SETTINGCHANGE:
      OnSettingChange(this);
      break;
    case WM_DROPFILES: {
      // Drops are accepted here too, but only the main window's are used:
      // this one is let go at once.
      const TOwned<HDROP, DragFinish> unused{HDROP(wParam)};
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcA(FHandle, msg, wParam, lParam);
}
