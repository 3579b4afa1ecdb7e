// Desktop helpers shared by the settings, the changer and the list: the file
// existence test and the one wallpaper call.
#pragma once
#include <string>

namespace sorvane {

// A path names an existing file when FindFirstFileA finds an entry of that
// name that is not a folder. Relative paths use the current folder; names
// with wildcards name no file.
bool FileExists(const std::string& path);

// SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, path, SPIF_UPDATEINIFILE |
// SPIF_SENDWININICHANGE); a null path removes the wallpaper. The result is
// not examined.
void SetDeskWallpaper(const char* path);

}  // namespace sorvane
