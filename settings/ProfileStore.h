// The stored settings over the settings file's profile calls.
#pragma once
#include <string>

#include "settings/StoredSettings.h"

namespace sorvane {

// Reading never fails: a missing file gives the defaults.
TStoredSettings LoadStoredSettings(const std::string& iniName);
// Raises EError "<file> に書き込めません" at the first refused write. The
// writes go to a copy that replaces the file only when all of them went
// through, so a failed or interrupted save leaves the old file whole.
void SaveStoredSettings(const std::string& iniName, const TStoredSettings& s);

}  // namespace sorvane
