// The settings file reached through its bytes, for where the ANSI code page
// is not the file's own: the profile calls would convert its Shift-JIS
// names from and to that code page and lose them (under UTF-8 each becomes
// U+FFFD). Read and written as the profile calls read and write it
// (IniText.h); nothing is held open between two calls.
#pragma once
#include <memory>
#include <string>

#include "settings/IniText.h"
#include "settings/StoredSettings.h"

namespace sorvane {

class TIniBytes : public TProfile {
 public:
  // Write errors name shownName (the file the user knows) when it is given.
  explicit TIniBytes(const std::string& fileName, std::string shownName = {});

  // A file that is missing or cannot be read holds no sections.
  bool ReadSection(const char* section, std::string& lines) const override;
  std::string ReadString(const char* section, const char* key, const char* def) const override;
  bool HasSection(const char* section) const override;
  // Each rewrites the whole file where it stands (the first creates it),
  // and raises EError "<file> に書き込めません" when it cannot.
  void WriteSection(const char* section, const std::string& lines) const override;
  void WriteString(const char* section, const char* key, const std::string& value) const override;
  void EraseSection(const char* section) const override;

 private:
  TIniText Read() const;
  template <class Change>
  void Rewrite(Change change) const;
  std::string FFileName;
  std::string FShownName;
};

// The settings file as the program reaches it: through the profile calls
// where the ANSI code page is 932, the one its names are written in, and
// through its bytes under any other, whose conversions would lose them.
std::unique_ptr<TProfile> OpenSettingsFile(const std::string& fileName, const std::string& shownName = {});

}  // namespace sorvane
