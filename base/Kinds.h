// The choices of the display-style and change-order radio groups, as their
// item indices: the window's rules, the settings and the changer compare the
// groups' item index with these. A group may also hold -1 (nothing chosen),
// so they stay plain enumerations over the index.
#pragma once
#include <cstdint>

namespace sorvane {

enum TDisplayStyle : std::int32_t { dsNone = 0, dsCenter = 1, dsTile = 2, dsStretch = 3 };

enum TChangeOrder : std::int32_t { coListOrder = 0, coRandom = 1 };

}  // namespace sorvane
