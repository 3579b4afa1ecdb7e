// Helper of the session test: "colour" prints the desktop colour as
// "R G B"; "execute R G B" makes that the session's colour (as another
// program could), lets Sorvane take it into its swatch and Execute, and
// quits Sorvane. Exit status 0 when each step was seen to happen.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/e2e/Driver.h"

namespace {

int PrintColour() {
  const COLORREF c = GetSysColor(COLOR_BACKGROUND);
  std::printf("%u %u %u\n", unsigned(GetRValue(c)), unsigned(GetGValue(c)), unsigned(GetBValue(c)));
  return 0;
}

int Fail(const char* what) {
  std::fprintf(stderr, "colour probe: %s\n", what);
  return 1;
}

int ExecuteWith(COLORREF colour) {
  const int element = COLOR_BACKGROUND;
  if (!SetSysColors(1, &element, &colour)) return Fail("SetSysColors refused");
  TSorvaneProcess p;
  if (!p.Start(TSorvaneProcess::PrepareFolder("session_colour")) || !p.WaitReady() || !p.OpenWindow())
    return Fail("Sorvane did not start and open");
  HWND main = p.MainWindow();
  HWND execute = FindChild(main, "Button", "実行(&X)");
  if (!execute) return Fail("no Execute button");
  Click(execute);
  if (!WaitFor([&] { return !IsWindowVisible(main); }, 20000)) return Fail("Execute did not end in the tray");
  Click(FindChild(main, "Button", "終了(&Q)"));
  HWND box = p.WaitTopLevel("警告");
  if (!box) return Fail("no quit question");
  Click(FindChild(box, "Button", "はい(&Y)"));
  if (!p.WaitExit(20000)) return Fail("Sorvane did not quit");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string cmd = argc > 1 ? argv[1] : "";
  if (cmd == "colour" && argc == 2) return PrintColour();
  if (cmd == "execute" && argc == 5)
    return ExecuteWith(RGB(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4])));
  return Fail("usage: colour_probe colour | execute R G B");
}
