// The platform calls that tests must replace or watch, behind one interface:
// the boxes the user answers, the wallpaper call, the shell's tray call, the
// message filter, the minimise animation switches, the end of a window, and
// the moments between taking a registry value's or a file's size and reading
// it.
// The program runs on the real calls; a test program installs its own once.
#pragma once
#include <windows.h>

#include <string>

namespace sorvane {

enum class TBoxKind { Error, Warning, Question };

class TPlatform {
 public:
  virtual ~TPlatform() = default;
  // A box about to be shown. The real answer is 0: show it and let the user
  // answer; a test answers at once (IDOK, IDYES, IDNO ...).
  virtual int AnswerBox(TBoxKind kind, const std::string& text);
  // SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, path, SPIF_UPDATEINIFILE |
  // SPIF_SENDWININICHANGE); an empty path removes the wallpaper.
  virtual void SetDeskWallpaper(const char* path);
  // Shell_NotifyIconA with a tray record.
  virtual BOOL NotifyIcon(DWORD message, void* data);
  // Lets a less privileged process (the shell, a drop from Explorer) send
  // wnd this message even when the program runs elevated:
  // ChangeWindowMessageFilterEx, looked up at run time (it is missing
  // before Windows 7), MSGFLT_ALLOW.
  virtual void AllowMessage(HWND wnd, UINT message);
  // Switches the minimise and restore animation off for this window alone:
  // DwmSetWindowAttribute(DWMWA_TRANSITIONS_FORCEDISABLED) while the desktop
  // is composed, looked up at run time (there is no dwmapi.dll before Vista).
  // False where that cannot be done.
  virtual bool NoWindowAnimation(HWND wnd);
  // SystemParametersInfoA with SPI_GETANIMATION or SPI_SETANIMATION: the
  // animation setting of the whole desktop.
  virtual void DesktopAnimation(UINT action, ANIMATIONINFO& ai);
  // DestroyWindow of a window the program made: each is destroyed once.
  virtual void DestroyWindow(HWND wnd);
  // Between learning a registry value's size and fetching it (another
  // program may change it there). The real call does nothing.
  virtual void BeforeRegFetch(HKEY key, const char* name);
  // Between learning a picture file's size and reading it (another program
  // may shorten it there). The real call does nothing.
  virtual void BeforeFileRead(HANDLE file);
};

// The calls in force.
TPlatform& Platform();
// Replaces the calls for the rest of the process; null brings the real ones
// back.
void InstallPlatform(TPlatform* platform);

}  // namespace sorvane
