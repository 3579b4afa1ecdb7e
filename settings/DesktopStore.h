// The desktop values over the registry and the background system colour.
#pragma once
#include "settings/DesktopValues.h"
#include "settings/Registry.h"

namespace sorvane {

// Reads through reg, which holds "Control panel" open for one half of a load.
TValueRead DesktopReader(TDesktopRegistry& reg);

// Sets the background colour, then writes the four values under "Control
// panel" opened for this call. Raises EError at the first refused write.
void SaveDesktopValues(const TDesktopValues& v);

}  // namespace sorvane
