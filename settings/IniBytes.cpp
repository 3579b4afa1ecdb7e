#include "settings/IniBytes.h"

#include <windows.h>

#include "base/FileRead.h"
#include "base/Handle.h"
#include "settings/IniFile.h"
#include "settings/IniSection.h"

namespace sorvane {

TIniBytes::TIniBytes(const std::string& fileName, std::string shownName)
    : FFileName(ProfilePath(fileName)), FShownName(shownName.empty() ? fileName : std::move(shownName)) {}

TIniText TIniBytes::Read() const {
  const TFileHandle h(CreateFileA(FFileName.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  std::string bytes;
  if (!h || !ReadWholeFile(h, kMaxSettingsBytes, bytes)) bytes.clear();
  return TIniText(bytes);
}

template <class Change>
void TIniBytes::Rewrite(Change change) const {
  const TFileHandle h(CreateFileA(FFileName.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  std::string bytes;
  if (!h || !ReadWholeFile(h, kMaxSettingsBytes, bytes)) CannotWrite(FShownName);
  TIniText text(bytes);
  change(text);
  bytes = text.Bytes();
  DWORD put = 0;
  if (SetFilePointer(h, 0, nullptr, FILE_BEGIN) != 0 ||
      (!bytes.empty() && (!WriteFile(h, bytes.data(), DWORD(bytes.size()), &put, nullptr) || put != bytes.size())) ||
      !SetEndOfFile(h))
    CannotWrite(FShownName);
}

bool TIniBytes::ReadSection(const char* section, std::string& lines) const {
  Read().Section(section, lines);
  return true;
}

std::string TIniBytes::ReadString(const char* section, const char* key, const char* def) const {
  std::string lines;
  Read().Section(section, lines);
  return SectionValue(lines, key, def);
}

bool TIniBytes::HasSection(const char* section) const { return Read().HasSection(section); }

void TIniBytes::WriteSection(const char* section, const std::string& lines) const {
  Rewrite([&](TIniText& t) { t.WriteSection(section, lines); });
}

void TIniBytes::WriteString(const char* section, const char* key, const std::string& value) const {
  Rewrite([&](TIniText& t) { t.WriteString(section, key, value); });
}

void TIniBytes::EraseSection(const char* section) const {
  Rewrite([&](TIniText& t) { t.EraseSection(section); });
}

std::unique_ptr<TProfile> OpenSettingsFile(const std::string& fileName, const std::string& shownName) {
  if (GetACP() == 932) return std::make_unique<TIniFile>(fileName, shownName);
  return std::make_unique<TIniBytes>(fileName, shownName);
}

}  // namespace sorvane
