#include "settings/StoredSettings.h"

#include "base/Mbcs.h"
#include "base/StrToInt.h"

namespace sorvane {

namespace {

std::int32_t ReadInteger(const TProfileRead& read, const char* section, const char* key, std::int32_t def) {
  return StrToIntDef(read(section, key, ""), def);
}

}  // namespace

TStoredSettings ReadStoredSettings(const TProfileRead& read) {
  TStoredSettings s;
  // Widened first: the magnitude of the lowest 32-bit value does not fit.
  std::int64_t keys = ReadInteger(read, "List", "Count", 0);
  if (keys < 0) keys = -keys;
  if (keys > kMaxEntryKeys) keys = kMaxEntryKeys;
  for (std::int64_t k = 1; k <= keys; ++k)
    s.Paths.push_back(CutAtCharBoundary(read("List", std::to_string(k), "s"), kMaxPathBytes));
  s.AutoChange = ReadInteger(read, "Freq", "On", 0) != 0;
  const std::int32_t order = ReadInteger(read, "Freq", "Random", 1);
  s.Order = TChangeOrder(order < coNone ? coNone : order > coRandom ? coRandom : order);
  s.Period = ClampPeriod(ReadInteger(read, "Freq", "Min", 1));
  return s;
}

std::vector<TProfileWrite> StoredSettingsWrites(const TStoredSettings& s) {
  std::vector<TProfileWrite> w;
  w.push_back({"List", "", "", true});
  for (std::size_t k = 1; k <= s.Paths.size(); ++k) w.push_back({"List", std::to_string(k), s.Paths[k - 1]});
  w.push_back({"List", "Count", std::to_string(s.Paths.size())});
  w.push_back({"Freq", "On", s.AutoChange ? "1" : "0"});
  w.push_back({"Freq", "Min", std::to_string(s.Period)});
  w.push_back({"Freq", "Random", std::to_string(std::int32_t(s.Order))});
  return w;
}

}  // namespace sorvane
