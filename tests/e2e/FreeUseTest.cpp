// The real program driven freely: real clicks and keys while a box is open,
// the keyboard alone, a save cut short.
#include <gtest/gtest.h>

#include "Driver.h"

#include <commctrl.h>

namespace {

bool AnyVisible(const TSorvaneProcess& p, const char* cls) {
  for (HWND w : p.TopLevelWindows())
    if (ClassName(w) == cls && IsWindowVisible(w)) return true;
  return false;
}

int VisibleWithCaption(const TSorvaneProcess& p, const std::string& caption) {
  int n = 0;
  for (HWND w : p.TopLevelWindows()) n += WindowText(w) == caption && IsWindowVisible(w);
  return n;
}

// The list as a start would read it from the file, through the profile API.
std::vector<std::string> StoredList(const std::string& ini) {
  std::vector<std::string> list;
  const int count = int(GetPrivateProfileIntA("List", "Count", -1, ini.c_str()));
  if (count < 0) return {"(no Count)"};
  for (int k = 1; k <= count; ++k) {
    char buf[1024] = {};
    GetPrivateProfileStringA("List", std::to_string(k).c_str(), "(missing)", buf, sizeof buf, ini.c_str());
    list.push_back(buf);
  }
  return list;
}

std::vector<std::string> Pictures(const std::string& folder, int n) {
  std::vector<std::string> paths;
  for (int k = 1; k <= n; ++k) {
    paths.push_back(folder + "\\P" + std::to_string(k) + ".BMP");
    WriteFileBytes(paths.back(), BitmapBytes(4, 4));
  }
  return paths;
}

}  // namespace

TEST(Modal, WhileAWarningIsOpenTheListAndTheTrayAreOutOfReach) {
  const std::string folder = TSorvaneProcess::PrepareFolder("modal_warn");
  const std::vector<std::string> pics = Pictures(folder, 3);  // GONE, A, B
  WriteList(folder + "\\SORVANE.INI", pics);
  CentredDesktop(pics[1], false);
  TSorvaneProcess p;
  ASSERT_TRUE(p.LaunchAndOpen(folder));
  HWND main = p.MainWindow(), list = FindChild(main, "ListBox", "");
  ASSERT_EQ(ListItems(list), pics);
  DeleteFileA(pics[0].c_str());
  // The user picks the vanished picture: the warning opens.
  Select(list, 0, true);
  HWND box = p.WaitTopLevel("警告");
  ASSERT_NE(box, nullptr);
  EXPECT_FALSE(IsWindowEnabled(main));
  // A real click on the third entry reaches nothing while the box is open.
  const int h = int(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
  RealClick(list, 20, 2 * h + h / 2);
  EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 0);
  // Neither does the tray icon: no menu opens.
  p.TrayMouse(WM_RBUTTONDOWN);
  p.TrayMouse(WM_RBUTTONUP);
  Sleep(300);
  EXPECT_FALSE(AnyVisible(p, "#32768"));
  EXPECT_EQ(VisibleWithCaption(p, "警告"), 1);
  EXPECT_TRUE(CloseBox(box, "はい(&Y)"));
  // The vanished picture went, the two others stay.
  EXPECT_TRUE(WaitFor([&] { return ListItems(list).size() == 2; }, 5000));
  EXPECT_EQ(ListItems(list), std::vector<std::string>(pics.begin() + 1, pics.end()));
  EXPECT_TRUE(IsWindowEnabled(main));
}

TEST(Modal, TheQuitQuestionAndTheColourChooserKeepEveryCommandOutOfReach) {
  const std::string folder = TSorvaneProcess::PrepareFolder("modal_quit"), ini = folder + "\\SORVANE.INI";
  TSorvaneProcess p;
  ASSERT_TRUE(p.LaunchAndOpen(folder));
  HWND main = p.MainWindow();
  HWND quit = FindChild(main, "Button", "終了(&Q)"), ok = FindChild(main, "Button", "実行(&X)");
  HWND colour = FindChild(main, "Button", "設定");
  ASSERT_TRUE(quit && ok && colour);

  HWND box = p.ClickForWarning(quit);
  ASSERT_NE(box, nullptr);
  EXPECT_FALSE(IsWindowEnabled(main));
  RealClick(quit, 10, 10);  // no second question
  RealClick(ok, 10, 10);    // no Execute: nothing saved, the window stays
  Sleep(300);
  EXPECT_EQ(VisibleWithCaption(p, "警告"), 1);
  EXPECT_TRUE(IsWindowVisible(main));
  EXPECT_EQ(GetFileAttributesA(ini.c_str()), INVALID_FILE_ATTRIBUTES);
  ASSERT_TRUE(CloseBox(box, "いいえ(&N)"));
  EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(main) != 0; }, 5000));

  Click(colour);
  HWND chooser = p.WaitDialog();
  ASSERT_NE(chooser, nullptr);
  EXPECT_FALSE(IsWindowEnabled(main));
  RealClick(ok, 10, 10);
  p.TrayMouse(WM_LBUTTONDOWN);  // a left click on the icon only brings the chooser forward
  p.TrayMouse(WM_LBUTTONUP);
  Sleep(300);
  EXPECT_TRUE(IsWindowVisible(main));
  EXPECT_TRUE(IsWindow(chooser));
  EXPECT_EQ(GetFileAttributesA(ini.c_str()), INVALID_FILE_ATTRIBUTES);
  PostMessageA(chooser, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(chooser); }, 5000));
  EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(main) != 0; }, 5000));
}

