#include "settings/IniFile.h"

#include <windows.h>

#include "base/Error.h"
#include "base/Mbcs.h"
#include "settings/IniSection.h"

namespace sorvane {

// The read fills the buffer with the section's lines (or the file's section
// names) and says how much it gave; a buffer too short for all of it gets
// the part that fits and the answer "size - 2". In code page 932 the lines
// are never longer than the file, so a buffer of the file's size is enough
// at once; the doubling is for platforms that say otherwise.
bool TIniFile::ReadList(const char* section, std::string& list) const {
  constexpr DWORD kLargest = 16u << 20;
  WIN32_FILE_ATTRIBUTE_DATA data{};
  DWORD size = 1024;
  if (GetFileAttributesExA(FFileName.c_str(), GetFileExInfoStandard, &data) && data.nFileSizeHigh == 0 &&
      data.nFileSizeLow < kLargest && data.nFileSizeLow + 64 > size)
    size = data.nFileSizeLow + 64;
  for (; size <= kLargest; size *= 2) {
    list.assign(size, '\0');
    const DWORD n = section ? GetPrivateProfileSectionA(section, list.data(), size, FFileName.c_str())
                            : GetPrivateProfileSectionNamesA(list.data(), size, FFileName.c_str());
    if (n + 2 < size) {
      list.resize(n);
      return true;
    }
  }
  list.clear();
  return false;
}

bool TIniFile::ReadSection(const char* section, std::string& lines) const { return ReadList(section, lines); }

bool TIniFile::HasSection(const char* section) const {
  std::string names;
  // Not to be had whole: say yes, and the writes go key by key.
  return !ReadList(nullptr, names) || NamesHold(names, section);
}

std::string TIniFile::ReadString(const char* section, const char* key, const char* def) const {
  char buf[1024];
  const DWORD n = GetPrivateProfileStringA(section, key, def, buf, sizeof buf, FFileName.c_str());
  return std::string(buf, n < sizeof buf ? n : sizeof buf - 1);
}

void TIniFile::WriteSection(const char* section, const std::string& lines) const {
  // c_str() adds the second zero byte that ends the list.
  if (!WritePrivateProfileSectionA(section, lines.c_str(), FFileName.c_str())) WriteFailed();
}

void TIniFile::WriteString(const char* section, const char* key, const std::string& value) const {
  if (!WritePrivateProfileStringA(section, key, value.c_str(), FFileName.c_str())) WriteFailed();
}

void TIniFile::EraseSection(const char* section) const {
  if (!WritePrivateProfileStringA(section, nullptr, nullptr, FFileName.c_str())) WriteFailed();
}

void TIniFile::WriteFailed() const {
  throw EError(FormatS("%s に書き込めません", FShownName.empty() ? FFileName : FShownName));
}

TIniReplacement::TIniReplacement(std::string fileName) : FFileName(std::move(fileName)) {
  const DWORD attr = GetFileAttributesA(FFileName.c_str());
  if (attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_READONLY)) return;
  if (attr == INVALID_FILE_ATTRIBUTES && GetLastError() != ERROR_FILE_NOT_FOUND) return;
  const std::string copy = FFileName + ".new";
  bool made;
  if (attr != INVALID_FILE_ATTRIBUTES) {
    made = CopyFileA(FFileName.c_str(), copy.c_str(), FALSE) != 0;
  } else {
    HANDLE h = CreateFileA(copy.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    made = h != INVALID_HANDLE_VALUE;
    if (made) CloseHandle(h);
  }
  if (made) FCopy = copy;
}

TIniReplacement::~TIniReplacement() {
  if (!FCopy.empty()) DeleteFileA(FCopy.c_str());
}

void TIniReplacement::Commit() {
  if (FCopy.empty()) return;
  // Whatever the profile calls still hold goes to the disk before the swap.
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, FCopy.c_str());
  HANDLE h = CreateFileA(FCopy.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h != INVALID_HANDLE_VALUE) {
    FlushFileBuffers(h);
    CloseHandle(h);
  }
  if (!MoveFileExA(FCopy.c_str(), FFileName.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    throw EError(FormatS("%s に書き込めません", FFileName));
  FCopy.clear();
}

}  // namespace sorvane
