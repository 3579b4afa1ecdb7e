#include "settings/IniFile.h"

#include <windows.h>

#include "base/Error.h"
#include "base/FileIO.h"
#include "base/Handle.h"
#include "base/Mbcs.h"
#include "settings/IniSection.h"
#include "settings/PathFolder.h"

namespace sorvane {

// The read fills the buffer with the section's lines (or the file's section
// names) and says how much it gave; a buffer too short for all of it gets
// the part that fits and the answer "size - 2". In code page 932 the lines
// are never longer than the file, so a buffer of the file's size is enough
// at once; the doubling is for platforms that say otherwise.
bool TIniFile::ReadList(const char* section, std::string& list) const {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  DWORD size = 1024;
  if (GetFileAttributesExA(FFileName.c_str(), GetFileExInfoStandard, &data) && data.nFileSizeHigh == 0 &&
      data.nFileSizeLow < kMaxSettingsBytes && data.nFileSizeLow + 64 > size)
    size = data.nFileSizeLow + 64;
  for (; size <= kMaxSettingsBytes; size *= 2) {
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
  char buf[kMaxValueBytes + 1];
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

void TIniFile::WriteFailed() const { CannotWrite(FShownName.empty() ? FFileName : FShownName); }

void CannotWrite(const std::string& fileName) { throw EError(FormatS("%s に書き込めません", fileName)); }

std::string ProfilePath(const std::string& name) {
  if (!FolderOfPath(name).empty()) return name;
  char dir[MAX_PATH];
  const UINT n = GetWindowsDirectoryA(dir, sizeof dir);
  if (n == 0 || n >= sizeof dir) return name;
  const std::string folder(dir, n);
  return folder + (n == 3 ? "" : "\\") + name;  // "C:\" ends in its separator
}

namespace {

// A copy of the file at copy, or an empty file there when there is none to
// copy; a copy that could not be made whole is not left behind.
bool MakeCopy(const std::string& file, bool fileIsThere, const std::string& copy) {
  bool made;
  if (fileIsThere) {
    made = CopyFileA(file.c_str(), copy.c_str(), FALSE) != 0;
  } else {
    made = bool(TFileHandle(
        CreateFileA(copy.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)));
  }
  if (!made) DeleteFileA(copy.c_str());
  return made;
}

// The bytes over the file's own. Those past the old end go first: when the
// disk has no room for them the file is cut back to its old length and
// nothing of it has changed. Then the rest overwrites what is there, which
// needs no new room, and the file ends where the bytes do. False, with the
// old bytes put back, when any step fails.
bool Overwrite(HANDLE h, const std::string& bytes) {
  std::string old;
  if (!ReadWholeFile(h, kMaxSettingsBytes, old)) return false;
  const std::size_t head = old.size() < bytes.size() ? old.size() : bytes.size();
  if (WriteAt(h, head, bytes.data() + head, bytes.size() - head) && WriteAt(h, 0, bytes.data(), head) &&
      EndAt(h, bytes.size()) && FlushFileBuffers(h))
    return true;
  WriteAt(h, 0, old.data(), old.size());
  EndAt(h, old.size());
  return false;
}

}  // namespace

TIniReplacement::TIniReplacement(const std::string& fileName)
    : FShownName(fileName), FFileName(ProfilePath(fileName)) {
  const DWORD attr = GetFileAttributesA(FFileName.c_str());
  FFileWasThere = attr != INVALID_FILE_ATTRIBUTES;
  // A read-only file is kept as it is, and so is one that cannot be looked at.
  if (FFileWasThere ? (attr & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0
                    : GetLastError() != ERROR_FILE_NOT_FOUND)
    Failed();
  const std::string beside = FFileName + ".new";
  if (MakeCopy(FFileName, FFileWasThere, beside)) {
    FCopy = beside;
    FBeside = true;
    return;
  }
  // Named after the file, so that a copy a save cut short left behind is
  // taken over by the next save.
  char dir[MAX_PATH];
  const DWORD n = GetTempPathA(sizeof dir, dir);
  if (n == 0 || n >= sizeof dir) Failed();
  std::string name = FFileName.substr(FolderOfPath(FFileName).size());
  if (!name.empty() && (name[0] == '\\' || name[0] == '/')) name.erase(0, 1);  // a root keeps its separator
  FCopy = std::string(dir, n) + name + ".new";
  if (!MakeCopy(FFileName, FFileWasThere, FCopy)) {
    FCopy.clear();
    Failed();
  }
}

TIniReplacement::~TIniReplacement() {
  if (!FCopy.empty()) DeleteFileA(FCopy.c_str());
}

void TIniReplacement::Failed() const { CannotWrite(FShownName); }

void TIniReplacement::Commit(const TStoredSettings& s, const TProfile& copy) {
  // Whatever the profile calls still hold goes to the disk, and what they
  // read next comes from it.
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, FCopy.c_str());
  if (!HoldsStoredSettings(s, copy)) Failed();
  if (!FBeside) {
    OverwriteFile();
    return;
  }
  {
    const TFileHandle h(CreateFileA(FCopy.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (h) FlushFileBuffers(h);
  }
  if (!MoveFileExA(FCopy.c_str(), FFileName.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) Failed();
  FCopy.clear();
}

void TIniReplacement::OverwriteFile() const {
  std::string bytes;
  {
    const TFileHandle copy(CreateFileA(FCopy.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!copy || !ReadWholeFile(copy, kMaxSettingsBytes, bytes)) Failed();
  }
  bool done;
  {
    const TFileHandle h(CreateFileA(FFileName.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    FFileWasThere ? OPEN_EXISTING : CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!h) Failed();
    done = Overwrite(h, bytes);
  }
  if (done) return;
  if (!FFileWasThere) DeleteFileA(FFileName.c_str());
  Failed();
}

}  // namespace sorvane
