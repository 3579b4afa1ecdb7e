// The minute tick, the choice of the next picture, the tray menu commands
// and the period controls.
#include "Unit1/Unit1.h"
#include "base/Error.h"
#include "base/Kinds.h"
#include "base/Mbcs.h"
#include "base/StrToInt.h"
#include "changer/Random.h"
#include "settings/Desktop.h"

namespace {

// Position within a list of n > 0 entries, also for positions left over
// from a longer list.
std::int32_t Wrap(std::int64_t pos, std::int32_t n) {
  std::int64_t r = pos % n;
  if (r < 0) r += n;
  return std::int32_t(r);
}

}  // namespace

void TForm1::TimerTimer(TObject*) {
  if (Paused) return;
  // A period lowered to or below the count brings the change on this tick.
  if (MinCount < FreqMin) MinCount = (MinCount + 1) % FreqMin;
  else MinCount = 0;
  UpdateTips();
  if (MinCount == 0) ChangeWallPaper();
}

void TForm1::ChangeWallPaper() {
  if (DispType->ItemIndex() == sorvane::dsNone) return;
  const std::int32_t n = ListBox->Count();
  if (n <= 0) return;
  if (ChgMode->ItemIndex() == sorvane::coRandom) {
    CurPos = sorvane::Random(n);
  } else {
    // The list may have shrunk below ListPos while the window was open.
    CurPos = Wrap(ListPos, n);
    ListPos = Wrap(std::int64_t(CurPos) + 1, n);
  }
  const std::string path = ListBox->Item(CurPos);
  // A missing file is skipped silently; the position has moved on already.
  if (sorvane::FileExists(path)) sorvane::SetDeskWallpaper(path.c_str());
}

void TForm1::PopSendClick(TObject*) {
  const std::int32_t n = ListBox->Count();
  if (n <= 0) return;
  ListPos = Wrap(std::int64_t(ListPos) + 1, n);
  ChangeWallPaper();
}

void TForm1::PopRewClick(TObject*) {
  const std::int32_t n = ListBox->Count();
  if (n <= 0) return;
  ListPos = Wrap(std::int64_t(n) + ListPos - 1, n);
  ChangeWallPaper();
}

void TForm1::PopPauseClick(TObject*) {
  Paused = !Paused;
  PopPause->SetChecked(Paused);
  UpdateTips();
}

void TForm1::SetFreq(std::int32_t value) {
  Freq->SetPosition(value < 1 ? 1 : value > 1440 ? 1440 : value);
  FreqView->SetText(std::to_string(Freq->Position()));
}

void TForm1::FreqChange(TObject*) { FreqView->SetText(std::to_string(Freq->Position())); }

void TForm1::FreqViewChange(TObject*) {
  const std::string text = FreqView->Text();
  if (text.empty()) {
    SetFreq(1);
    return;
  }
  const auto value = sorvane::TryStrToInt(text);
  if (!value) throw EError(sorvane::FormatS("'%s' は整数ではありません", text));
  SetFreq(*value);
}
