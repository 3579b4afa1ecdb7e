#include "ui/UtilWindow.h"

#include "ui/WindowClass.h"

namespace {
LRESULT CALLBACK UtilWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* sink = reinterpret_cast<TMessageSink*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
  if (!sink) return DefWindowProcA(wnd, msg, wParam, lParam);
  return sink->SinkProc(wnd, msg, wParam, lParam);
}
}  // namespace

HWND TUtilWindow::Make(TSinkKind kind, const char* name) {
  if (FWindow) return FWindow;
  sorvane::RegisterWindowClass(kClassName, UtilWndProc);
  const bool messageOnly = kind == TSinkKind::MessageOnly;
  FWindow.Reset(CreateWindowExA(messageOnly ? 0 : WS_EX_TOOLWINDOW, kClassName, name, messageOnly ? 0 : WS_POPUP, 0,
                                0, 0, 0, messageOnly ? HWND_MESSAGE : nullptr, nullptr, GetModuleHandleA(nullptr),
                                nullptr));
  if (FWindow) SetWindowLongPtrA(FWindow, GWLP_USERDATA, LONG_PTR(FSink));
  return FWindow;
}
