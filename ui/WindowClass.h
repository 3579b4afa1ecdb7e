// Window classes of this module, each registered once per process.
#pragma once
#include <windows.h>

namespace sorvane {

// Registers the class unless the module has one of that name already, so
// that every later window (another container, a second application object
// in the tests) reuses the first registration.
void RegisterWindowClass(const char* name, WNDPROC proc, UINT style = 0, HICON icon = nullptr,
                         HCURSOR cursor = nullptr);

}  // namespace sorvane
