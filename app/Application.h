// The application object: the zero-size "TApplication" window that carries
// the taskbar button, the title, the message loop, minimise/restore and the
// error box.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/Component.h"

class TForm;

// What a box is for; lets tests answer boxes without showing them.
enum class TBoxKind { Error, Warning, Question };

class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;

  HWND Handle() const { return FHandle; }
  const std::string& Title() const { return FTitle; }
  void SetTitle(const std::string& title);  // also the window's caption
  HICON Icon() const { return FIcon; }
  HINSTANCE Instance() const { return FInstance; }

  TForm* MainForm() const { return FMainForm; }
  // Creates the form; the first one created becomes the main form.
  template <class F>
  F* CreateForm() {
    F* f = new F(this);
    if (!FMainForm) FMainForm = f;
    f->Create();  // window, components, OnCreate
    return f;
  }

  // Honours the process show command, then reads and dispatches messages
  // until the quit message.
  void Run();
  // A font of the Shift-JIS character set, created once per face, height
  // (pixels) and style and kept until the application ends.
  HFONT Font(const char* face, int height, unsigned char style);

  // Reads and dispatches every message now waiting in the queue.
  void ProcessMessages();
  // Posts the quit message.
  void Terminate();
  bool Terminated() const { return FTerminated; }

  bool IsIconic() const { return ::IsIconic(FHandle) != 0; }
  void Minimize();
  void Restore();

  // The error box: MessageBoxA(MB_OK | MB_ICONSTOP) owned by the application
  // window, captioned with the title, the message with the "." rule.
  void HandleException(TObject* sender, const std::exception& e);
  void ShowException(const std::string& message);
  // MessageBoxA owned by the application window with the other windows of
  // the thread disabled while it is open.
  int ShowBox(const std::string& text, const std::string& caption, UINT flags);
  // A box of the program is open (see TModalScope).
  bool ModalActive() const { return FModalLevel > 0; }
  // Brings the innermost open box to the front (a click on the tray icon
  // while a box is open lands here).
  void BringModalToFront();

  // Test seam: when set, every box (error box, warnings, the quit question)
  // is handed to it instead of being shown; its result is the answer
  // (IDOK, IDYES, IDNO ...).
  std::function<int(TBoxKind, const std::string& text)> BoxHook;

  // WM_SETTINGCHANGE reached the application (regional settings may differ).
  TNotifyEvent OnSettingChange;

 private:
  static LRESULT CALLBACK WndProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
  bool IsDialogMsg(MSG& msg);

  HINSTANCE FInstance;
  HWND FHandle = nullptr;
  HICON FIcon = nullptr;
  std::string FTitle;
  TForm* FMainForm = nullptr;
  bool FTerminated = false;
  bool FMainFormHiddenByMinimize = false;
  struct TFontEntry {
    std::string Face;
    int Height;
    unsigned char Style;
    HFONT Handle;
  };
  std::vector<TFontEntry> FFonts;
  HWND FFocusBeforeMinimize = nullptr;  // given the focus back on restore
  int FModalLevel = 0;
  friend class TModalScope;
};

// Lives as long as one of the program's boxes is open (error box, warning,
// quit question, colour chooser): every other visible window of the program
// is disabled meanwhile, so nothing can start a second command; at the end
// they are enabled again and the window that was active is activated. Nests.
class TModalScope {
 public:
  TModalScope();
  ~TModalScope();
  TModalScope(const TModalScope&) = delete;
  TModalScope& operator=(const TModalScope&) = delete;

 private:
  HWND FActive;
  std::vector<HWND> FDisabled;
};

extern TApplication* Application;

// Shows a window state change without the minimise/restore animation.
void ShowWinNoAnimate(HWND wnd, int cmdShow);

// Runs f and sends any exception it raises to the error box.
template <class Fn>
void Guarded(TObject* sender, Fn&& f) {
  try {
    f();
  } catch (const std::exception& e) {
    Application->HandleException(sender, e);
  }
}
