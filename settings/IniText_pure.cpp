#include "settings/IniText.h"

#include "base/Mbcs.h"
#include "settings/IniSection.h"

namespace sorvane {

namespace {

// "[" and "]" can be the second byte of a double-byte character, but a
// section name the program looks for is ASCII.
bool IsHeader(std::string_view line) {
  const std::string_view t = Trim(line);
  return !t.empty() && t.front() == '[' && t.find_last_of(']') != std::string_view::npos;
}

std::string_view HeaderName(std::string_view line) {
  const std::string_view t = Trim(line);
  return Trim(t.substr(1, t.find_last_of(']') - 1));
}

bool IsKeyLine(std::string_view line) {
  const std::string_view t = Trim(line);
  return !t.empty() && t.front() != ';';
}

std::string_view KeyOf(std::string_view line) { return Trim(line.substr(0, line.find('='))); }

std::string Line(std::string_view key, std::string_view value) {
  return std::string(key).append(1, '=').append(value);
}

}  // namespace

TIniText::TIniText(std::string_view bytes) {
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    FLines.emplace_back(line);
    bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
  }
}

std::size_t TIniText::Header(std::string_view name) const {
  for (std::size_t i = 0; i < FLines.size(); ++i)
    if (IsHeader(FLines[i]) && SameAscii(HeaderName(FLines[i]), name)) return i;
  return kNone;
}

std::size_t TIniText::BodyEnd(std::size_t header) const {
  std::size_t end = header + 1;
  for (std::size_t i = header + 1; i < FLines.size() && !IsHeader(FLines[i]); ++i)
    if (!Trim(FLines[i]).empty()) end = i + 1;
  return end;
}

std::size_t TIniText::AddSection(std::string_view name) {
  FLines.push_back("[" + std::string(name) + "]");
  return FLines.size() - 1;
}

bool TIniText::Section(std::string_view name, std::string& lines) const {
  lines.clear();
  const std::size_t header = Header(name);
  if (header == kNone) return false;
  for (std::size_t i = header + 1, end = BodyEnd(header); i < end; ++i)
    if (IsKeyLine(FLines[i])) lines.append(Trim(FLines[i])).append(1, '\0');
  return true;
}

void TIniText::EraseSection(std::string_view name) {
  const std::size_t header = Header(name);
  if (header == kNone) return;
  std::size_t end = header + 1;
  while (end < FLines.size() && !IsHeader(FLines[end])) ++end;
  FLines.erase(FLines.begin() + std::ptrdiff_t(header), FLines.begin() + std::ptrdiff_t(end));
}

void TIniText::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  std::size_t header = Header(section);
  if (header == kNone) header = AddSection(section);
  const std::size_t end = BodyEnd(header);
  for (std::size_t i = header + 1; i < end; ++i)
    if (IsKeyLine(FLines[i]) && SameAscii(KeyOf(FLines[i]), key)) {
      FLines[i] = Line(KeyOf(FLines[i]), value);  // spelt as it was
      return;
    }
  FLines.insert(FLines.begin() + std::ptrdiff_t(end), Line(key, value));
}

void TIniText::WriteSection(std::string_view section, std::string_view lines) {
  std::size_t header = Header(section);
  if (header == kNone) header = AddSection(section);
  std::vector<std::string> body;
  for (std::string_view line = NextString(lines); !line.empty(); line = NextString(lines)) body.emplace_back(line);
  FLines.erase(FLines.begin() + std::ptrdiff_t(header + 1), FLines.begin() + std::ptrdiff_t(BodyEnd(header)));
  FLines.insert(FLines.begin() + std::ptrdiff_t(header + 1), body.begin(), body.end());
}

std::string TIniText::Bytes() const {
  std::string bytes;
  for (const std::string& line : FLines) bytes.append(line).append("\r\n");
  return bytes;
}

}  // namespace sorvane
