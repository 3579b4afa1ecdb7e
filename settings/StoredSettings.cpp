#include "settings/StoredSettings.h"

#include "base/Mbcs.h"
#include "base/StrToInt.h"
#include "settings/IniSection.h"

namespace sorvane {

namespace {

// One section read whole, or, when that cannot be, its keys read one by one.
class TSectionReader {
 public:
  TSectionReader(const TProfile& file, const char* section)
      : FFile(file), FName(section), FLines(file.ReadSection(section)), FSection(FLines ? *FLines : "") {}
  std::string String(const char* key, const char* def) const {
    return FLines ? FSection.Value(key, def) : FFile.ReadString(FName, key, def);
  }
  std::int32_t Integer(const char* key, std::int32_t def) const { return StrToIntDef(String(key, ""), def); }

 private:
  const TProfile& FFile;
  const char* FName;
  std::optional<std::string> FLines;
  TIniSection FSection;
};

}  // namespace

TStoredSettings ReadStoredSettings(const TProfile& file) {
  TStoredSettings s;
  const TSectionReader list(file, "List");
  // Widened first: the magnitude of the lowest 32-bit value does not fit.
  std::int64_t keys = list.Integer("Count", 0);
  if (keys < 0) keys = -keys;
  if (keys > kMaxEntryKeys) keys = kMaxEntryKeys;
  for (std::int32_t k = 1; k <= keys; ++k)
    s.Paths.push_back(CutAtCharBoundary(list.String(std::to_string(k).c_str(), "s"), kMaxPathBytes));
  const TSectionReader freq(file, "Freq");
  s.AutoChange = freq.Integer("On", 0) != 0;
  const std::int32_t order = freq.Integer("Random", 1);
  s.Order = TChangeOrder(order < coNone ? coNone : order > coRandom ? coRandom : order);
  s.Period = ClampPeriod(freq.Integer("Min", 1));
  return s;
}

void WriteStoredSettings(const TStoredSettings& s, const TProfile& file) {
  file.EraseSection("List");
  std::vector<std::pair<std::string, std::string>> list;
  for (std::size_t k = 1; k <= s.Paths.size(); ++k) list.emplace_back(std::to_string(k), s.Paths[k - 1]);
  list.emplace_back("Count", std::to_string(s.Paths.size()));
  if (!file.HasSection("List")) {
    file.WriteSection("List", SectionLines(list));
  } else {
    for (const auto& [key, value] : list) file.WriteString("List", key.c_str(), value);
  }
  file.WriteString("Freq", "On", s.AutoChange ? "1" : "0");
  file.WriteString("Freq", "Min", std::to_string(s.Period));
  file.WriteString("Freq", "Random", std::to_string(std::int32_t(s.Order)));
}

}  // namespace sorvane
