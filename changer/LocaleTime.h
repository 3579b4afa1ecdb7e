// The user's short time format, read from the locale at start and again
// whenever the regional settings may have changed.
#pragma once
#include "changer/TipText.h"

namespace sorvane {

// The format as last read.
const TShortTimeFormat& ShortTimeFormat();
// Reads the user's default locale now (at start, and whenever the regional
// settings may have changed).
void ReadShortTimeFormat();

}  // namespace sorvane
