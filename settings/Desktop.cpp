#include "settings/Desktop.h"

#include <windows.h>

#include "base/Platform.h"
#include "settings/PathFolder.h"

namespace sorvane {

bool FileExists(const std::string& path) {
  // Wildcards cannot be part of a file name; FindFirstFileA would match
  // some other file with them. Neither byte can be a trail byte.
  if (path.find_first_of("*?") != std::string::npos) return false;
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA(path.c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return false;
  FindClose(h);
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
