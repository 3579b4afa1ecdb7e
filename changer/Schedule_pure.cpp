#include "changer/Schedule.h"

#include "changer/Random.h"

namespace sorvane {

std::int32_t WrapPosition(std::int64_t pos, std::int32_t n) {
  std::int64_t r = pos % n;
  if (r < 0) r += n;
  return std::int32_t(r);
}

TTickResult TSchedule::Tick() {
  if (Paused) return TTickResult::Ignored;
  if (MinCount < FreqMin) MinCount = (MinCount + 1) % FreqMin;
  else MinCount = 0;
  return MinCount == 0 ? TTickResult::ChangeDue : TTickResult::Counted;
}

std::optional<std::int32_t> TSchedule::ChoosePicture(std::int32_t count, TDispStyle style, TChangeOrder order,
                                                     std::uint32_t& seed) {
  if (style == dsNone || count <= 0) return std::nullopt;
  if (order == coRandom) {
    CurPos = Draw(seed, count);
  } else {
    CurPos = WrapPosition(ListPos, count);
    ListPos = WrapPosition(std::int64_t(CurPos) + 1, count);
  }
  return CurPos;
}

bool TSchedule::StepNext(std::int32_t count) {
  if (count <= 0) return false;
  ListPos = WrapPosition(std::int64_t(ListPos) + 1, count);
  return true;
}

bool TSchedule::StepBack(std::int32_t count) {
  if (count <= 0) return false;
  ListPos = WrapPosition(std::int64_t(count) + ListPos - 1, count);
  return true;
}

void TSchedule::TakeSelection(TChangeOrder order, std::int32_t selected) {
  if (order == coListOrder) ListPos = selected >= 0 ? selected : 0;
}

}  // namespace sorvane
