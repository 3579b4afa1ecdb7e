// Process entry: the single-instance guard, the main window and the loop.
#include <windows.h>

#include "Unit1/Unit1.h"
#include "app/Application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  {
    TApplication app;
    app.SetTitle("Sorvane・起動中");
    // Another instance's application window carries the final title; ours
    // still has the temporary one, so the search never finds itself.
    if (FindWindowA("TApplication", "Sorvane")) {
      app.Terminate();
    } else {
      app.SetTitle("Sorvane");
      app.CreateForm<TForm1>();
      app.Run();
    }
  }  // the main window and its components go here: the tray icon is removed
  return 0;
}

// Without this, the default terminate handler pulls the demangler into the
// executable; the program never lets an exception reach it.
namespace __gnu_cxx {
void __verbose_terminate_handler() { abort(); }
}  // namespace __gnu_cxx
