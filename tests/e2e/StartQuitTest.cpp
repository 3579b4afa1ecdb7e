// Start-up, the single-instance guard and quitting, seen from outside.
#include <gtest/gtest.h>

#include "Driver.h"

TEST(StartUp, ComesToRestHiddenWithItsApplicationWindowAndTray) {
  TSorvaneProcess p;
  ASSERT_TRUE(p.Launch(TSorvaneProcess::PrepareFolder("start")));
  HWND app = p.AppWindow();
  EXPECT_EQ(WindowText(app), "Sorvane");
  // Zero size when restored (a minimised window reports the icon's size).
  WINDOWPLACEMENT wp{};
  wp.length = sizeof wp;
  ASSERT_TRUE(GetWindowPlacement(app, &wp));
  EXPECT_EQ(wp.rcNormalPosition.right - wp.rcNormalPosition.left, 0);
  EXPECT_EQ(wp.rcNormalPosition.bottom - wp.rcNormalPosition.top, 0);
  // The taskbar button is there, minimised; no window is visible.
  EXPECT_TRUE(WaitFor([&] { return IsIconic(app) != 0; }, 5000));
  EXPECT_TRUE(IsWindowVisible(app));
  HWND main = p.MainWindow();
  EXPECT_FALSE(IsWindowVisible(main));
  // The tray window answers the callback message.
  DWORD_PTR result = 1;
  EXPECT_TRUE(SendMessageTimeoutA(p.TrayWindow(), WM_APP + 100, 1, WM_MOUSEMOVE, SMTO_ABORTIFHUNG, 5000, &result));
  EXPECT_EQ(result, 0u);
  // Every command button and page is there with its caption.
  for (const char* caption : {"実行(&X)", "取消(&C)", "終了(&Q)", "選択画像", "全て", "設定"})
    EXPECT_NE(FindChild(main, "Button", caption), nullptr) << caption;
  EXPECT_NE(FindChild(main, "Button", "自動変更　"), nullptr);
  EXPECT_NE(FindChild(main, "Button", "配置基準点指定　"), nullptr);
}

TEST(StartUp, FirstRestorePaintsOnceAndGoesToTheTraySecondOpens) {
  TSorvaneProcess p;
  ASSERT_TRUE(p.LaunchAndOpen(TSorvaneProcess::PrepareFolder("restore")));
  HWND main = p.MainWindow();
  HWND app = p.AppWindow();
  EXPECT_TRUE(IsWindowVisible(main));
  EXPECT_TRUE(IsWindowVisible(app));  // taskbar button back
  RECT client;
  GetClientRect(main, &client);
  EXPECT_EQ(client.right, 529);
  EXPECT_EQ(client.bottom, 422);
  // Centred on the screen.
  RECT w;
  GetWindowRect(main, &w);
  const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_NEAR((w.left + w.right) / 2, cx / 2, 1);
  EXPECT_NEAR((w.top + w.bottom) / 2, cy / 2, 1);
}

TEST(SingleInstance, SecondStartEndsSilentlyWithStatusZero) {
  const std::string folder = TSorvaneProcess::PrepareFolder("second");
  TSorvaneProcess first;
  ASSERT_TRUE(first.Launch(folder));
  TSorvaneProcess second;
  ASSERT_TRUE(second.Start(folder));
  ASSERT_TRUE(second.EndsWithStatusZero());
  // The running instance stays as it was.
  EXPECT_TRUE(IsIconic(first.AppWindow()));
  EXPECT_FALSE(IsWindowVisible(first.MainWindow()));
}

TEST(SingleInstance, ASecondStartBringsBackTheIconOfTheRunningOne) {
  const std::string folder = TSorvaneProcess::PrepareFolder("icon-again");
  TSorvaneProcess first;
  ASSERT_TRUE(first.Launch(folder));
  ASSERT_TRUE(WaitFor(TrayShowsAnIcon, 5000));
  // The shell lost the icon, and no new shell will say so.
  ASSERT_TRUE(RemoveTrayIcon(first.TrayWindow()));
  ASSERT_TRUE(WaitFor([] { return !TrayShowsAnIcon(); }, 5000));
  TSorvaneProcess second;
  ASSERT_TRUE(second.Start(folder));
  ASSERT_TRUE(second.EndsWithStatusZero());
  EXPECT_TRUE(WaitFor(TrayShowsAnIcon, 5000));
  // The first instance is the one that runs, as it was.
  EXPECT_EQ(WaitForSingleObject(first.Process(), 0), DWORD(WAIT_TIMEOUT));
  EXPECT_EQ(FindWindowA("TApplication", "Sorvane"), first.AppWindow());
  EXPECT_FALSE(IsWindowVisible(first.MainWindow()));
}

