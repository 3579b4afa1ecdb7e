#include "settings/IniFile.h"

#include <windows.h>

#include "base/Error.h"
#include "base/Mbcs.h"
#include "base/StrToInt.h"

namespace sorvane {

std::string TIniFile::ReadString(const char* section, const std::string& key, const std::string& def) const {
  char buf[1024];
  const DWORD n = GetPrivateProfileStringA(section, key.c_str(), def.c_str(), buf, sizeof buf, FFileName.c_str());
  return std::string(buf, n < sizeof buf ? n : sizeof buf - 1);
}

std::int32_t TIniFile::ReadInteger(const char* section, const std::string& key, std::int32_t def) const {
  return StrToIntDef(ReadString(section, key, ""), def);
}

void TIniFile::WriteString(const char* section, const std::string& key, const std::string& value) const {
  if (!WritePrivateProfileStringA(section, key.c_str(), value.c_str(), FFileName.c_str())) WriteFailed();
}

void TIniFile::EraseSection(const char* section) const {
  if (!WritePrivateProfileStringA(section, nullptr, nullptr, FFileName.c_str())) WriteFailed();
}

void TIniFile::WriteFailed() const { throw EError(FormatS("%s に書き込めません", FFileName)); }

}  // namespace sorvane
