// The user's choices that the window's rules, the settings and the changer
// all read: the display style and the change order as the radio groups'
// item indices (and the numbers the settings file stores), and the range of
// the period. A group may also hold -1 (nothing chosen), so they stay plain
// enumerations over the index.
#pragma once
#include <cstdint>

namespace sorvane {

enum TDispStyle : std::int32_t { dsNone = 0, dsCenter = 1, dsTile = 2, dsStretch = 3 };

// coNone comes from a negative stored order; it chooses like list order.
enum TChangeOrder : std::int32_t { coNone = -1, coListOrder = 0, coRandom = 1 };

constexpr std::int32_t kMinPeriod = 1;
constexpr std::int32_t kMaxPeriod = 1440;
constexpr std::int32_t ClampPeriod(std::int32_t minutes) {
  return minutes < kMinPeriod ? kMinPeriod : minutes > kMaxPeriod ? kMaxPeriod : minutes;
}

}  // namespace sorvane
