#include "ui/WindowClass.h"

namespace sorvane {

void RegisterWindowClass(const char* name, WNDPROC proc, UINT style, HICON icon, HCURSOR cursor) {
  const HINSTANCE module = GetModuleHandleA(nullptr);
  WNDCLASSA wc{};
  if (GetClassInfoA(module, name, &wc)) return;
  wc = WNDCLASSA{};
  wc.style = style;
  wc.lpfnWndProc = proc;
  wc.hInstance = module;
  wc.hIcon = icon;
  wc.hCursor = cursor;
  wc.lpszClassName = name;
  RegisterClassA(&wc);
}

}  // namespace sorvane
