// Composition of the tray status text and of the due time it shows, in the
// user's short time format. Pure code: the locale's settings and the clock
// come in as inputs.
#pragma once
#include <cstdint>
#include <string>

namespace sorvane {

// The short time format as the locale describes it: hour (with or without a
// leading zero), separator, two-digit minutes, no seconds; on a 12-hour
// clock the morning/afternoon designator stands before or after the time.
struct TShortTimeFormat {
  bool LeadingZero = false;    // LOCALE_ITLZERO = 1
  std::string Separator = ":";  // LOCALE_STIME
  bool TwelveHour = false;     // LOCALE_ITIME = 0
  std::string AMDesignator;    // LOCALE_S1159
  std::string PMDesignator;    // LOCALE_S2359
  bool DesignatorBefore = false;  // LOCALE_ITIMEMARKPOSN = 1
};

constexpr std::int32_t kMinutesPerDay = 1440;
constexpr std::int32_t kMsPerDay = 86400000;

// The minute of the day (0..1439) at which a change is due: the time of day
// now plus the remaining minutes (freqMin - minCount, which may be zero or
// negative). Days are dropped and the seconds cut off.
std::int32_t DueMinuteOfDay(std::int32_t msOfDay, std::int32_t freqMin, std::int32_t minCount);

// minuteOfDay (0..1439) as the short time format shows it.
std::string FormatShortTime(const TShortTimeFormat& format, std::int32_t minuteOfDay);

struct TTipInput {
  bool TimerEnabled = false;
  bool Paused = false;
  std::string DueTime;  // the formatted due time, used when running
  std::int32_t FreqMin = 1;
  std::int32_t Count = 0;  // entries in the list
  std::int32_t ChgMode = 0;   // item index: TChangeOrder, or -1
  std::int32_t DispType = 0;  // item index: TDispStyle, or -1
};

// "Sorvane：" followed by the pieces; each append keeps at most 255 bytes
// without splitting a double-byte character.
std::string ComposeTip(const TTipInput& in);

}  // namespace sorvane
