#include "tray/TaskBar.h"

#include <cstring>

#include "base/Platform.h"
#include "ui/Host.h"
#include "base/Error.h"
#include "base/Mbcs.h"

namespace {
constexpr std::size_t kSzTipMax = sizeof(TNotifyIconDataV1::szTip) - 1;
constexpr UINT kIconId = 1;
// The caption of the component's utility window, by which a second start
// finds it.
const char kWindowName[] = "TTaskBar";
// An icon the shell refused is added again from this timer: every 2 s for
// the first 2 minutes (a shell still starting at sign-in), then every minute.
constexpr UINT_PTR kRetryTimer = 1;
constexpr int kQuickRetries = 60;
constexpr UINT kQuickRetryMs = 2000, kSlowRetryMs = 60000;

UINT TaskbarCreated() {
  static const UINT message = RegisterWindowMessageA("TaskbarCreated");
  return message;
}
}  // namespace

// -------------------------------------------------------------------- TIcon

void TIcon::Assign(HICON h) {
  HICON copy = nullptr;
  if (h) {
    copy = CopyIcon(h);
    if (!copy) throw EError("ｱｲｺﾝｲﾒｰｼﾞが不正です");
  }
  FHandle.Reset(copy);
  OnChange(nullptr);
}

void TIcon::Clear() { FHandle.Reset(); }

// ----------------------------------------------------------------- TTaskBar

TTaskBar::TTaskBar(TComponent* owner) : TComponent(owner) {
  // Top-level, so that it hears the shell's broadcast of a new taskbar.
  if (HWND window = FWindow.Make(TSinkKind::TopLevel, kWindowName))
    // Run elevated, the icon still comes back after a new shell.
    sorvane::Platform().AllowMessage(window, TaskbarCreated());
  FEnableTaskBar = -1;
  FEnableTaskTray = -1;
  FIcon = std::make_unique<TIcon>();
  FIcon->OnChange = Bind<&TTaskBar::IconChanged>(this);
  FThread = std::make_unique<TTm>(this);
}

TTaskBar::~TTaskBar() {
  StopAnimation();
  DeleteTrayIcon();
  FThread.reset();
  FIcon.reset();
}

HICON TTaskBar::ChosenIcon() const {
  if (!FIcon->Empty()) return FIcon->Handle();
  return Host ? Host->Icon() : LoadIconA(GetModuleHandleA(nullptr), "MAINICON");
}

// The shell shows at most 63 bytes; the cut never leaves half a double-byte
// character at the end. The rest of the buffer is zero.
void TTaskBar::CopyTip() {
  const std::size_t n = sorvane::CharBoundaryPrefix(FTips.Str(), kSzTipMax);
  std::memset(FIconData.szTip, 0, sizeof FIconData.szTip);
  std::memcpy(FIconData.szTip, FTips.c_str(), n);
}

bool TTaskBar::Notify(DWORD message) { return sorvane::Platform().NotifyIcon(message, &FIconData) != FALSE; }

void TTaskBar::AddTrayIcon() {
  if (Designing()) return;
  TLock lock(FIconDataLock);
  FIconData.cbSize = sizeof FIconData;
  FIconData.hWnd = FWindow.Handle();
  FIconData.uID = kIconId;
  FIconData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  FIconData.uCallbackMessage = WM_TRAYNOTIFY;
  FIconData.hIcon = ChosenIcon();
  CopyTip();
  // A refused add of an icon the shell already shows changes nothing; one
  // that is not known to be there may still be (a modify tells), or the
  // shell is not there yet and the timer tries again.
  if (Notify(NIM_ADD)) FIconShown = true;
  else if (!FIconShown) FIconShown = Notify(NIM_MODIFY);
  if (FIconShown) {
    StopRetries();
  } else {
    SetTimer(FWindow.Handle(), kRetryTimer, FRetries < kQuickRetries ? kQuickRetryMs : kSlowRetryMs, nullptr);
    ++FRetries;
  }
}

// The record always takes the latest tip and picture, even while the icon is
// off, so switching it on again shows them.
void TTaskBar::ModifyTrayIcon() {
  TLock lock(FIconDataLock);
  CopyTip();
  FIconData.hIcon = ChosenIcon();
  if (FEnableTaskTray.load()) Notify(NIM_MODIFY);
}

void TTaskBar::DeleteTrayIcon() {
  TLock lock(FIconDataLock);
  Notify(NIM_DELETE);
  FIconShown = false;
  StopRetries();
}

void TTaskBar::StopRetries() {
  if (FRetries) KillTimer(FWindow.Handle(), kRetryTimer);
  FRetries = 0;
}

bool TTaskBar::ShowFrame(HICON icon) {
  TLock lock(FIconDataLock);
  // Checked under the lock: once switching off has removed the icon, no
  // step may modify it again.
  if (!FEnableTaskTray.load()) return false;
  FIconData.hIcon = icon;
  Notify(NIM_MODIFY);
  return true;
}

