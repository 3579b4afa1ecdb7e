#include "settings/StoredSettings.h"

#include "base/Mbcs.h"
#include "base/StrToInt.h"
#include "settings/IniSection.h"

namespace sorvane {

namespace {

// One section read whole, or, when that cannot be, its keys read one by one.
struct TSectionReader {
  TSectionReader(const TProfile& file, const char* section)
      : File(file), Name(section), Whole(file.ReadSection(section, Lines)) {}
  std::string String(const char* key, const char* def) const {
    return Whole ? SectionValue(Lines, key, def) : File.ReadString(Name, key, def);
  }
  std::int32_t Integer(const char* key, std::int32_t def) const { return StrToIntDef(String(key, ""), def); }

  const TProfile& File;
  const char* Name;
  std::string Lines;
  bool Whole;
};

// What a read gives of key when the section holds the line key=value.
std::string AsRead(const std::string& key, const std::string& value) {
  std::string line;
  AppendLine(line, key, value);
  return SectionValue(line, key, "");
}

// A default no stored value can be: text holds no control characters.
constexpr char kMissing[] = "\x01";

}  // namespace

TStoredSettings ReadStoredSettings(const TProfile& file) {
  TStoredSettings s;
  const TSectionReader list(file, "List");
  // Widened first: the magnitude of the lowest 32-bit value does not fit.
  std::int64_t keys = list.Integer("Count", 0);
  if (keys < 0) keys = -keys;
  if (keys > kMaxEntryKeys) keys = kMaxEntryKeys;
  s.Paths.reserve(std::size_t(keys));
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
  const std::string count = std::to_string(s.Paths.size());
  if (!file.HasSection("List")) {
    std::string lines;
    for (std::size_t k = 1; k <= s.Paths.size(); ++k) AppendLine(lines, std::to_string(k), s.Paths[k - 1]);
    AppendLine(lines, "Count", count);
    file.WriteSection("List", lines);
  } else {
    for (std::size_t k = 1; k <= s.Paths.size(); ++k) file.WriteString("List", std::to_string(k).c_str(), s.Paths[k - 1]);
    file.WriteString("List", "Count", count);
  }
  file.WriteString("Freq", "On", s.AutoChange ? "1" : "0");
  file.WriteString("Freq", "Min", std::to_string(s.Period));
  file.WriteString("Freq", "Random", std::to_string(std::int32_t(s.Order)));
}

bool HoldsStoredSettings(const TStoredSettings& s, const TProfile& file) {
  const auto holds = [](const TSectionReader& r, const std::string& key, const std::string& value) {
    return r.String(key.c_str(), kMissing) == AsRead(key, value);
  };
  const TSectionReader list(file, "List");
  if (!holds(list, "Count", std::to_string(s.Paths.size()))) return false;
  for (std::size_t k = 1; k <= s.Paths.size(); ++k)
    if (!holds(list, std::to_string(k), s.Paths[k - 1])) return false;
  const TSectionReader freq(file, "Freq");
  return holds(freq, "On", s.AutoChange ? "1" : "0") && holds(freq, "Min", std::to_string(s.Period)) &&
         holds(freq, "Random", std::to_string(std::int32_t(s.Order)));
}

}  // namespace sorvane
