// The minute tick, the choice of the next picture, the tray menu commands
// and the period controls.
#include "Unit1/Unit1.h"

void TForm1::TimerTimer(TObject*) {}
void TForm1::ChangeWallPaper() {}
void TForm1::PopSendClick(TObject*) {}
void TForm1::PopRewClick(TObject*) {}
void TForm1::PopPauseClick(TObject*) {}

void TForm1::SetFreq(std::int32_t value) {
  Freq->SetPosition(value < 1 ? 1 : value > 1440 ? 1440 : value);
  FreqView->SetText(std::to_string(Freq->Position()));
}

void TForm1::FreqChange(TObject*) { FreqView->SetText(std::to_string(Freq->Position())); }
void TForm1::FreqViewChange(TObject*) {}
