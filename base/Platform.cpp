#include "base/Platform.h"

#include <shellapi.h>

#include "base/Handle.h"

namespace sorvane {

namespace {
TPlatform gReal;
TPlatform* gInstalled = nullptr;

// A call looked up at run time: null where this Windows lacks it.
template <class F>
F Proc(HMODULE module, const char* name) {
  return module ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}
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
  static const auto filter = Proc<TFilter>(GetModuleHandleA("user32.dll"), "ChangeWindowMessageFilterEx");
  constexpr DWORD kAllow = 1;  // MSGFLT_ALLOW
  if (filter) filter(wnd, message, kAllow, nullptr);
}

bool TPlatform::NoWindowAnimation(HWND wnd) {
  using TComposed = HRESULT(WINAPI*)(BOOL*);
  using TSetAttribute = HRESULT(WINAPI*)(HWND, DWORD, const void*, DWORD);
  // From the system folder only, and kept for the life of the process.
  static const TOwned<HMODULE, FreeLibrary> dwm{[] {
    char path[MAX_PATH + 16] = {};
    const UINT n = GetSystemDirectoryA(path, MAX_PATH);
    return n && n < MAX_PATH ? LoadLibraryA(lstrcatA(path, "\\dwmapi.dll")) : nullptr;
  }()};
  static const auto composed = Proc<TComposed>(dwm, "DwmIsCompositionEnabled");
  static const auto set = Proc<TSetAttribute>(dwm, "DwmSetWindowAttribute");
  // Without composition the animation is not the compositor's to switch.
  BOOL on = FALSE;
  if (!composed || !set || FAILED(composed(&on)) || !on) return false;
  constexpr DWORD kTransitionsForceDisabled = 3;  // DWMWA_TRANSITIONS_FORCEDISABLED
  const BOOL disabled = TRUE;
  return SUCCEEDED(set(wnd, kTransitionsForceDisabled, &disabled, sizeof disabled));
}

void TPlatform::DesktopAnimation(UINT action, ANIMATIONINFO& ai) {
  ai.cbSize = sizeof ai;
  SystemParametersInfoA(action, sizeof ai, &ai, 0);
}

void TPlatform::DestroyWindow(HWND wnd) { ::DestroyWindow(wnd); }

void TPlatform::BeforeRegFetch(HKEY, const char*) {}

void TPlatform::BeforeFileRead(HANDLE) {}

TPlatform& Platform() { return gInstalled ? *gInstalled : gReal; }

void InstallPlatform(TPlatform* platform) { gInstalled = platform; }

}  // namespace sorvane
