// The user's choices that both the settings and the changer read: display
// style, change order and the period's range. Values are the radio groups'
// item indexes and the numbers the settings file stores.
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
