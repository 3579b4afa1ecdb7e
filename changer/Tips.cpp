// The tray status text.
#include "Unit1/Unit1.h"

void TForm1::UpdateTips() {}
