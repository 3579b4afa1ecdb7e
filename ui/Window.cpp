#include "ui/Window.h"

#include "base/Platform.h"

HWND TWindowHandle::Create(DWORD exStyle, const char* cls, const char* text, DWORD style, int x, int y, int width,
                           int height, HWND parent) {
  Reset();
  // The program's own classes link at WM_NCCREATE; the standard ones ignore
  // the parameter.
  const HWND wnd = CreateWindowExA(exStyle, cls, text, style, x, y, width, height, parent, nullptr,
                                   GetModuleHandleA(nullptr), this);
  if (wnd && wnd != FH) Link(wnd);
  return FH;
}

void TWindowHandle::Link(HWND wnd) {
  FH = wnd;
  SetWindowLongPtrA(wnd, GWLP_USERDATA, LONG_PTR(this));
  if (GetWindowLongPtrA(wnd, GWLP_WNDPROC) != LONG_PTR(&Proc))
    FOwnProc = WNDPROC(SetWindowLongPtrA(wnd, GWLP_WNDPROC, LONG_PTR(&Proc)));
}

void TWindowHandle::Reset() {
  const HWND wnd = FH;
  if (!wnd) return;
  if (FOwnProc) SetWindowLongPtrA(wnd, GWLP_WNDPROC, LONG_PTR(FOwnProc));
  SetWindowLongPtrA(wnd, GWLP_USERDATA, 0);
  FH = nullptr;
  FOwnProc = nullptr;
  sorvane::Platform().DestroyWindow(wnd);
}

TWindowHandle* TWindowHandle::Of(HWND wnd) {
  // Another process's window may carry the same procedure address (a second
  // instance); its user data means nothing here.
  DWORD process = 0;
  if (!wnd || !GetWindowThreadProcessId(wnd, &process) || process != GetCurrentProcessId()) return nullptr;
  if (GetWindowLongPtrA(wnd, GWLP_WNDPROC) != LONG_PTR(&Proc)) return nullptr;
  return reinterpret_cast<TWindowHandle*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
}

LRESULT CALLBACK TWindowHandle::Proc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE)
    if (auto* owner = static_cast<TWindowHandle*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams))
      owner->Link(wnd);
  auto* owner = reinterpret_cast<TWindowHandle*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
  if (!owner) return DefWindowProcA(wnd, msg, wParam, lParam);
  const LRESULT r = owner->FOwnProc ? CallWindowProcA(owner->FOwnProc, wnd, msg, wParam, lParam)
                                    : owner->FSink->SinkProc(wnd, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    // Gone by other means than Reset (with its parent): nothing to destroy.
    owner->FH = nullptr;
    owner->FOwnProc = nullptr;
  }
  return r;
}

namespace sorvane {

void RegisterWindowClass(const char* name, UINT style, HICON icon, HCURSOR cursor) {
  const HINSTANCE module = GetModuleHandleA(nullptr);
  WNDCLASSA wc{};
  if (GetClassInfoA(module, name, &wc)) return;
  wc = WNDCLASSA{};
  wc.style = style;
  wc.lpfnWndProc = TWindowHandle::Proc;
  wc.hInstance = module;
  wc.hIcon = icon;
  wc.hCursor = cursor;
  wc.lpszClassName = name;
  RegisterClassA(&wc);
}

}  // namespace sorvane