namespace {
// A stand-in for another program's window that blocks or does not block.
HWND MakeWindow(const char* cls, const char* caption) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = cls;
  RegisterClassA(&wc);
  return CreateWindowExA(0, cls, caption, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

// The guard's check, served by this thread while the other process searches.
// A start that makes its main window has passed the guard and goes on.
bool StartEndsWithin(const std::string& folder, DWORD ms) {
  TSorvaneProcess p;
  if (!p.Start(folder)) return false;
  const auto ended = [&] { return WaitForSingleObject(p.Process(), 0) == WAIT_OBJECT_0; };
  WaitFor([&] { return ended() || p.MainWindow(); }, ms);
  DWORD code = 1;
  return ended() && GetExitCodeProcess(p.Process(), &code) && code == 0;
}
}  // namespace

TEST(SingleInstance, AnyApplicationWindowCaptionedExactlySorvaneBlocks) {
  const std::string folder = TSorvaneProcess::PrepareFolder("guard");
  HWND almost = MakeWindow("TApplication", "Sorvane ");
  // A caption that differs in one character does not block.
  EXPECT_FALSE(StartEndsWithin(folder, 4000));
  DestroyWindow(almost);
  HWND starting = MakeWindow("TApplication", "Sorvane・起動中");
  EXPECT_FALSE(StartEndsWithin(folder, 4000));
  DestroyWindow(starting);
  // Nor does another program's window captioned exactly so (an Explorer
  // window on a folder named Sorvane).
  HWND folderWindow = MakeWindow("CabinetWClass", "Sorvane");
  EXPECT_FALSE(StartEndsWithin(folder, 4000));
  DestroyWindow(folderWindow);
  HWND blocker = MakeWindow("TApplication", "Sorvane");
  EXPECT_TRUE(StartEndsWithin(folder, 10000));
  DestroyWindow(blocker);
}

TEST(Quit, AsksAndOnlyYesEndsTheProcess) {
  TSorvaneProcess p;
  ASSERT_TRUE(p.LaunchAndOpen(TSorvaneProcess::PrepareFolder("quit")));
  HWND quit = FindChild(p.MainWindow(), "Button", "終了(&Q)");
  ASSERT_NE(quit, nullptr);

  HWND box = p.ClickForWarning(quit);
  ASSERT_NE(box, nullptr);
  EXPECT_NE(FindChild(box, "Static", "「Sorvane」を終了します"), nullptr);
  HWND yes = FindChild(box, "Button", "はい(&Y)"), no = FindChild(box, "Button", "いいえ(&N)");
  ASSERT_TRUE(yes && no);
  RECT ry, rn;
  GetWindowRect(yes, &ry);
  GetWindowRect(no, &rn);
  EXPECT_LT(ry.left, rn.left);  // はい to the left of いいえ
  EXPECT_TRUE(GetWindowLongPtrA(yes, GWL_STYLE) & BS_DEFPUSHBUTTON);
  EXPECT_TRUE(CloseBox(box, "いいえ(&N)"));
  EXPECT_FALSE(p.WaitExit(1000));

  // Esc answers no as well.
  box = p.ClickForWarning(quit);
  ASSERT_NE(box, nullptr);
  PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(box); }, 5000));
  EXPECT_FALSE(p.WaitExit(1000));

  box = p.ClickForWarning(quit);
  ASSERT_NE(box, nullptr);
  Click(FindChild(box, "Button", "はい(&Y)"));
  ASSERT_TRUE(p.EndsWithStatusZero());
}

TEST(Quit, TrayMenuQuitAsksTheSameQuestion) {
  TSorvaneProcess p;
  ASSERT_TRUE(p.Launch(TSorvaneProcess::PrepareFolder("popquit")));
  // The right button's release pops the menu at the cursor; 終了 is chosen.
  ASSERT_TRUE(p.ChooseQuitFromTrayMenu());
  HWND box = p.WaitTopLevel("警告");
  ASSERT_NE(box, nullptr);
  EXPECT_NE(FindChild(box, "Static", "「Sorvane」を終了します"), nullptr);
  Click(FindChild(box, "Button", "はい(&Y)"));
  ASSERT_TRUE(p.EndsWithStatusZero());
}

TEST(Quit, CloseRequestToTheApplicationWindowEndsWithoutAsking) {
  TSorvaneProcess p;
  ASSERT_TRUE(p.Launch(TSorvaneProcess::PrepareFolder("close")));
  PostMessageA(p.AppWindow(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(p.EndsWithStatusZero());
}
