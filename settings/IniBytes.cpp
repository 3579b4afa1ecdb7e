#include "settings/IniBytes.h"

#include <windows.h>

#include "base/FileIO.h"
#include "base/Handle.h"
#include "settings/IniFile.h"
#include "settings/IniSection.h"
#include "settings/IniText.h"

namespace sorvane {

namespace {

class TIniBytes : public TProfile {
 public:
  TIniBytes(const std::string& fileName, const std::string& shownName)
      : FFileName(ProfilePath(fileName)), FShownName(shownName.empty() ? fileName : shownName) {}

  bool ReadSection(const char* section, std::string& lines) const override {
    Read().Section(section, lines);
    return true;
  }
  std::string ReadString(const char* section, const char* key, const char* def) const override {
    std::string lines;
    Read().Section(section, lines);
    return SectionValue(lines, key, def);
  }
  bool HasSection(const char* section) const override { return Read().HasSection(section); }
  void WriteSection(const char* section, const std::string& lines) const override {
    Rewrite([&](TIniText& t) { t.WriteSection(section, lines); });
  }
  void WriteString(const char* section, const char* key, const std::string& value) const override {
    Rewrite([&](TIniText& t) { t.WriteString(section, key, value); });
  }
  void EraseSection(const char* section) const override {
    Rewrite([&](TIniText& t) { t.EraseSection(section); });
  }

 private:
  TIniText Read() const {
    const TFileHandle h(CreateFileA(FFileName.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    std::string bytes;
    if (!h || !ReadWholeFile(h, kMaxSettingsBytes, bytes)) bytes.clear();
    return TIniText(bytes);
  }

  template <class Change>
  void Rewrite(Change change) const {
    const TFileHandle h(CreateFileA(FFileName.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    std::string bytes;
    if (!h || !ReadWholeFile(h, kMaxSettingsBytes, bytes)) CannotWrite(FShownName);
    TIniText text(bytes);
    change(text);
    bytes = text.Bytes();
    if (!WriteAt(h, 0, bytes.data(), bytes.size()) || !EndAt(h, bytes.size())) CannotWrite(FShownName);
  }

  std::string FFileName;
  std::string FShownName;
};

}  // namespace

std::unique_ptr<TProfile> OpenSettingsBytes(const std::string& fileName, const std::string& shownName) {
  return std::make_unique<TIniBytes>(fileName, shownName);
}

std::unique_ptr<TProfile> OpenSettingsFile(const std::string& fileName, const std::string& shownName) {
  if (GetACP() == 932) return std::make_unique<TIniFile>(fileName, shownName);
  return OpenSettingsBytes(fileName, shownName);
}

}  // namespace sorvane
