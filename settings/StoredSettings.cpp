#include "settings/StoredSettings.h"

#include "base/Mbcs.h"
#include "base/StrToInt.h"

namespace sorvane {

namespace {

std::int32_t ReadInteger(const TProfile& file, const char* section, const char* key, std::int32_t def) {
  return StrToIntDef(file.ReadString(section, key, ""), def);
}

}  // namespace

TStoredSettings ReadStoredSettings(const TProfile& read) {
  TStoredSettings s;
  // Widened first: the magnitude of the lowest 32-bit value does not fit.
  std::int64_t keys = ReadInteger(read, "List", "Count", 0);
  if (keys < 0) keys = -keys;
  if (keys > kMaxEntryKeys) keys = kMaxEntryKeys;
  for (std::int32_t k = 1; k <= keys; ++k)
    s.Paths.push_back(CutAtCharBoundary(read.ReadString("List", std::to_string(k).c_str(), "s"), kMaxPathBytes));
  s.AutoChange = ReadInteger(read, "Freq", "On", 0) != 0;
  const std::int32_t order = ReadInteger(read, "Freq", "Random", 1);
  s.Order = TChangeOrder(order < coNone ? coNone : order > coRandom ? coRandom : order);
  s.Period = ClampPeriod(ReadInteger(read, "Freq", "Min", 1));
  return s;
}

void WriteStoredSettings(const TStoredSettings& s, const TProfile& file) {
  file.EraseSection("List");
  for (std::size_t k = 1; k <= s.Paths.size(); ++k) file.WriteString("List", std::to_string(k).c_str(), s.Paths[k - 1]);
  file.WriteString("List", "Count", std::to_string(s.Paths.size()));
  file.WriteString("Freq", "On", s.AutoChange ? "1" : "0");
  file.WriteString("Freq", "Min", std::to_string(s.Period));
  file.WriteString("Freq", "Random", std::to_string(std::int32_t(s.Order)));
}

}  // namespace sorvane
