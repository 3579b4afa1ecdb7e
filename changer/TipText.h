// Composition of the tray status text. Pure code.
#pragma once
#include <cstdint>
#include <string>

namespace sorvane {

struct TTipInput {
  bool TimerEnabled = false;
  bool Paused = false;
  std::string DueTime;  // the formatted due time, used when running
  std::int32_t FreqMin = 1;
  std::int32_t Count = 0;
  std::int32_t ChgMode = 0;
  std::int32_t DispType = 0;
};

// "Sorvane：" followed by the pieces, each append cut at 255 bytes.
std::string ComposeTip(const TTipInput& in);

}  // namespace sorvane