TEST(Modal, ARestoreFromTheTaskbarWhileABoxIsOpenLeavesTheWindowOutOfReach) {
  TSorvaneProcess p;
  ASSERT_TRUE(p.LaunchAndOpen(TSorvaneProcess::PrepareFolder("modal_restore")));
  HWND main = p.MainWindow(), app = p.AppWindow();
  // Minimised with its taskbar button, then the quit question from the tray.
  PostMessageA(app, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(main) && IsIconic(app); }, 5000));
  ASSERT_TRUE(p.ChooseQuitFromTrayMenu());
  HWND box = p.WaitTopLevel("警告");
  ASSERT_NE(box, nullptr);
  // The taskbar button is clicked as the shell sends it: the box comes to
  // the front, and the window is not there to be used behind it.
  PostMessageA(app, WM_SYSCOMMAND, SC_RESTORE, 0);
  Sleep(500);
  EXPECT_FALSE(IsWindowVisible(main) && IsWindowEnabled(main));
  EXPECT_EQ(VisibleWithCaption(p, "警告"), 1);
  ASSERT_TRUE(CloseBox(box, "いいえ(&N)"));
  // Afterwards the program works as before: the button restores the window.
  PostMessageA(app, WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(main) && IsWindowEnabled(main); }, 5000));
  EXPECT_FALSE(p.WaitExit(500));
}

TEST(Keyboard, TabReachesTheTabStripAndCtrlTabTurnsThePages) {
  const std::string folder = TSorvaneProcess::PrepareFolder("keyboard");
  const std::vector<std::string> pics = Pictures(folder, 2);
  WriteList(folder + "\\SORVANE.INI", pics);
  CentredDesktop(pics[0], false);
  TSorvaneProcess p;
  ASSERT_TRUE(p.LaunchAndOpen(folder));
  HWND main = p.MainWindow(), tabs = FindChild(main, "SysTabControl32", ""), list = FindChild(main, "ListBox", "");
  HWND ok = FindChild(main, "Button", "実行(&X)"), quit = FindChild(main, "Button", "終了(&Q)");
  ASSERT_TRUE(tabs && list && ok && quit);
  auto page = [&] { return int(SendMessageA(tabs, TCM_GETCURSEL, 0, 0)); };
  auto focus = [&] { return FocusOf(main); };

  RealClick(tabs, 20, 8);  // the window takes the keyboard
  for (int i = 0; i < 25 && focus() != quit; ++i) RealKey(VK_TAB);
  ASSERT_EQ(focus(), quit);
  RealKey(VK_TAB);
  EXPECT_EQ(focus(), tabs);
  RealKey(VK_TAB, {VK_SHIFT});
  EXPECT_EQ(focus(), quit);
  RealKey(VK_TAB);
  ASSERT_EQ(focus(), tabs);
  RealKey(VK_RIGHT);  // the strip turns the pages itself
  EXPECT_EQ(page(), 1);
  EXPECT_EQ(focus(), tabs);
  RealKey(VK_LEFT);
  EXPECT_EQ(page(), 0);
  RealKey(VK_TAB);  // into the page, its first stop
  EXPECT_EQ(focus(), list);

  // Round the page: after its last stop Tab comes back to 実行(&X).
  HWND before = nullptr;
  for (int i = 0; i < 20 && focus() != ok; ++i) {
    before = focus();
    RealKey(VK_TAB);
  }
  EXPECT_EQ(focus(), ok);
  EXPECT_TRUE(IsChild(tabs, before)) << "the stop before 実行(&X) lies on the page";

  // Ctrl+Tab and Ctrl+Shift+Tab turn the pages from anywhere, round.
  for (int next : {1, 2, 0}) {
    RealKey(VK_TAB, {VK_CONTROL});
    EXPECT_EQ(page(), next);
  }
  RealKey(VK_TAB, {VK_CONTROL, VK_SHIFT});
  EXPECT_EQ(page(), 2);
  EXPECT_EQ(focus(), ok);  // the focus was not on a page: it stays
  // The focus inside a page that goes moves to the strip (the about page
  // has no stop).
  RealKey(VK_TAB, {VK_CONTROL});
  for (int i = 0; i < 4; ++i) RealKey(VK_TAB);
  ASSERT_EQ(focus(), list);
  RealKey(VK_TAB, {VK_CONTROL, VK_SHIFT});
  EXPECT_EQ(page(), 2);
  EXPECT_EQ(focus(), tabs);

  // The mnemonics still work: Alt+Q asks to quit.
  RealKey('Q', {VK_MENU});
  HWND box = p.WaitTopLevel("警告", 5000);
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(CloseBox(box, "いいえ(&N)"));
}

