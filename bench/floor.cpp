// The floor: the least a tray program of this kind can be. An application
// window, a hidden message window, a tray icon, a 60 s timer and a message
// loop, built with the same toolchain as Sorvane.exe.
#include <windows.h>

#include <shellapi.h>

namespace {
LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(w, m, wp, lp);
}
}  // namespace

int WINAPI WinMain(HINSTANCE inst, HINSTANCE, LPSTR, int) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = Proc;
  wc.hInstance = inst;
  wc.lpszClassName = "TFloorApp";
  RegisterClassA(&wc);
  wc.lpszClassName = "TFloorTray";
  RegisterClassA(&wc);
  HWND app = CreateWindowExA(0, "TFloorApp", "Floor", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0,
                             nullptr, nullptr, inst, nullptr);
  HWND tray = CreateWindowExA(WS_EX_TOOLWINDOW, "TFloorTray", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, inst, nullptr);
  ShowWindow(app, SW_SHOWMINNOACTIVE);
  NOTIFYICONDATAA nid{};
  nid.cbSize = NOTIFYICONDATAA_V1_SIZE;
  nid.hWnd = tray;
  nid.uID = 1;
  nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  nid.uCallbackMessage = WM_APP + 100;
  nid.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
  lstrcpyA(nid.szTip, "Floor");
  Shell_NotifyIconA(NIM_ADD, &nid);
  SetTimer(tray, 1, 60000, nullptr);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  Shell_NotifyIconA(NIM_DELETE, &nid);
  return 0;
}
