// Minimising and restoring without the animation leaves the user's
// desktop-wide setting alone wherever the window's own switch works.
#include <gtest/gtest.h>

#include "TestPlatform.h"
#include "app/Application.h"

TEST(WindowAnimation, TheDesktopSettingIsTouchedOnlyWhereTheWindowsOwnSwitchFails) {
  HWND w = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr,
                           nullptr, nullptr);
  int user = 1;  // the user's setting: animation on
  std::vector<std::pair<UINT, int>> calls;
  TestPlatform().Animation = [&](UINT action, ANIMATIONINFO& ai) {
    if (action == SPI_GETANIMATION) ai.iMinAnimate = user;
    else user = ai.iMinAnimate;
    calls.push_back({action, ai.iMinAnimate});
  };
  for (bool ownSwitch : {true, false}) {
    calls.clear();
    TestPlatform().WindowAnimation = [&](HWND h) { return h == w && ownSwitch; };
    ShowWinNoAnimate(w, SW_MINIMIZE);
    EXPECT_TRUE(IsIconic(w));
    ShowWinNoAnimate(w, SW_RESTORE);
    EXPECT_FALSE(IsIconic(w));
    const std::vector<std::pair<UINT, int>> aroundEach = {
        {SPI_GETANIMATION, 1}, {SPI_SETANIMATION, 0}, {SPI_SETANIMATION, 1}};
    std::vector<std::pair<UINT, int>> expected;
    if (!ownSwitch) for (int i = 0; i < 2; ++i) expected.insert(expected.end(), aroundEach.begin(), aroundEach.end());
    EXPECT_EQ(calls, expected) << (ownSwitch ? "with" : "without") << " the window's own switch";
    EXPECT_EQ(user, 1);
  }
  TestPlatform().WindowAnimation = nullptr;
  TestPlatform().Animation = nullptr;
  DestroyWindow(w);
}
