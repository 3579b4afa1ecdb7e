#include "TaskBar/TaskBar.h"

#include <cstring>

#include "app/Application.h"
#include "app/Mbcs.h"

namespace {
constexpr std::size_t kTipsMax = 255;
constexpr std::size_t kSzTipMax = 63;
}  // namespace

// -------------------------------------------------------------------- TIcon

void TIcon::Assign(HICON h) {
  HICON copy = h ? CopyIcon(h) : nullptr;
  if (FHandle) DestroyIcon(FHandle);
  FHandle = copy;
  OnChange(nullptr);
}

void TIcon::Clear() {
  if (FHandle) DestroyIcon(FHandle);
  FHandle = nullptr;
}

// ----------------------------------------------------------------- TTaskBar

TTaskBar::TTaskBar(TComponent* owner) : TComponent(owner) {
  static bool registered = false;
  static const char kClass[] = "TTaskBarWindow";
  if (!registered) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kClass;
    RegisterClassA(&wc);
    registered = true;
  }
  FWindow = CreateWindowExA(WS_EX_TOOLWINDOW, kClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
  SetWindowLongPtrA(FWindow, GWLP_USERDATA, LONG_PTR(this));
  FEnableTaskBar = -1;
  FEnableTaskTray = -1;
  FTips.clear();
  FIcon.OnChange = Bind<&TTaskBar::IconChanged>(this);
  FThread = new TTm(this);
}

TTaskBar::~TTaskBar() {
  StopAnimation();
  DeleteTrayIcon();
  delete FThread;
  FThread = nullptr;
  FIcon.OnChange = TNotifyEvent{};
  FIcon.Clear();
  FAnimList.clear();
  SetWindowLongPtrA(FWindow, GWLP_USERDATA, 0);
  DestroyWindow(FWindow);
}

HICON TTaskBar::ChosenIcon() const {
  if (!FIcon.Empty()) return FIcon.Handle();
  return Application ? Application->Icon() : LoadIconA(GetModuleHandleA(nullptr), "MAINICON");
}

void TTaskBar::CopyTip() {
  const std::size_t n = sorvane::CharBoundaryPrefix(FTips, kSzTipMax);
  std::memset(FIconData.szTip, 0, sizeof FIconData.szTip);
  std::memcpy(FIconData.szTip, FTips.data(), n);
}

void TTaskBar::Notify(DWORD message) {
  Shell_NotifyIconA(message, reinterpret_cast<PNOTIFYICONDATAA>(&FIconData));
}

void TTaskBar::AddTrayIcon() {
  if (Designing()) return;
  std::lock_guard<std::mutex> lock(FIconDataLock);
  FIconData.cbSize = sizeof FIconData;
  FIconData.hWnd = FWindow;
  FIconData.uID = 1;
  FIconData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  FIconData.uCallbackMessage = WM_TRAYNOTIFY;
  FIconData.hIcon = ChosenIcon();
  CopyTip();
  Notify(NIM_ADD);
}

void TTaskBar::ModifyTrayIcon() {
  std::lock_guard<std::mutex> lock(FIconDataLock);
  CopyTip();
  FIconData.hIcon = ChosenIcon();
  if (FEnableTaskTray) Notify(NIM_MODIFY);
}

void TTaskBar::DeleteTrayIcon() {
  std::lock_guard<std::mutex> lock(FIconDataLock);
  Notify(NIM_DELETE);
}

void TTaskBar::IconChanged(TObject*) { ModifyTrayIcon(); }

void TTaskBar::SetIcon(HICON icon) { FIcon.Assign(icon); }

void TTaskBar::SetEnableTaskBar(bool on) {
  FEnableTaskBar = on ? -1 : 0;
  if (Designing() || !Application) return;
  ShowWindow(Application->Handle(), on ? SW_SHOW : SW_HIDE);
}

void TTaskBar::SetEnableTaskTray(bool on) {
  FEnableTaskTray = on ? -1 : 0;
  if (on)
    AddTrayIcon();
  else
    DeleteTrayIcon();
}

void TTaskBar::SetTips(const std::string& tips) {
  FTips = sorvane::CutAtCharBoundary(tips, kTipsMax);
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

void TTaskBar::Loaded() {
  TComponent::Loaded();
  if (FEnableTaskTray) AddTrayIcon();
  SetEnableTaskBar(FEnableTaskBar != 0);
}

LRESULT CALLBACK TTaskBar::WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TTaskBar*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
  if (!self) return DefWindowProcA(wnd, msg, wParam, lParam);
  return self->TrayWndProc(msg, wParam, lParam);
}

LRESULT TTaskBar::TrayWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_TRAYNOTIFY) return DefWindowProcA(FWindow, msg, wParam, lParam);
  POINT pt{};
  GetCursorPos(&pt);
  try {
    if (OnTrayClick) {
      switch (lParam) {
        case WM_LBUTTONDOWN: OnTrayClick(mbLeft); break;
        case WM_RBUTTONDOWN: OnTrayClick(mbRight); break;
        case WM_MBUTTONDOWN: OnTrayClick(mbMiddle); break;
        default: break;
      }
    }
    const struct {
      TPopupMenu* menu;
      LPARAM release;
    } menus[] = {{FPopupMenuLeft, WM_LBUTTONUP}, {FPopupMenuMiddle, WM_MBUTTONUP}, {FPopupMenuRight, WM_RBUTTONUP}};
    for (const auto& m : menus) {
      if (m.menu && lParam == m.release) {
        if (Application) {
          SetForegroundWindow(Application->Handle());
          Application->ProcessMessages();
        }
        m.menu->Popup(pt.x, pt.y);
      }
    }
  } catch (const std::exception& e) {
    if (Application) Application->HandleException(this, e);
  }
  return 0;
}

void TTaskBar::StopAnimation() {
  if (FThread) FThread->Rest();
  for (auto it = FAnimList.rbegin(); it != FAnimList.rend(); ++it) delete *it;
  FAnimList.clear();
}
