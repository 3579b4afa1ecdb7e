// The black-box driver: starts the real Sorvane.exe in a folder of its own
// and finds, reads and clicks its windows from outside.
#pragma once
#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "tests/DesktopKey.h"

// A path for the wide calls, from CP932 text or from wide text.
struct TWidePath {
  std::wstring W;
  TWidePath(const std::wstring& wide) : W(wide) {}
  TWidePath(const std::string& ansi);
};

class TSorvaneProcess {
 public:
  TSorvaneProcess() = default;
  ~TSorvaneProcess();  // kills the process if it still runs
  TSorvaneProcess(const TSorvaneProcess&) = delete;
  TSorvaneProcess& operator=(const TSorvaneProcess&) = delete;

  // A fresh folder under %TEMP% holding a copy of Sorvane.exe.
  static std::string PrepareFolder(const std::string& name);
  // Starts FOLDER\Sorvane.exe with a show command (SW_SHOWDEFAULT = none).
  bool Start(const TWidePath& folder, int showCmd = -1);
  // Waits until the application window and the main window exist.
  bool WaitReady(DWORD ms = 20000);
  // Drives the Sorvane already running on this desktop (it is never killed
  // from here): waits for its application window, then WaitReady.
  bool Attach(DWORD ms = 20000);
  // Start and WaitReady; then OpenWindow too.
  bool Launch(const TWidePath& folder, int showCmd = -1);
  bool LaunchAndOpen(const TWidePath& folder);
  bool WaitExit(DWORD ms, DWORD* exitCode = nullptr);
  // The process ends within ms with status 0.
  bool EndsWithStatusZero(DWORD ms = 10000);
  void Kill();
  HANDLE Process() const { return FPi.hProcess; }

  HWND AppWindow() const;   // class "TApplication" of this process
  HWND MainWindow() const;  // the main window, owned by the application window
  HWND TrayWindow() const;  // the tray component's hidden window
  // A top-level window of this process with this caption (e.g. "警告").
  HWND WaitTopLevel(const std::string& caption, DWORD ms = 10000) const;
  std::vector<HWND> TopLevelWindows() const;
  // A visible dialog box of this process (class "#32770"), or null.
  HWND WaitDialog(DWORD ms = 10000) const;
  // Clicks the button and waits for the warning box ("警告") it opens.
  HWND ClickForWarning(HWND button) const;

  // Files dropped on a window of this process: WM_DROPFILES with a drop
  // handle (DROPFILES and the wide names) in this process's memory.
  bool DropFiles(HWND target, const std::vector<TWidePath>& paths) const;
  // Tray callback as the shell sends it (wParam 1, lParam the mouse message).
  void TrayMouse(UINT mouseMsg) const;
  // The tray menu's last item (終了) chosen by the keyboard, as a user can:
  // a right click pops the menu, End selects the item, Enter chooses it.
  bool ChooseQuitFromTrayMenu() const;
  // Two left presses: the first shows the window for its first paint, which
  // sends it back to the tray; the second opens it.
  bool OpenWindow();

 private:
  PROCESS_INFORMATION FPi{};
};

// The folder of the Sorvane.exe under test, where screenshots go too:
// SORVANE_E2E_PRODUCT_DIR names another build's (the 32-bit product's),
// else it is this driver's own.
std::string ProductFolder();
std::string WindowText(HWND wnd);
std::string ClassName(HWND wnd);
// A descendant window with this class (empty: any) and text.
HWND FindChild(HWND parent, const std::string& cls, const std::string& text);
std::vector<HWND> Children(HWND parent);
// Whole files as bytes.
void WriteFileBytes(const TWidePath& path, const std::string& bytes);
std::string ReadFileBytes(const std::string& path);
// A settings file listing the pictures, with these automatic-change values.
void WriteList(const std::string& ini, const std::vector<std::string>& paths,
               const std::string& freq = "On=0\r\nMin=5\r\nRandom=0\r\n");
// Posts a click (a modal box may open from it).
void Click(HWND button);
// Clicks the box's button with this caption (empty: its one button) and
// waits for the box to go.
bool CloseBox(HWND box, const std::string& button = "");
// Selects an entry as a user's click does (the list tells its parent); the
// notice is posted when a box may open from it.
void Select(HWND list, int index, bool post = false);
// Real input, as a user's hand gives it: the cursor goes to (x, y) in wnd's
// client area and the left button is pressed and released there.
void RealClick(HWND wnd, int x, int y);
// A key pressed and released with the modifiers (VK_CONTROL, VK_SHIFT) held.
void RealKey(WORD vk, std::initializer_list<WORD> mods = {});
// The window that has the keyboard focus in wnd's thread.
HWND FocusOf(HWND wnd);
// The entries of a list box of another process, as CP932 text.
std::vector<std::string> ListItems(HWND list);
// A small 24-bit bitmap file's bytes.
std::string BitmapBytes(int w, int h);
// Whether the notification area shows an icon: the end of Wine's taskbar
// has icon pixels (and the taskbar is hidden while it shows none).
bool TrayShowsAnIcon();
// Takes the icon of a tray window out of the notification area, as a shell
// that lost it would have it.
bool RemoveTrayIcon(HWND trayWindow);
// A bound of a wait made longer by the factor SORVANE_E2E_PATIENCE (the
// emulated machine of the i686 layer runs several times slower).
DWORD Patience(DWORD ms);
// Waits for a condition, pumping this thread's messages.
template <class Pred>
bool WaitFor(Pred pred, DWORD ms) {
  ms = Patience(ms);
  const DWORD start = GetTickCount();
  while (!pred()) {
    if (GetTickCount() - start > ms) return false;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(20);
  }
  return true;
}
