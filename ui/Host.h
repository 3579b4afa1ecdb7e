// What the control layer and the windows built on it need of the program
// that hosts them: its instance, its shared fonts, where errors go, the
// application window that owns every top-level window and box, the warning
// box, and whether one of its boxes is open. The application object
// implements it; nothing below the application knows more of it.
#pragma once
#include <windows.h>

#include <exception>
#include <new>
#include <string>
#include <vector>

#include "base/Error.h"
#include "ui/Component.h"

class THost {
 public:
  virtual ~THost() = default;
  virtual HINSTANCE Instance() const = 0;
  // The application window: owner of the main window and of every box.
  virtual HWND Handle() const = 0;
  virtual HICON Icon() const = 0;
  // A font of the Shift-JIS character set, shared and kept by the host.
  virtual HFONT Font(const char* face, int height, unsigned char style) = 0;
  // A solid brush of the colour, shared and kept by the host: the one cache
  // of the program's brushes.
  virtual HBRUSH Brush(COLORREF rgb) = 0;
  // The error box for an error that escaped a handler.
  virtual void HandleException(TObject* sender, const std::exception& e) = 0;
  virtual void ProcessMessages() = 0;
  virtual void Minimize() = 0;
  virtual void Restore() = 0;
  virtual void Terminate() = 0;
  // The warning box ("警告"): IDYES for "はい(&Y)"; with question also
  // "いいえ(&N)", which gives IDNO, as Esc and closing do.
  virtual int WarnBox(const std::string& text, bool question) = 0;
  // WM_SETTINGCHANGE reached the application (regional settings may differ).
  TNotifyEvent OnSettingChange;

  // One of the program's boxes is open (see TModalScope).
  bool ModalActive() const { return FModalLevel > 0; }
  // Brings the innermost open box to the front.
  void BringModalToFront();

 private:
  friend class TModalScope;
  int FModalLevel = 0;
};

// The one host of the process; set by the application object.
extern THost* Host;

// Lives as long as one of the program's boxes is open (error box, warning,
// quit question, colour chooser): every other visible window of the program,
// and the main window even when hidden, is disabled meanwhile, so nothing
// can start a second command; at the end they are enabled again and the
// window that was active is activated. Nests.
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

// Runs f and sends any exception it raises to the error box: the boundary
// of every handler run for a window message. Memory that cannot be had is
// told in the run-time's words, whichever allocation failed.
template <class Fn>
void Guarded(TObject* sender, Fn&& f) {
  try {
    f();
  } catch (const std::bad_alloc&) {
    Host->HandleException(sender, EError("ﾒﾓﾘが不足しています"));
  } catch (const std::exception& e) {
    Host->HandleException(sender, e);
  }
}