TEST(SaveCutShort, EverySettingsFileLeftBehindIsWhollyOldOrWhollyNew) {
  const std::string folder = TSorvaneProcess::PrepareFolder("save_cut");
  const std::string ini = folder + "\\SORVANE.INI";
  const std::vector<std::string> before = Pictures(folder, 60);
  std::vector<std::string> after = before;
  after.erase(after.begin() + 5);
  CentredDesktop(before[0], false);
  int olds = 0, news = 0;
  // Ended at a spread of moments after Execute: before, during and after
  // the save.
  for (int i = 0; i < 10; ++i) {
    WriteList(ini, before);
    TSorvaneProcess p;
    ASSERT_TRUE(p.Start(folder)) << "error " << GetLastError();
    ASSERT_TRUE(p.WaitReady());
    ASSERT_TRUE(p.OpenWindow());
    HWND main = p.MainWindow(), list = FindChild(main, "ListBox", "");
    // The user picks the sixth entry (the list tells its parent) and removes it.
    Select(list, 5);
    Click(FindChild(main, "Button", "選択画像"));
    ASSERT_TRUE(WaitFor([&] { return SendMessageA(list, LB_GETCOUNT, 0, 0) == 59; }, 5000));
    Click(FindChild(main, "Button", "実行(&X)"));
    Sleep(DWORD(i * 25));
    p.Kill();
    const std::vector<std::string> stored = StoredList(ini);
    if (stored == before) ++olds;
    else if (stored == after) ++news;
    else ADD_FAILURE() << "ended after " << i * 25 << " ms: " << stored.size() << " entries, first "
                       << (stored.empty() ? "" : stored[0]);
  }
  std::printf("old %d, new %d of 10\n", olds, news);
  // A save that ran to its end leaves no copy behind.
  WriteList(ini, before);
  TSorvaneProcess p;
  ASSERT_TRUE(p.LaunchAndOpen(folder));
  Click(FindChild(p.MainWindow(), "Button", "実行(&X)"));
  EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(p.MainWindow()); }, 10000));
  EXPECT_EQ(StoredList(ini), before);
  EXPECT_EQ(GetFileAttributesA((ini + ".new").c_str()), INVALID_FILE_ATTRIBUTES);
}

// ctest runs this one under code page 1252 (LC_ALL=en_US.UTF-8) and under
// UTF-8 (LC_ALL=hi_IN.UTF-8): the list's Shift-JIS names then name no file
// the program can find. Under UTF-8 the captions read as U+FFFD too; the
// Execute button is the one with the access key X.
TEST(OtherCodePage, ShiftJisEntriesSurviveAStartAndAnExecuteByteForByte) {
  ASSERT_NE(GetACP(), 932u) << "meant for another ANSI code page";
  const std::string folder = TSorvaneProcess::PrepareFolder("codepage"), ini = folder + "\\SORVANE.INI";
  std::vector<std::string> paths;
  for (const char* name : {"表 ソ.bmp", "能.BMP"}) {  // second bytes 0x5C
    paths.push_back(folder + "\\" + name);
    wchar_t wide[MAX_PATH] = {};
    MultiByteToWideChar(932, 0, paths.back().c_str(), -1, wide, MAX_PATH);
    CloseHandle(CreateFileW(wide, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  }
  CentredDesktop(paths[0], false);
  WriteList(ini, paths);
  TSorvaneProcess p;
  ASSERT_TRUE(p.LaunchAndOpen(folder));
  HWND main = p.MainWindow();
  EXPECT_EQ(SendMessageA(FindChild(main, "ListBox", ""), LB_GETCOUNT, 0, 0), 2);
  for (HWND c : Children(main))
    if (ClassName(c) == "Button" && WindowText(c).ends_with("(&X)")) Click(c);
  EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(main); }, 10000));
  const std::string stored = ReadFileBytes(ini);
  for (std::size_t k = 0; k < paths.size(); ++k)
    EXPECT_NE(stored.find(std::to_string(k + 1) + "=" + paths[k] + "\r\n"), std::string::npos) << stored;
  EXPECT_NE(stored.find("Count=2\r\n"), std::string::npos) << stored;
}
