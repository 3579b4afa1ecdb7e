// The windows the program makes: their owner type, the one window procedure
// that hands their messages to the objects behind them, and their classes.
#pragma once
#include <windows.h>

class TWinControl;

// The object behind a window the program made.
class TMessageSink {
 public:
  virtual LRESULT SinkProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) = 0;
  // The control this object is, if it is one.
  virtual TWinControl* Control() { return nullptr; }

 protected:
  ~TMessageSink() = default;
};

// The one owner of a window the program made. The window is marked as the
// program's own: its procedure is the program's (the class's, or put in
// front of a standard control's own) and its user data is this owner. So
// the owner learns when the window goes by other means (with its parent)
// and forgets it; otherwise it destroys the window itself, once. Neither
// copied nor moved: the window points at it.
class TWindowHandle {
 public:
  explicit TWindowHandle(TMessageSink* sink) : FSink(sink) {}
  ~TWindowHandle() { Reset(); }
  TWindowHandle(const TWindowHandle&) = delete;
  TWindowHandle& operator=(const TWindowHandle&) = delete;

  HWND Get() const { return FH; }
  operator HWND() const { return FH; }  // passed straight to the platform's calls
  explicit operator bool() const { return FH != nullptr; }

  // CreateWindowExA, the window then held (in place of any before). A
  // window of the program's own classes reaches the sink from its first
  // message; a standard control keeps its own procedure.
  HWND Create(DWORD exStyle, const char* cls, const char* text, DWORD style, int x, int y, int width, int height,
              HWND parent);
  // Destroys the window held, if it is still there; the messages of its
  // destruction no longer reach the sink, whose object may be going.
  void Reset();

  // The owner of a window the program made; null for any other window.
  static TWindowHandle* Of(HWND wnd);
  TMessageSink* Sink() const { return FSink; }
  // The class procedure of the program's own window classes.
  static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  void Link(HWND wnd);
  TMessageSink* const FSink;
  HWND FH = nullptr;
  WNDPROC FOwnProc = nullptr;  // a standard control's own procedure
};

namespace sorvane {

// Registers a class of the program's own windows (procedure
// TWindowHandle::Proc) unless the module has one of that name already, so
// that every later window (another container, a second application object
// in the tests) reuses the first registration.
void RegisterWindowClass(const char* name, UINT style = 0, HICON icon = nullptr, HCURSOR cursor = nullptr);

}  // namespace sorvane
