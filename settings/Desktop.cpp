#include "settings/Desktop.h"

#include <windows.h>

#include "base/Handle.h"
#include "base/Mbcs.h"
#include "base/Platform.h"
#include "settings/PathFolder.h"

namespace sorvane {

namespace {

// A name the attribute query reads the way the search does: no stream or
// device part after the drive (":" cannot be the second byte of a
// double-byte character), and no separator as its last character (0x5C can
// be: the second byte of 表 or ソ).
bool PlainName(const std::string& path) {
  if (path.empty() || path.find(':', 2) != std::string::npos) return false;
  const std::size_t last = LastCharOffset(path);
  return last != path.size() - 1 || (path.back() != '\\' && path.back() != '/');
}

}  // namespace

bool FileExists(const std::string& path) {
  // Wildcards cannot be part of a file name; FindFirstFileA would match
  // some other file with them. Neither byte can be a trail byte.
  if (path.find_first_of("*?") != std::string::npos) return false;
  // The usual answer, a plain name of a file that is there, costs one
  // attribute query instead of a folder search; any other answer is the
  // search's.
  if (PlainName(path)) {
    const DWORD attr = GetFileAttributesA(path.c_str());
    if (attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY) == 0) return true;
  }
  WIN32_FIND_DATAA fd;
  if (!TFindHandle(FindFirstFileA(path.c_str(), &fd))) return false;
  // Whatever its time stamp: a file last written before 1980 or after 2107
  // is still there.
  return (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool FileIsGone(const std::string& path) {
  if (FileExists(path)) return false;
  const std::string folder = FolderOfPath(path);
  if (folder.empty()) return true;  // the current folder
  const DWORD attr = GetFileAttributesA(folder.c_str());
  return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

void SetDeskWallpaper(const char* path) { Platform().SetDeskWallpaper(path); }

void RemoveDeskWallpaper() { Platform().SetDeskWallpaper(""); }

}  // namespace sorvane
