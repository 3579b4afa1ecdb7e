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

// The long wide path of the file a name reaches; empty when none.
std::wstring LongPathOf(const TWidePath& name) {
  wchar_t buf[1024] = {};  // left empty when the call fails
  GetLongPathNameW(name.W.c_str(), buf, 1024);
  return buf;
}

// The program's folder, the current wallpaper and a dropped picture carry
// characters Shift-JIS cannot spell (for "é" it has a look-alike "e").
TEST(Drop, NamesOutsideTheCodePageReachTheirFiles) {
  const std::wstring exe = TWidePath(TSorvaneProcess::PrepareFolder("names") + "\\Sorvane.exe").W;
  const std::wstring folder = exe.substr(0, exe.rfind(L'\\') + 1) + L"사진 앱";
  CreateDirectoryW(folder.c_str(), nullptr);
  DeleteFileW((folder + L"\\SORVANE.INI").c_str());
  CopyFileW(exe.c_str(), (folder + L"\\Sorvane.exe").c_str(), FALSE);
  const std::wstring cafe = folder + L"\\café.BMP", photo = folder + L"\\사진.BMP", sea = folder + L"\\Sea 2.BMP";
  for (const std::wstring& f : {cafe, photo, sea}) WriteFileBytes(f, BitmapBytes(8, 8));
  CentredDesktop("", false);
  RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\desktop", L"Wallpaper", REG_SZ, cafe.c_str(),
                  DWORD((cafe.size() + 1) * sizeof(wchar_t)));
  TSorvaneProcess p;
  ASSERT_TRUE(p.LaunchAndOpen(folder));
  HWND main = p.MainWindow(), list = FindChild(main, "ListBox", "");
  ASSERT_TRUE(p.DropFiles(main, {photo, sea}));
  ASSERT_TRUE(WaitFor([&] { return ListItems(list).size() == 3; }, 10000));
  const std::vector<std::string> items = ListItems(list);
  for (size_t k = 0; k < items.size(); ++k)
    EXPECT_EQ(LongPathOf(items[k]), LongPathOf(std::vector{cafe, photo, sea}[k])) << items[k];
  // Only the folder takes its short form where the file's own name can stay.
  EXPECT_TRUE(items[2].ends_with("\\Sea 2.BMP")) << items[2];
  // The dropped picture becomes the wallpaper; a new start lists all three
  // in the stored order (the wallpaper last, were it not read from the file).
  Select(list, 1);
  Click(FindChild(main, "Button", "実行(&X)"));
  ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(main); }, 60000));
  EXPECT_EQ(LongPathOf(DesktopValue("Wallpaper")), LongPathOf(photo));
  p.Kill();
  TSorvaneProcess again;
  ASSERT_TRUE(again.LaunchAndOpen(folder));
  EXPECT_EQ(ListItems(FindChild(again.MainWindow(), "ListBox", "")), items);
  SetDesktopValue("Wallpaper", "");
}
