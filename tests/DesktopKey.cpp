#include "tests/DesktopKey.h"

std::optional<std::string> FindDesktopValue(const char* name) {
  char buf[2048] = {};
  DWORD size = sizeof buf - 1;
  if (RegGetValueA(HKEY_CURRENT_USER, kDesktop, name, RRF_RT_ANY | RRF_NOEXPAND, nullptr, buf, &size) != ERROR_SUCCESS)
    return std::nullopt;
  return std::string(buf);
}

std::string DesktopValue(const char* name) { return FindDesktopValue(name).value_or(""); }

void SetDesktopValue(const char* name, DWORD type, const void* data, DWORD size) {
  HKEY key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kDesktop, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr)) return;
  RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
  RegCloseKey(key);
}

void SetDesktopValue(const char* name, const std::string& value) {
  SetDesktopValue(name, REG_SZ, value.c_str(), DWORD(value.size() + 1));
}

void DeleteDesktopValue(const char* name) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kDesktop, 0, KEY_SET_VALUE, &key)) return;
  RegDeleteValueA(key, name);
  RegCloseKey(key);
}

void CentredDesktop(const std::string& wallpaper, bool originToo) {
  SetDesktopValue("Wallpaper", wallpaper);
  SetDesktopValue("WallpaperStyle", "0");
  SetDesktopValue("TileWallpaper", "0");
  if (!originToo) return;
  SetDesktopValue("WallPaperOriginX", "0");
  SetDesktopValue("WallPaperOriginY", "0");
}
