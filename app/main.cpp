// Process entry: the single-instance guard, the main window and the loop.
#include <windows.h>

#include "window/Unit1.h"
#include "app/Application.h"
#include "base/Error.h"

#include <new>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // Pictures may live on removable drives and shares: a drive with no disk
  // in it is a missing file to the program, never a system box that holds
  // up the start at sign-in.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  {
    TApplication app;
    app.SetTitle("Sorvane・起動中");
    // Another instance's application window carries the final title; ours
    // still has the temporary one, so the search never finds itself.
    if (HWND running = FindWindowA("TApplication", "Sorvane")) {
      // Started again because its icon cannot be seen (a shell that was not
      // ready at sign-in, an icon lost across sleep): it adds it again.
      TTaskBar::AskForIconAgain(running);
      app.Terminate();
    } else {
      app.SetTitle("Sorvane");
      if (!app.CreateMainForm<TForm1>()) return 1;
      app.Run();
    }
  }  // the main window and its components go here: the tray icon is removed
  return 0;
}

// The run-time's own versions of these pull the demangler, a second string
// implementation and its exception classes into the executable (about a
// fifth of its size). The program never lets an exception reach terminate,
// and the container errors below cannot happen with its sizes; when they
// do, they reach the error box like any other error.
namespace __gnu_cxx {
void __verbose_terminate_handler() { abort(); }
}  // namespace __gnu_cxx

namespace std {
void __throw_bad_alloc() { throw std::bad_alloc(); }
void __throw_bad_array_new_length() { throw std::bad_alloc(); }
void __throw_length_error(const char* what) { throw EError(what); }
void __throw_logic_error(const char* what) { throw EError(what); }
void __throw_out_of_range_fmt(const char* what, ...) { throw EError(what); }
void __throw_out_of_range(const char* what) { throw EError(what); }
void __throw_invalid_argument(const char* what) { throw EError(what); }
void __throw_domain_error(const char* what) { throw EError(what); }
void __throw_range_error(const char* what) { throw EError(what); }
void __throw_runtime_error(const char* what) { throw EError(what); }
void __throw_overflow_error(const char* what) { throw EError(what); }
void __throw_underflow_error(const char* what) { throw EError(what); }
void __throw_bad_cast() { throw EError("bad cast"); }
void __throw_bad_typeid() { throw EError("bad typeid"); }
void __throw_bad_exception() { throw EError("bad exception"); }
}  // namespace std
