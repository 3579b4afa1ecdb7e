// The application object: the zero-size "TApplication" window that carries
// the taskbar button, the title, the message loop, minimise/restore and the
// error box.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "base/Handle.h"
#include "ui/Component.h"
#include "ui/Host.h"
#include "ui/Window.h"

class TForm;

class TApplication : public TComponent, public THost, private TMessageSink {
 public:
  TApplication();
  ~TApplication() override;

  HWND Handle() const override { return FHandle; }
  const std::string& Title() const { return FTitle; }
  void SetTitle(const std::string& title);  // also the window's caption
  HICON Icon() const override { return FIcon; }
  HINSTANCE Instance() const override { return FInstance; }

  TForm* MainForm() const { return FMainForm; }
  // Creates the main form; an error on the way is shown in the error box
  // and gives false: the start cannot go on.
  template <class F>
  bool CreateMainForm() {
    bool made = false;
    Guarded(this, [&] {
      CreateForm<F>();
      made = true;
    });
    return made;
  }
  // Creates the form; the first one created becomes the main form.
  template <class F>
  F* CreateForm() {
    F* f = Make<F>();
    if (!FMainForm) FMainForm = f;
    f->Create();  // window, components, OnCreate
    return f;
  }

  // Honours the process show command, then reads and dispatches messages
  // until the quit message.
  void Run();
  // A font of the Shift-JIS character set, created once per face, height
  // (pixels) and style and kept until the application ends.
  HFONT Font(const char* face, int height, unsigned char style) override;
  // The colours of the last few brushes made, each brush made once.
  HBRUSH Brush(COLORREF rgb) override;

  // Reads and dispatches every message now waiting in the queue.
  void ProcessMessages() override;
  // Posts the quit message.
  void Terminate() override;
  bool Terminated() const { return FTerminated; }

  bool IsIconic() const { return ::IsIconic(FHandle) != 0; }
  void Minimize() override;
  void Restore() override;

  // The error box: MessageBoxA(MB_OK | MB_ICONSTOP) owned by the application
  // window, captioned with the title, the message with the "." rule.
  void HandleException(TObject* sender, const std::exception& e) override;
  void ShowException(const std::string& message);
  int WarnBox(const std::string& text, bool question) override;


 private:
  LRESULT SinkProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
  LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
  bool IsDialogMsg(MSG& msg);

  HINSTANCE FInstance;
  TWindowHandle FHandle{this};
  HICON FIcon = nullptr;  // a resource's: the system keeps it
  std::string FTitle;
  TForm* FMainForm = nullptr;
  bool FTerminated = false;
  bool FMainFormHiddenByMinimize = false;
  struct TFontEntry {
    std::string Face;
    int Height;
    unsigned char Style;
    TGdiObject<HFONT> Handle;
  };
  std::vector<TFontEntry> FFonts;
  struct TBrushEntry {
    COLORREF Color = 0;
    TGdiObject<HBRUSH> Handle;
  };
  TBrushEntry FBrushes[16];
  unsigned FNextBrush = 0;  // the entry made again next
  HWND FFocusBeforeMinimize = nullptr;  // given the focus back on restore
};

extern TApplication* Application;

// Shows a window state change without the minimise/restore animation.
void ShowWinNoAnimate(HWND wnd, int cmdShow);
