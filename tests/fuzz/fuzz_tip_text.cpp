// The tray status text and its due time: any inputs give a text of at most
// 255 bytes that starts with the product's prefix, a due time made of whole
// characters, and a due minute within the day.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/Mbcs.h"
#include "changer/TipText.h"

namespace {
bool EndsInsideCharacter(const std::string& s) {
  std::size_t i = 0;
  while (i < s.size()) {
    if (sorvane::IsLeadByte932(static_cast<unsigned char>(s[i]))) {
      if (i + 1 == s.size()) return true;
      i += 2;
    } else {
      ++i;
    }
  }
  return false;
}

struct Reader {
  const std::uint8_t* Data;
  std::size_t Size;
  std::int32_t Int() {
    std::int32_t v = 0;
    if (Size >= 4) {
      std::memcpy(&v, Data, 4);
      Data += 4;
      Size -= 4;
    }
    return v;
  }
  std::string Text() {
    const std::size_t n = Size ? Data[0] % 200 : 0;
    if (Size) {
      ++Data;
      --Size;
    }
    const std::size_t take = n < Size ? n : Size;
    std::string s(reinterpret_cast<const char*>(Data), take);
    Data += take;
    Size -= take;
    // Locale texts are whole characters: drop a lone lead byte at the end.
    if (!s.empty() && EndsInsideCharacter(s)) s.pop_back();
    return s;
  }
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Reader r{data, size};
  const std::int32_t flags = r.Int();
  sorvane::TShortTimeFormat fmt;
  fmt.LeadingZero = flags & 1;
  fmt.TwelveHour = flags & 2;
  fmt.DesignatorBefore = flags & 4;
  fmt.Separator = r.Text();
  fmt.AMDesignator = r.Text();
  fmt.PMDesignator = r.Text();
  const std::int32_t ms = r.Int(), freq = r.Int(), count = r.Int();
  const std::int32_t msOfDay = static_cast<std::int32_t>(static_cast<std::uint32_t>(ms) % sorvane::kMsPerDay);
  const std::int32_t due = sorvane::DueMinuteOfDay(msOfDay, freq, count);
  if (due < 0 || due >= sorvane::kMinutesPerDay) std::abort();
  sorvane::TTipInput in;
  in.TimerEnabled = flags & 8;
  in.Paused = flags & 16;
  in.DueTime = sorvane::FormatShortTime(fmt, due);
  in.FreqMin = freq;
  in.Count = count;
  in.ChgMode = r.Int();
  in.DispType = r.Int();
  const std::string tip = sorvane::ComposeTip(in);
  if (tip.size() > 255) std::abort();
  // (The literals are UTF-8 in this clang build, so only the parts made of
  // the locale's own texts are checked for whole characters.)
  if (EndsInsideCharacter(in.DueTime)) std::abort();
  if (tip.rfind("Sorvane", 0) != 0) std::abort();
  return 0;
}
