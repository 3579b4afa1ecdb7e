// Seeding needs the platform's clock; the generator itself is pure.
#include <windows.h>

#include "changer/Random.h"

namespace sorvane {

void Randomize() {
  SYSTEMTIME t;
  GetSystemTime(&t);
  RandSeed() = MsOfDay(t.wHour, t.wMinute, t.wSecond, t.wMilliseconds);
}

}  // namespace sorvane
