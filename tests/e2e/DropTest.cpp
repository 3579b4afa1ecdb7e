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
  CentredStyle("");
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

namespace {

// The file a name reaches, by its long wide path; empty when none.
std::wstring LongPathOf(const TWidePath& name) {
  wchar_t buf[1024] = {};
  const DWORD n = GetLongPathNameW(name.W.c_str(), buf, 1024);
  return n > 0 && n < 1024 ? buf : L"";
}

}  // namespace

// The program's folder, the current wallpaper and a dropped picture carry
// characters Shift-JIS cannot spell (for "é" it has a look-alike "e").
TEST(Drop, NamesOutsideTheCodePageReachTheirFiles) {
  const std::wstring folder = TSorvaneProcess::PrepareFolder(std::wstring(L"사진 앱"));
  const std::wstring cafe = folder + L"\\café.BMP", photo = folder + L"\\사진.BMP";
  for (const std::wstring& f : {cafe, photo}) WriteFileBytes(f, BitmapBytes(8, 8));
  CentredStyle("");
  RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\desktop", L"Wallpaper", REG_SZ, cafe.c_str(),
                  DWORD((cafe.size() + 1) * sizeof(wchar_t)));
  std::vector<std::string> items;
  {
    TSorvaneProcess p;
    ASSERT_TRUE(p.LaunchAndOpen(folder));
    HWND main = p.MainWindow(), list = FindChild(main, "ListBox", "");
    ASSERT_EQ(ListItems(list).size(), 1u);
    EXPECT_EQ(LongPathOf(ListItems(list)[0]), LongPathOf(cafe));
    ASSERT_TRUE(p.DropFiles(main, {photo}));
    ASSERT_TRUE(WaitFor([&] { return ListItems(list).size() == 2; }, 10000));
    items = ListItems(list);
    EXPECT_EQ(LongPathOf(items[1]), LongPathOf(photo));

    // The dropped picture becomes the wallpaper and both are stored.
    Select(list, 1);
    Click(FindChild(main, "Button", "実行(&X)"));
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(main); }, 60000));
    EXPECT_EQ(LongPathOf(DesktopValue("Wallpaper")), LongPathOf(photo));
    const std::string saved = ReadFileBytes(folder + L"\\SORVANE.INI");
    for (const std::string& line : {"1=" + items[0], "2=" + items[1]})
      EXPECT_NE(saved.find(line + "\r\n"), std::string::npos) << line << " in\n" << saved;
    p.Kill();
  }
  // A new start reads them back; the wallpaper is one of them already.
  TSorvaneProcess again;
  ASSERT_TRUE(again.LaunchAndOpen(folder));
  EXPECT_EQ(ListItems(FindChild(again.MainWindow(), "ListBox", "")), items);
  again.Kill();
  SetDesktopValue("Wallpaper", "");
}