void TTaskBar::IconChanged(TObject*) { ModifyTrayIcon(); }

void TTaskBar::SetIcon(HICON icon) { FIcon->Assign(icon); }

void TTaskBar::SetEnableTaskBar(bool on) {
  FEnableTaskBar = on ? -1 : 0;
  if (Designing() || !Host) return;
  ShowWindow(Host->Handle(), on ? SW_SHOW : SW_HIDE);
}

void TTaskBar::SetEnableTaskTray(bool on) {
  FEnableTaskTray = on ? -1 : 0;
  if (on)
    AddTrayIcon();
  else
    DeleteTrayIcon();
  FThread->Wake();
}

void TTaskBar::SetTips(const std::string& tips) {
  FTips = tips;
  ModifyTrayIcon();
}

void TTaskBar::SetPopupMenuLeft(TPopupMenu* m) {
  FPopupMenuLeft = m;
  if (m) FreeNotification(m);
}

void TTaskBar::SetPopupMenuMiddle(TPopupMenu* m) {
  FPopupMenuMiddle = m;
  if (m) FreeNotification(m);
}

void TTaskBar::SetPopupMenuRight(TPopupMenu* m) {
  FPopupMenuRight = m;
  if (m) FreeNotification(m);
}

void TTaskBar::Notification(TComponent* c, TOperation op) {
  TComponent::Notification(c, op);
  if (op != TOperation::opRemove) return;
  if (c == FPopupMenuLeft) FPopupMenuLeft = nullptr;
  if (c == FPopupMenuMiddle) FPopupMenuMiddle = nullptr;
  if (c == FPopupMenuRight) FPopupMenuRight = nullptr;
}

// Registers once more after loading (a second add of the same icon is
// refused and ignored) and applies the taskbar switch again.
void TTaskBar::Loaded() {
  TComponent::Loaded();
  if (FEnableTaskTray.load()) AddTrayIcon();
  SetEnableTaskBar(FEnableTaskBar != 0);
}

// ---------------------------------------------------------------- messages

LRESULT TTaskBar::SinkProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  // The shell's notification area was created anew (Explorer restarted),
  // or a second start of the program asks for the icon: it is added again
  // as it stands.
  if (msg == TaskbarCreated() && msg != 0) {
    FIconShown = false;
    if (FEnableTaskTray.load()) AddTrayIcon();
    return 0;
  }
  if (msg == WM_TIMER && wParam == kRetryTimer) {
    if (FEnableTaskTray.load()) AddTrayIcon();
    return 0;
  }
  if (msg != WM_TRAYNOTIFY) return DefWindowProcA(wnd, msg, wParam, lParam);
  // While one of the program's boxes is open the icon starts nothing: a
  // click only brings the box to the front.
  if (Host && Host->ModalActive()) {
    switch (lParam) {
      case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
        Host->BringModalToFront();
        break;
      default: break;
    }
    return 0;
  }
  // Read before any handler runs: the menu opens where the click happened.
  POINT pt{};
  GetCursorPos(&pt);
  Guarded(this, [&] {
    if (OnTrayClick) {
      switch (lParam) {
        case WM_LBUTTONDOWN: OnTrayClick(mbLeft); break;
        case WM_RBUTTONDOWN: OnTrayClick(mbRight); break;
        case WM_MBUTTONDOWN: OnTrayClick(mbMiddle); break;
        default: break;
      }
    }
    switch (lParam) {
      case WM_LBUTTONUP: PopupAt(&TTaskBar::FPopupMenuLeft, pt); break;
      case WM_MBUTTONUP: PopupAt(&TTaskBar::FPopupMenuMiddle, pt); break;
      case WM_RBUTTONUP: PopupAt(&TTaskBar::FPopupMenuRight, pt); break;
      default: break;
    }
  });
  return 0;
}

void TTaskBar::AskForIconAgain(HWND appWindow) {
  const DWORD thread = GetWindowThreadProcessId(appWindow, nullptr);
  for (HWND w = FindWindowExA(nullptr, nullptr, TUtilWindow::kClassName, kWindowName); w;
       w = FindWindowExA(nullptr, w, TUtilWindow::kClassName, kWindowName))
    if (GetWindowThreadProcessId(w, nullptr) == thread) PostMessageA(w, TaskbarCreated(), 0, 0);
}

// The foreground switch lets the menu close when the user clicks elsewhere.
// Waiting messages may destroy the menu, so the reference is read again
// after they ran.
void TTaskBar::PopupAt(TPopupMenu* TTaskBar::*menu, POINT pt) {
  if (!(this->*menu)) return;
  if (Host) {
    SetForegroundWindow(Host->Handle());
    Host->ProcessMessages();
  }
  if (TPopupMenu* m = this->*menu) m->Popup(pt.x, pt.y);
}
