#include "ui/UtilWindow.h"

HWND TUtilWindow::Make(TSinkKind kind, const char* name) {
  if (FWindow) return FWindow;
  sorvane::RegisterWindowClass(kClassName);
  const bool messageOnly = kind == TSinkKind::MessageOnly;
  return FWindow.Create(messageOnly ? 0 : WS_EX_TOOLWINDOW, kClassName, name, messageOnly ? 0 : WS_POPUP, 0, 0, 0, 0,
                        messageOnly ? HWND_MESSAGE : nullptr);
}
