// The settings file reached through its bytes, for where the ANSI code page
// is not the file's own: the profile calls would convert its Shift-JIS
// names from and to that code page and lose them (under UTF-8 each becomes
// U+FFFD). Read and written as the profile calls read and write it
// (IniText.h); nothing is held open between two calls.
#pragma once
#include <memory>
#include <string>

#include "settings/StoredSettings.h"

namespace sorvane {

// The file through its bytes. A file that is missing or cannot be read
// holds no sections. Each write rewrites the whole file where it stands
// (the first creates it) and raises EError "<file> に書き込めません",
// naming shownName when it is given, when it cannot.
std::unique_ptr<TProfile> OpenSettingsBytes(const std::string& fileName, const std::string& shownName = {});

// The settings file as the program reaches it: through the profile calls
// where the ANSI code page is 932, the one its names are written in, and
// through its bytes under any other, whose conversions would lose them.
std::unique_ptr<TProfile> OpenSettingsFile(const std::string& fileName, const std::string& shownName = {});

}  // namespace sorvane
