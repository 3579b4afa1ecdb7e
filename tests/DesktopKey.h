// The current user's desktop values, under HKCU\Control Panel\desktop, as
// both Windows test layers set and read them.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

inline constexpr char kDesktop[] = "Control Panel\\desktop";

// The value's bytes as text; none when it is missing.
std::optional<std::string> FindDesktopValue(const char* name);
// The same, "" when it is missing.
std::string DesktopValue(const char* name);
void SetDesktopValue(const char* name, DWORD type, const void* data, DWORD size);
void SetDesktopValue(const char* name, const std::string& value);
void DeleteDesktopValue(const char* name);
// A centred wallpaper ("" for none): style 0, not tiled, and with originToo
// the placement origin 0 as well.
void CentredDesktop(const std::string& wallpaper, bool originToo = true);
