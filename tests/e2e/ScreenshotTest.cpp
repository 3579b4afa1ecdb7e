// Opens the window as a user would and captures each page; the README's
// pictures are made from these captures.
#include <gtest/gtest.h>

#include "Driver.h"
#include "Screenshot.h"

#include <commctrl.h>

TEST(Screenshot, EachPageOfTheOpenWindow) {
  const std::string folder = TSorvaneProcess::PrepareFolder("shots");
  TSorvaneProcess p;
  ASSERT_TRUE(p.Start(folder));
  ASSERT_TRUE(p.WaitReady());
  ASSERT_TRUE(p.OpenWindow());
  HWND main = p.MainWindow();
  HWND tabs = FindChild(main, "SysTabControl32", "");
  ASSERT_NE(tabs, nullptr);
  const char* names[] = {"page-list", "page-config", "page-about"};
  for (int page = 0; page < 3; ++page) {
    if (page > 0) PostMessageA(tabs, WM_KEYDOWN, VK_RIGHT, 0);
    ASSERT_TRUE(WaitFor([&] { return SendMessageA(tabs, TCM_GETCURSEL, 0, 0) == page; }, 5000));
    Sleep(300);  // let the page paint
    RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(200);
    EXPECT_TRUE(SaveWindowShot(main, names[page]));
  }
  p.Kill();
}
