#include "base/Platform.h"

#include <shellapi.h>

namespace sorvane {

namespace {
TPlatform gReal;
TPlatform* gInstalled = nullptr;
}  // namespace

int TPlatform::AnswerBox(TBoxKind, const std::string&) { return 0; }

void TPlatform::SetDeskWallpaper(const char* path) {
  SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, const_cast<char*>(path), SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE);
}

BOOL TPlatform::NotifyIcon(DWORD message, void* data) {
  return Shell_NotifyIconA(message, static_cast<PNOTIFYICONDATAA>(data));
}

void TPlatform::AllowMessage(HWND wnd, UINT message) {
  using TFilter = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
  static const auto filter = reinterpret_cast<TFilter>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "ChangeWindowMessageFilterEx")));
  constexpr DWORD kAllow = 1;  // MSGFLT_ALLOW
  if (filter) filter(wnd, message, kAllow, nullptr);
}

void TPlatform::DestroyWindow(HWND wnd) { ::DestroyWindow(wnd); }

void TPlatform::BeforeRegFetch(HKEY, const char*) {}

void TPlatform::BeforeFileRead(HANDLE) {}

TPlatform& Platform() { return gInstalled ? *gInstalled : gReal; }

void InstallPlatform(TPlatform* platform) { gInstalled = platform; }

}  // namespace sorvane
