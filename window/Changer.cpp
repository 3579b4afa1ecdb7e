// The window's side of the changer: the minute tick, the tray menu's
// commands and the period controls. The schedule decides; here the picture
// is set, the controls and the tip follow.
#include "window/Unit1.h"
#include "base/Error.h"
#include "base/Mbcs.h"
#include "changer/LocaleTime.h"
#include "changer/Random.h"
#include "changer/TipText.h"
#include "settings/Desktop.h"
#include "base/StrToInt.h"

using namespace sorvane;

void TForm1::TimerTimer(TObject*) {
  const TTickResult tick = Schedule.Tick();
  if (tick == TTickResult::Ignored) return;
  UpdateTips();
  if (tick == TTickResult::ChangeDue) ChangeWallPaper();
}

void TForm1::ChangeWallPaper() {
  const std::optional<std::int32_t> pos = Schedule.ChoosePicture(
      Candidates().Count(), DisplayStyle(), ChangeOrder(), RandSeed());
  if (!pos) return;
  const std::string path = Candidates().Paths()[std::size_t(*pos)];
  // A missing file is skipped silently; the position has moved on already.
  if (FileExists(path)) SetDeskWallpaper(path.c_str());
}

void TForm1::PopSendClick(TObject*) {
  if (Schedule.StepNext(Candidates().Count())) ChangeWallPaper();
}

void TForm1::PopRewClick(TObject*) {
  if (Schedule.StepBack(Candidates().Count())) ChangeWallPaper();
}

void TForm1::PopPauseClick(TObject*) {
  PopPause->SetChecked(Schedule.TogglePause());
  UpdateTips();
}

void TForm1::SetFreq(std::int32_t value) {
  Freq->SetPosition(ClampPeriod(value));
  FreqView->SetText(std::to_string(Freq->Position()));
}

void TForm1::FreqChange(TObject*) { FreqView->SetText(std::to_string(Freq->Position())); }

void TForm1::FreqViewChange(TObject*) {
  const std::string text = FreqView->Text();
  if (text.empty()) {
    SetFreq(1);
    return;
  }
  const auto value = TryStrToInt(text);
  if (!value) throw EError(FormatS("'%s' は整数ではありません", text));
  SetFreq(*value);
}

void TForm1::UpdateTips() {
  TTipInput in;
  in.TimerEnabled = Timer->Enabled();
  in.Paused = Paused;
  in.FreqMin = FreqMin;
  in.Count = Candidates().Count();
  in.ChgMode = ChgMode->ItemIndex();
  in.DispType = DispType->ItemIndex();
  if (in.TimerEnabled && !in.Paused) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    const auto msOfDay = std::int32_t(MsOfDay(now.wHour, now.wMinute, now.wSecond, now.wMilliseconds));
    in.DueTime = FormatShortTime(ShortTimeFormat(), DueMinuteOfDay(msOfDay, FreqMin, MinCount));
  }
  WorkStr = ComposeTip(in);
  TaskBar->SetTips(WorkStr.Str());
}
