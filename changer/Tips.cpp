// The tray status text and the locale's short time format it uses.
#include "Unit1/Unit1.h"
#include "app/Application.h"
#include "changer/LocaleTime.h"

namespace sorvane {

namespace {

// Like the run-time's own time format settings, one copy for the process.
TShortTimeFormat& Format() {
  static TShortTimeFormat format;
  return format;
}

std::string LocaleText(LCTYPE type, const char* fallback) {
  char buf[128] = {};
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buf, sizeof buf) <= 0) return fallback;
  return buf;
}

}  // namespace

const TShortTimeFormat& ShortTimeFormat() { return Format(); }

void ReadShortTimeFormat() {
  TShortTimeFormat f;
  f.LeadingZero = LocaleText(LOCALE_ITLZERO, "0") == "1";
  f.Separator = LocaleText(LOCALE_STIME, ":");
  f.TwelveHour = LocaleText(LOCALE_ITIME, "1") == "0";
  f.AMDesignator = LocaleText(LOCALE_S1159, "");
  f.PMDesignator = LocaleText(LOCALE_S2359, "");
  f.DesignatorBefore = LocaleText(LOCALE_ITIMEMARKPOSN, "0") == "1";
  Format() = f;
}

void FollowLocaleTimeFormat() {
  ReadShortTimeFormat();
  TNotifyEvent reread;
  reread.Code = [](void*, TObject*) { ReadShortTimeFormat(); };
  Application->OnSettingChange = reread;
}

}  // namespace sorvane

void TForm1::UpdateTips() {
  sorvane::TTipInput in;
  in.TimerEnabled = Timer->Enabled();
  in.Paused = Paused;
  in.FreqMin = FreqMin;
  in.Count = ListBox->Count();
  in.ChgMode = ChgMode->ItemIndex();
  in.DispType = DispType->ItemIndex();
  if (in.TimerEnabled && !in.Paused) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    const std::int32_t msOfDay = ((now.wHour * 60 + now.wMinute) * 60 + now.wSecond) * 1000 + now.wMilliseconds;
    in.DueTime = sorvane::FormatShortTime(sorvane::ShortTimeFormat(),
                                          sorvane::DueMinuteOfDay(msOfDay, FreqMin, MinCount));
  }
  WorkStr = sorvane::ComposeTip(in);
  TaskBar->SetTips(WorkStr.Str());
}
