// Desktop helpers shared by the settings, the changer and the list: the file
// existence test and the one wallpaper call.
#pragma once
#include <string>

namespace sorvane {

// A path names an existing file when FindFirstFileA finds an entry of that
// name that is not a folder. Relative paths use the current folder; names
// with wildcards name no file.
bool FileExists(const std::string& path);

// The file is known to be gone: its folder is there and the file in it is
// not. A picture on a drive that is not ready, a share not yet connected or
// a folder that cannot be reached is not known to be gone.
bool FileIsGone(const std::string& path);

// SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, path, SPIF_UPDATEINIFILE |
// SPIF_SENDWININICHANGE). The result is not examined.
void SetDeskWallpaper(const char* path);
// The same call with an empty path: no wallpaper at all. (A null path would
// bring back the system's default picture instead.)
void RemoveDeskWallpaper();

}  // namespace sorvane
