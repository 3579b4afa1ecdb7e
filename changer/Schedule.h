// The changer's schedule without the window: the minute count, the period in
// force, the pause, and the list positions of the next and last change.
#pragma once
#include <cstdint>
#include <optional>

#include "base/Kinds.h"

namespace sorvane {

// A position within a list of n > 0 entries, also for one left over from a
// longer list or one step before the first.
std::int32_t WrapPosition(std::int64_t pos, std::int32_t n);

enum class TTickResult {
  Ignored,    // paused: nothing counted, the tip stays
  Counted,    // the tip is recomposed, no change yet
  ChangeDue,  // the tip is recomposed, then the picture changes
};

struct TSchedule {
  std::int32_t MinCount = 0;  // ticks since the last change
  std::int32_t FreqMin = 0;   // the period in force
  std::int32_t ListPos = 0;   // the entry the next in-order change shows
  std::int32_t CurPos = 0;    // the entry the last change chose
  bool Paused = false;

  // One minute tick. A period lowered to or below the count brings the
  // change on this tick.
  TTickResult Tick();

  // The entry to show from a list of count entries, or none for "壁紙なし"
  // or an empty list. Random order draws from seed and leaves ListPos alone;
  // any other order takes ListPos (wrapped, should the list have shrunk) and
  // steps it.
  std::optional<std::int32_t> ChoosePicture(std::int32_t count, TDispStyle style, TChangeOrder order,
                                            std::uint32_t& seed);

  // "次の画像" and "前の画像": move ListPos; false for an empty list, when
  // no change follows.
  bool StepNext(std::int32_t count);
  bool StepBack(std::int32_t count);

  // Execute in list order starts from the selected entry (-1: none, then 0).
  // No order selected (coNone) keeps ListPos, as random order does.
  void TakeSelection(TChangeOrder order, std::int32_t selected);

  bool TogglePause() { return Paused = !Paused; }
};

}  // namespace sorvane
