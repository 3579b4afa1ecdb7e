// The typical use, from outside: a prepared settings file and desktop, start,
// open from the tray, preview, choose a style, Execute (file, registry and
// wallpaper checked), reopen, change, Cancel (edits gone), quit.
#include <gtest/gtest.h>

#include "Driver.h"

namespace {

bool Checked(HWND button) { return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

}  // namespace

TEST(TypicalUse, StartPreviewChooseExecuteReopenCancelQuit) {
  const std::string folder = TSorvaneProcess::PrepareFolder("typical");
  const std::string sea = folder + "\\SEA.BMP", hill = folder + "\\HILL.BMP";
  WriteFileBytes(sea, BitmapBytes(64, 48));
  WriteFileBytes(hill, BitmapBytes(32, 32));
  WriteList(folder + "\\SORVANE.INI", {sea, hill}, "On=0\r\nMin=30\r\nRandom=0\r\n");
  CentredDesktop(sea);
  const COLORREF background = GetSysColor(COLOR_BACKGROUND);

  TSorvaneProcess p;
  ASSERT_TRUE(p.LaunchAndOpen(folder));
  HWND main = p.MainWindow();
  HWND list = FindChild(main, "ListBox", "");
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 2);  // the current wallpaper is already listed
  HWND centred = FindChild(main, "Button", "画面中央"), tiled = FindChild(main, "Button", "タイル状"),
       stretched = FindChild(main, "Button", "全面拡大");
  ASSERT_TRUE(centred && tiled && stretched);
  EXPECT_TRUE(Checked(centred));

  // Preview the second picture, choose tiling, Execute.
  Select(list, 1);
  SendMessageA(tiled, BM_CLICK, 0, 0);
  EXPECT_TRUE(Checked(tiled));
  Click(FindChild(main, "Button", "実行(&X)"));
  // Execute sets the desktop colour too, which can take long in a new prefix.
  ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(main); }, 60000));
  EXPECT_EQ(DesktopValue("TileWallpaper"), "1");
  EXPECT_EQ(DesktopValue("WallpaperStyle"), "0");
  EXPECT_EQ(DesktopValue("WallPaperOriginX"), "0");
  EXPECT_EQ(DesktopValue("Wallpaper"), hill);  // the selected picture became the wallpaper
  EXPECT_EQ(GetSysColor(COLOR_BACKGROUND), background);
  const std::string saved = ReadFileBytes(folder + "\\SORVANE.INI");
  for (const std::string& line : {"1=" + sea, "2=" + hill, std::string("Count=2"), std::string("On=0"),
                                  std::string("Min=30"), std::string("Random=0")})
    EXPECT_NE(saved.find(line + "\r\n"), std::string::npos) << line << " in\n" << saved;

  // Reopen, stretch instead, then Cancel: the stored style comes back.
  p.TrayMouse(WM_LBUTTONDOWN);
  ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(main) != 0; }, 10000));
  SendMessageA(stretched, BM_CLICK, 0, 0);
  EXPECT_TRUE(Checked(stretched));
  Click(FindChild(main, "Button", "取消(&C)"));
  ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(main); }, 10000));
  EXPECT_TRUE(Checked(tiled));
  EXPECT_FALSE(Checked(stretched));
  EXPECT_EQ(DesktopValue("TileWallpaper"), "1");
  EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 2);

  // Quit from the tray menu's question; nothing more is written.
  p.TrayMouse(WM_LBUTTONDOWN);
  ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(main) != 0; }, 10000));
  HWND box = p.ClickForWarning(FindChild(main, "Button", "終了(&Q)"));
  ASSERT_NE(box, nullptr);
  Click(FindChild(box, "Button", "はい(&Y)"));
  ASSERT_TRUE(p.EndsWithStatusZero());
  EXPECT_EQ(ReadFileBytes(folder + "\\SORVANE.INI"), saved);
  SetDesktopValue("Wallpaper", "");
  SetDesktopValue("TileWallpaper", "0");
}
