// Opens the window of the Sorvane running on this desktop as presses on its
// tray icon do, and returns once it is painted: scripts/run.sh then takes a
// picture of the virtual display nobody sees.
#include "tests/e2e/Driver.h"

int main() {
  TSorvaneProcess sorvane;
  if (!sorvane.Attach() || !sorvane.OpenWindow()) return 1;
  Sleep(Patience(300));
  RedrawWindow(sorvane.MainWindow(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Sleep(Patience(200));
  return 0;
}
