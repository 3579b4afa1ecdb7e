#include "TestPlatform.h"

namespace {
struct TInstalled {
  TTestPlatform Platform;
  TInstalled() { sorvane::InstallPlatform(&Platform); }
} gInstalled;
}  // namespace

TTestPlatform& TestPlatform() { return gInstalled.Platform; }
