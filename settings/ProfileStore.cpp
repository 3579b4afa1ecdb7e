#include "settings/ProfileStore.h"

#include "settings/IniFile.h"

namespace sorvane {

TStoredSettings LoadStoredSettings(const std::string& iniName) {
  const TIniFile ini(iniName);
  return ReadStoredSettings([&](const std::string& section, const std::string& key, const std::string& def) {
    return ini.ReadString(section.c_str(), key, def);
  });
}

void SaveStoredSettings(const std::string& iniName, const TStoredSettings& s) {
  TIniReplacement file(iniName);
  const TIniFile ini(file.Name(), iniName);
  for (const TProfileWrite& w : StoredSettingsWrites(s)) {
    if (w.EraseSection) ini.EraseSection(w.Section.c_str());
    else ini.WriteString(w.Section.c_str(), w.Key, w.Value);
  }
  file.Commit();
}

}  // namespace sorvane
