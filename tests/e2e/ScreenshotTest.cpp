// Opens the window as a user would, with a few pictures listed and one
// previewed, and captures each page; the README's pictures are made from
// these captures.
#include <gtest/gtest.h>

#include "Driver.h"  // windows.h first
#include "Screenshot.h"

#include <commctrl.h>

namespace {

// A 24-bit picture: a sky over a hill, like a wallpaper.
std::string Landscape(int w, int h) {
  const int stride = (w * 3 + 3) & ~3;
  std::string s = BitmapBytes(w, h);
  for (int y = 0; y < h; ++y) {  // rows bottom-up
    for (int x = 0; x < w; ++x) {
      const int hill = h / 3 + (x * (w - x)) * h / (w * w * 2);
      unsigned char* p = reinterpret_cast<unsigned char*>(&s[54 + std::size_t(y) * stride + std::size_t(x) * 3]);
      if (y < hill) {
        p[0] = 40, p[1] = char(120 + y * 60 / h), p[2] = 40;  // green (B, G, R)
      } else {
        p[0] = char(255 - (y - hill) * 60 / h), p[1] = char(170 + (y - hill) * 40 / h), p[2] = 90;  // sky
      }
    }
  }
  return s;
}

}  // namespace

TEST(Screenshot, EachPageOfTheOpenWindow) {
  const std::string folder = TSorvaneProcess::PrepareFolder("shots");
  const std::string hill = folder + "\\HILL.BMP", sea = folder + "\\SEA.BMP", dawn = folder + "\\DAWN.BMP";
  WriteFileBytes(hill, Landscape(320, 240));
  WriteFileBytes(sea, Landscape(64, 48));
  WriteFileBytes(dawn, Landscape(40, 30));
  WriteList(folder + "\\SORVANE.INI", {hill, sea, dawn}, "On=1\r\nMin=30\r\nRandom=0\r\n");
  CentredDesktop(hill, false);

  TSorvaneProcess p;
  ASSERT_TRUE(p.LaunchAndOpen(folder));
  HWND main = p.MainWindow();
  HWND tabs = FindChild(main, "SysTabControl32", ""), list = FindChild(main, "ListBox", "");
  ASSERT_TRUE(tabs && list);
  // A user's click on the first entry previews it.
  Select(list, 0);
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
  SetDesktopValue("Wallpaper", "");
}
