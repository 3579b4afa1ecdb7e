#include "settings/IniSection.h"

#include "base/Mbcs.h"

namespace sorvane {

namespace {

// None of " \t=\"'" can be the second byte of a double-byte character, so
// the lines are cut and trimmed byte by byte.
std::string_view Trim(std::string_view s) {
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

// The next zero-ended string of a list, or an empty one at its end.
std::string_view Next(std::string_view& rest) {
  const std::size_t end = rest.find('\0');
  const std::string_view one = rest.substr(0, end);
  rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  return one;
}

}  // namespace

std::string SectionValue(std::string_view lines, std::string_view key, std::string_view def) {
  for (std::string_view line = Next(lines); !line.empty(); line = Next(lines)) {
    const std::size_t eq = line.find('=');
    if (!SameAscii(Trim(line.substr(0, eq)), key)) continue;
    if (eq == std::string_view::npos) break;
    std::string_view v = Trim(line.substr(eq + 1));
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
      v = v.substr(1, v.size() - 2);
    return std::string(v);
  }
  return std::string(def);
}

void AppendLine(std::string& lines, std::string_view key, std::string_view value) {
  lines.append(key).append(1, '=').append(value).append(1, '\0');
}

bool NamesHold(std::string_view names, std::string_view name) {
  for (std::string_view one = Next(names); !one.empty(); one = Next(names))
    if (SameAscii(one, name)) return true;
  return false;
}

}  // namespace sorvane
