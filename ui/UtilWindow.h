// Hidden utility windows, never shown: the timer's, the pop-up menu's and
// the tray component's. Each hands its messages to its sink.
#pragma once
#include <windows.h>

#include "ui/Window.h"

// A hidden top-level window can own a menu and hears broadcasts; a
// message-only one costs the platform far less to make.
enum class TSinkKind { TopLevel, MessageOnly };

class TUtilWindow {
 public:
  static constexpr char kClassName[] = "TPUtilWindow";

  // No message reaches the sink once the object goes.
  explicit TUtilWindow(TMessageSink* sink) : FWindow(sink) {}

  // Makes the window unless it is there; name is its caption, by which
  // another process can find a top-level one.
  HWND Make(TSinkKind kind, const char* name = "");
  HWND Handle() const { return FWindow; }

 private:
  TWindowHandle FWindow;
};
