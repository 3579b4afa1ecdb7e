#include "settings/IniSection.h"

#include "base/Mbcs.h"

namespace sorvane {

namespace {

std::string_view Trim(std::string_view s) {
  // Neither byte can be the second byte of a double-byte character.
  const std::size_t first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

bool SameAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
  return true;
}

}  // namespace

TIniSection::TIniSection(std::string_view lines) {
  std::string_view rest = lines;
  while (!rest.empty()) {
    const std::size_t end = rest.find('\0');
    const std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    if (line.empty()) break;  // the second zero byte: the end of the list
    // "=" cannot be the second byte of a double-byte character either.
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos)
      FLines.push_back({std::string(Trim(line)), {}, false});
    else
      FLines.push_back({std::string(Trim(line.substr(0, eq))), std::string(Trim(line.substr(eq + 1))), true});
  }
}

std::string TIniSection::Value(std::string_view key, std::string_view def) const {
  for (const TLine& l : FLines) {
    if (!SameAscii(l.Key, key)) continue;
    if (!l.HasValue) break;
    std::string_view v = l.Value;
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
      v = v.substr(1, v.size() - 2);
    return std::string(v);
  }
  return std::string(def);
}

std::string SectionLines(const std::vector<std::pair<std::string, std::string>>& keys) {
  std::string lines;
  for (const auto& [key, value] : keys) {
    lines += key;
    lines += '=';
    lines += value;
    lines += '\0';
  }
  return lines;
}

bool NamesHold(std::string_view names, std::string_view name) {
  while (!names.empty()) {
    const std::size_t end = names.find('\0');
    const std::string_view one = names.substr(0, end);
    if (one.empty()) break;
    if (SameAscii(one, name)) return true;
    names = end == std::string_view::npos ? std::string_view() : names.substr(end + 1);
  }
  return false;
}

}  // namespace sorvane
