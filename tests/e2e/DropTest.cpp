// Pictures dropped on the window from outside: bitmaps join the list, other
// files do not, and Execute stores them and sets the chosen one.
#include <gtest/gtest.h>

#include "Driver.h"

TEST(Drop, BitmapsJoinTheListAndExecuteStoresThem) {
  const std::string folder = TSorvaneProcess::PrepareFolder("drop");
  // 表 is 95 5C in CP932: its second byte is that of '\'.
  const std::string cover = folder + "\\表紙.BMP", note = folder + "\\NOTE.TXT";
  WriteFileBytes(cover, BitmapBytes(16, 16));
  WriteFileBytes(note, "not a picture");
  CentredDesktop("", false);
  TSorvaneProcess p;
  ASSERT_TRUE(p.LaunchAndOpen(folder));
  HWND main = p.MainWindow(), list = FindChild(main, "ListBox", "");
  ASSERT_NE(list, nullptr);
  ASSERT_TRUE(ListItems(list).empty());

  ASSERT_TRUE(p.DropFiles(main, {cover, note, cover}));
  ASSERT_TRUE(WaitFor([&] { return ListItems(list).size() == 2; }, 10000));
  EXPECT_EQ(ListItems(list), (std::vector<std::string>{cover, cover}));

  // The user centres the second entry as the wallpaper and executes.
  SendMessageA(FindChild(main, "Button", "画面中央"), BM_CLICK, 0, 0);
  Select(list, 1);
  Click(FindChild(main, "Button", "実行(&X)"));
  ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(main); }, 60000));
  const std::string saved = ReadFileBytes(folder + "\\SORVANE.INI");
  for (const std::string& line : {"1=" + cover, "2=" + cover, std::string("Count=2")})
    EXPECT_NE(saved.find(line + "\r\n"), std::string::npos) << line << " in\n" << saved;
  EXPECT_EQ(DesktopValue("Wallpaper"), cover);
  p.Kill();
  SetDesktopValue("Wallpaper", "");
}
