// The locale's short time format that the tray status text uses.
#include "changer/LocaleTime.h"

#include <windows.h>

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

}  // namespace sorvane
