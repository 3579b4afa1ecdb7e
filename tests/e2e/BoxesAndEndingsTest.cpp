// The real error box and warning box, the maximise show command and the end
// of the session, seen from outside.
#include <gtest/gtest.h>

#include <thread>

#include "Driver.h"

namespace {

// Sets a desktop value of the current user for one test and puts it back.
class TDesktopValue {
 public:
  TDesktopValue(const char* name, const char* value) : TDesktopValue(name, REG_SZ, value, DWORD(strlen(value) + 1)) {}
  TDesktopValue(const char* name, DWORD value) : TDesktopValue(name, REG_DWORD, &value, sizeof value) {}
  ~TDesktopValue() {
    if (FOld) SetDesktopValue(FName, *FOld);
    else DeleteDesktopValue(FName);
  }

 private:
  TDesktopValue(const char* name, DWORD type, const void* data, DWORD size)
      : FName(name), FOld(FindDesktopValue(name)) {
    SetDesktopValue(name, type, data, size);
  }

  const char* FName;
  const std::optional<std::string> FOld;
};

}  // namespace

TEST(ErrorBox, APeriodThatIsNotANumberShowsTheRunTimeMessage) {
  TSorvaneProcess p;
  ASSERT_TRUE(p.LaunchAndOpen(TSorvaneProcess::PrepareFolder("errorbox")));
  HWND freqView = FindChild(p.MainWindow(), "Edit", "1");
  ASSERT_NE(freqView, nullptr);
  // Typing "1a": the edit changes, the conversion fails, the error box opens
  // inside the change handler, so the text is sent from a thread of its own.
  std::thread typist([&] { SendMessageA(freqView, WM_SETTEXT, 0, LPARAM("1a")); });
  HWND box = p.WaitDialog();
  if (!box) {
    p.Kill();
    typist.join();
  }
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(WindowText(box), "Sorvane");
  EXPECT_NE(FindChild(box, "Static", "'1a' は整数ではありません."), nullptr);
  // The application's other windows are disabled while it is open.
  EXPECT_FALSE(IsWindowEnabled(p.MainWindow()));
  EXPECT_TRUE(CloseBox(box));
  typist.join();
  EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(p.MainWindow()) != 0; }, 5000));
  // The program goes on; the text stays as typed.
  EXPECT_EQ(WindowText(freqView), "1a");
}

TEST(ErrorBox, ADesktopValueOfTheWrongTypeIsReportedAtStartAndTheProgramRuns) {
  TDesktopValue tile("TileWallpaper", DWORD(1));
  TSorvaneProcess p;
  ASSERT_TRUE(p.Start(TSorvaneProcess::PrepareFolder("starterror")));
  HWND box = p.WaitDialog(20000);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(WindowText(box), "Sorvane");
  EXPECT_NE(FindChild(box, "Static", "'TileWallpaper' のﾃﾞｰﾀ型が不正です."), nullptr);
  EXPECT_TRUE(CloseBox(box));
  // The start goes on: the window and the tray icon are there, and it opens.
  ASSERT_TRUE(p.WaitReady());
  EXPECT_FALSE(p.WaitExit(500));
  EXPECT_TRUE(p.OpenWindow());
}

TEST(WarnBox, AVanishedPictureIsWarnedAboutAndRemoved) {
  TDesktopValue wallpaper("Wallpaper", "C:\\nowhere\\gone.bmp");
  TSorvaneProcess p;
  ASSERT_TRUE(p.LaunchAndOpen(TSorvaneProcess::PrepareFolder("warn")));
  HWND list = FindChild(p.MainWindow(), "ListBox", "");
  ASSERT_NE(list, nullptr);
  // The current wallpaper joins the list without an existence test.
  ASSERT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 1);
  // A user's selection of it.
  Select(list, 0, true);
  HWND box = p.WaitTopLevel("警告");
  ASSERT_NE(box, nullptr);
  EXPECT_NE(FindChild(box, "Static", "画像が見つかりません。除外します。"), nullptr);
  EXPECT_NE(FindChild(box, "Button", "はい(&Y)"), nullptr);
  EXPECT_EQ(FindChild(box, "Button", "いいえ(&N)"), nullptr);
  // Centred on the screen.
  RECT r;
  GetWindowRect(box, &r);
  EXPECT_NEAR((r.left + r.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((r.top + r.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
  // Enter answers the default button.
  PostMessageA(FindChild(box, "Button", "はい(&Y)"), WM_KEYDOWN, VK_RETURN, 0);
  PostMessageA(box, WM_COMMAND, IDYES, 0);
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(box); }, 5000));
  EXPECT_TRUE(WaitFor([&] { return SendMessageA(list, LB_GETCOUNT, 0, 0) == 0; }, 5000));
}

TEST(ShowCommand, MaximizeShowsTheWindowAtOnceAndItsFirstPaintGoesToTheTray) {
  TSorvaneProcess p;
  ASSERT_TRUE(p.Launch(TSorvaneProcess::PrepareFolder("maximized"), SW_SHOWMAXIMIZED));
  // Shown for its first paint, then hidden to the tray with the button gone.
  EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(p.AppWindow()); }, 10000));
  EXPECT_FALSE(IsWindowVisible(p.MainWindow()));
  EXPECT_TRUE(IsIconic(p.AppWindow()));
}

TEST(Session, EndOfSessionEndsAtOnceWithStatusZero) {
  const std::string folder = TSorvaneProcess::PrepareFolder("session");
  TSorvaneProcess p;
  ASSERT_TRUE(p.Launch(folder));
  PostMessageA(p.AppWindow(), WM_ENDSESSION, TRUE, 0);
  ASSERT_TRUE(p.EndsWithStatusZero());
  // Nothing was saved.
  EXPECT_EQ(GetFileAttributesA((folder + "\\SORVANE.INI").c_str()), INVALID_FILE_ATTRIBUTES);
}
