// Long runs and bursts: ticks with tip updates, open/Execute/Cancel round
// trips, floods of tray messages and drops. The process must survive them
// with its GDI objects, windows and memory where they were.
#include "Fixture.h"
#include "ListEditSupport.h"
#include "settings/Desktop.h"

namespace {

int gWallpaperCalls = 0;
void CountWallpaper(const char*) { ++gWallpaperCalls; }

// Private memory of this Wine process, from Linux (PrivateUsage is 0 here).
long RssAnonKb() {
  HANDLE h = CreateFileA("Z:\\proc\\self\\status", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return -1;
  char buf[8192] = {};
  DWORD n = 0;
  ReadFile(h, buf, sizeof buf - 1, &n, nullptr);
  CloseHandle(h);
  const char* at = strstr(buf, "RssAnon:");
  return at ? atol(at + 8) : -1;
}

BOOL CALLBACK CountWindow(HWND, LPARAM p) {
  ++*reinterpret_cast<int*>(p);
  return TRUE;
}

// Windows of this thread, top-level and child.
int ThreadWindows() {
  int n = 0;
  struct Ctx {
    static BOOL CALLBACK Top(HWND w, LPARAM p) {
      ++*reinterpret_cast<int*>(p);
      EnumChildWindows(w, CountWindow, p);
      return TRUE;
    }
  };
  EnumThreadWindows(GetCurrentThreadId(), Ctx::Top, LPARAM(&n));
  return n;
}

}  // namespace

class Load : public SorvaneTest {
 protected:
  void SetUp() override {
    gWallpaperCalls = 0;
    TestPlatform().Wallpaper = CountWallpaper;
  }
  // Pictures in list order, automatic change on with the given period.
  void Prepare(int period, int pictures = 73) {
    const std::string picture = testpics::Bmp24(8, 6, RGB(255, 0, 0), RGB(0, 0, 255));
    std::vector<std::string> paths;
    for (int k = 1; k <= pictures; ++k) paths.push_back(TempFile("P" + std::to_string(k) + ".BMP", picture));
    WriteIni(ListSection(paths) + "[Freq]\r\nOn=1\r\nMin=" + std::to_string(period) + "\r\nRandom=0\r\n");
    CentredDesktop(paths[0], false);  // the style loads as 1
    CreateForm();
    Form->DispType->SetItemIndex(1);
    Form->AutoChg->SetChecked(true);
    Form->Timer->SetEnabled(true);
  }
};

TEST_F(Load, TenThousandTicksWithTipUpdatesLeaveNothingBehind) {
  Prepare(7);
  // Warm up once, so that first-use allocations are not counted.
  for (int i = 0; i < 50; ++i) Form->TimerTimer(Form->Timer);
  const int gdi = testpics::FreeGdiSlots(), windows = ThreadWindows();
  const long mem = RssAnonKb();
  // The shell's modify costs milliseconds under Wine: the long run composes
  // and assigns every tip with the icon switched off, a shorter one with it on.
  Form->TaskBar->SetEnableTaskTray(false);
  for (int i = 0; i < 10000; ++i) Form->TimerTimer(Form->Timer);
  Form->TaskBar->SetEnableTaskTray(true);
  for (int i = 0; i < 300; ++i) Form->TimerTimer(Form->Timer);
  EXPECT_EQ(gWallpaperCalls, (50 + 10000 + 300) / 7);
  EXPECT_EQ(Form->MinCount, (50 + 10000 + 300) % 7);
  EXPECT_NE(Form->TaskBar->Tips().find("[隔7分]73枚→順次～中央へ"), std::string::npos) << Form->TaskBar->Tips();
  EXPECT_EQ(testpics::FreeGdiSlots(), gdi);
  EXPECT_EQ(ThreadWindows(), windows);
  if (mem > 0) {
    EXPECT_LT(RssAnonKb() - mem, 1024) << "private memory grew over the ticks";
  }
  EXPECT_TRUE(Boxes.empty());
}

TEST_F(Load, OpenExecuteCancelRoundTripsLeaveNothingBehind) {
  // The list's length proves nothing here; every object a round trip
  // creates is made and freed whatever the length.
  Prepare(1440, 8);
  Form->FormPaint(Form);  // the first paint's hide to the tray
  auto roundTrip = [&] {
    Form->TaskBarTrayClick(mbLeft);
    testpics::UserSelects(Form->ListBox, 3);
    Form->BtnOKClick(Form->BtnOK);
    Form->TaskBarTrayClick(mbLeft);
    Form->BtnCancelClick(Form->BtnCancel);
  };
  for (int i = 0; i < 3; ++i) roundTrip();
  const int gdi = testpics::FreeGdiSlots(), windows = ThreadWindows();
  const long mem = RssAnonKb();
  // A leak of one object per round trip shows in the counts at once; a
  // leak of memory of any size that matters shows over twenty.
  for (int i = 0; i < 20; ++i) roundTrip();
  Pump();
  EXPECT_EQ(Form->Candidates().Count(), 8);
  EXPECT_TRUE(Form->Timer->Enabled());
  EXPECT_EQ(Form->ListPos, 0);  // Cancel reads the settings again
  EXPECT_EQ(testpics::FreeGdiSlots(), gdi);
  EXPECT_EQ(ThreadWindows(), windows);
  if (mem > 0) {
    EXPECT_LT(RssAnonKb() - mem, 1024) << "private memory grew over the round trips";
  }
  for (const TBoxRecord& b : Boxes) ADD_FAILURE() << b.Text;
}

TEST_F(Load, FloodsOfTrayMessagesAndDropsAreSurvived) {
  Prepare(1440);
  Form->FormPaint(Form);
  HWND tray = Form->TaskBar->Window();
  const UINT mice[] = {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_MBUTTONDOWN, WM_MBUTTONUP,
                       WM_MOUSEMOVE, WM_RBUTTONDOWN};
  for (int i = 0; i < 10000; ++i) PostMessageA(tray, WM_TRAYNOTIFY, 1, LPARAM(mice[i % 8]));
  Pump();
  // The left presses opened the window; it is open and working.
  EXPECT_TRUE(Form->IsVisible());
  EXPECT_EQ(Form->PageControl->ActivePageIndex(), 0);

  Form->ClrBtnClick(Form->ClrBtn);
  const std::string pic = TempFile("DROP.BMP");
  auto drop = [&] {
    HDROP h = testpics::MakeDrop({pic, TempDir(), pic + ".TXT"});
    SendMessageA(Form->Handle(), WM_DROPFILES, WPARAM(h), 0);
  };
  // The first drops fill the list (and bring its scroll bar); then count.
  for (int i = 0; i < 100; ++i) drop();
  const int gdi = testpics::FreeGdiSlots();
  for (int i = 0; i < 1000; ++i) drop();
  EXPECT_EQ(Form->Candidates().Count(), 73);
  EXPECT_EQ(testpics::FreeGdiSlots(), gdi);
  EXPECT_TRUE(Boxes.empty());
}
