#include "changer/TipText.h"

#include "base/Kinds.h"
#include "base/ShortStr.h"

namespace sorvane {

std::int32_t DueMinuteOfDay(std::int32_t msOfDay, std::int32_t freqMin, std::int32_t minCount) {
  const std::int64_t remaining = std::int64_t(freqMin) - minCount;
  std::int64_t due = (std::int64_t(msOfDay) + remaining * 60000) % kMsPerDay;
  if (due < 0) due += kMsPerDay;  // a due time in the past may fall on the day before
  return std::int32_t(due / 60000);
}

std::string FormatShortTime(const TShortTimeFormat& format, std::int32_t minuteOfDay) {
  int hour = minuteOfDay / 60;
  const int minute = minuteOfDay % 60;
  const std::string* designator = nullptr;
  if (format.TwelveHour) {
    designator = hour < 12 ? &format.AMDesignator : &format.PMDesignator;
    hour %= 12;
    if (hour == 0) hour = 12;
  }
  std::string time;
  if (format.LeadingZero && hour < 10) time += '0';
  time += std::to_string(hour);
  time += format.Separator;
  time += char('0' + minute / 10);
  time += char('0' + minute % 10);
  // An empty designator leaves no stray blank.
  if (!designator || designator->empty()) return time;
  return format.DesignatorBefore ? *designator + " " + time : time + " " + *designator;
}

namespace {

const char* StyleWord(std::int32_t dispType) {
  switch (dispType) {
    case dsNone: return "壁紙なし";
    case dsCenter: return "中央へ";
    case dsTile: return "タイル敷";
    default: return "全面拡大";
  }
}

}  // namespace

std::string ComposeTip(const TTipInput& in) {
  TShortStr s;
  s = "Sorvane：";
  if (in.TimerEnabled) {
    if (in.Paused) {
      s += "停止中";
    } else {
      s += in.DueTime;
      s += "頃";
    }
    s += "[隔";
    s += std::to_string(in.FreqMin);
    s += "分]";
    s += std::to_string(in.Count);
    s += "枚→";
    s += in.ChgMode == coListOrder ? "順次～" : "任意～";
  } else {
    s += "随時～";
  }
  s += StyleWord(in.DispType);
  return s.Str();
}

}  // namespace sorvane
