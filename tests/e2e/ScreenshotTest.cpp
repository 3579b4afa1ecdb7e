// Opens the window as a user would, with a few pictures listed and one
// previewed, and captures each page; the README's pictures are made from
// these captures.
#include <gtest/gtest.h>

#include <cstdint>

#include "Driver.h"  // windows.h first
#include "Screenshot.h"

#include <commctrl.h>

namespace {

// A 24-bit picture: a sky over a hill, like a wallpaper.
std::string Landscape(int w, int h) {
  const int stride = (w * 3 + 3) & ~3;
  std::string s(54 + std::size_t(stride) * h, '\0');
  auto put32 = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) s[at + std::size_t(i)] = char((v >> (8 * i)) & 0xFF);
  };
  s[0] = 'B';
  s[1] = 'M';
  put32(2, std::uint32_t(s.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, std::uint32_t(w));
  put32(22, std::uint32_t(h));
  put32(26, 1 | (24u << 16));
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
  WriteFileBytes(folder + "\\SORVANE.INI", "[List]\r\n1=" + hill + "\r\n2=" + sea + "\r\n3=" + dawn +
                                               "\r\nCount=3\r\n[Freq]\r\nOn=1\r\nMin=30\r\nRandom=0\r\n");
  CentredStyle(hill);

  TSorvaneProcess p;
  ASSERT_TRUE(p.Start(folder));
  ASSERT_TRUE(p.WaitReady());
  ASSERT_TRUE(p.OpenWindow());
  HWND main = p.MainWindow();
  HWND tabs = FindChild(main, "SysTabControl32", "");
  HWND list = FindChild(main, "ListBox", "");
  ASSERT_NE(tabs, nullptr);
  ASSERT_NE(list, nullptr);
  // A user's click on the first entry previews it.
  SendMessageA(list, LB_SETCURSEL, 0, 0);
  SendMessageA(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE), LPARAM(list));
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
