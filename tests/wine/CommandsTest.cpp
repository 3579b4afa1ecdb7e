// The window's commands: Execute, Cancel, the colour chooser, the first
// paint's hide to the tray, the reopening from the tray and the minimising
// without animation.
#include <atomic>
#include <cstring>
#include <thread>

#include "Fixture.h"
#include "base/Error.h"
#include "settings/Desktop.h"

namespace {

// Ids of the colour chooser's controls (the platform's dialog template).
constexpr int kRedEdit = 706, kGreenEdit = 707, kBlueEdit = 708, kAddCustom = 712;

BOOL CALLBACK FindChooser(HWND w, LPARAM found) {
  char cls[32] = {};
  GetClassNameA(w, cls, sizeof cls);
  if (std::string(cls) == "#32770" && IsWindowVisible(w)) {
    *reinterpret_cast<HWND*>(found) = w;
    return FALSE;
  }
  return TRUE;
}

// Works the colour chooser from another thread, as a user at the keyboard
// would: reads the colour it opened with, types a colour, adds it to the
// custom colours, and confirms or cancels.
class TChooserDriver {
 public:
  TChooserDriver(COLORREF type, bool addCustom, bool confirm) : FUiThread(GetCurrentThreadId()) {
    FThread = std::thread([this, type, addCustom, confirm] {
      HWND box = nullptr;
      for (int i = 0; i < 500 && !box; ++i) {
        Sleep(20);
        EnumThreadWindows(FUiThread, FindChooser, LPARAM(&box));
      }
      if (!box) return;
      BOOL ok = FALSE;
      Opened = RGB(GetDlgItemInt(box, kRedEdit, &ok, FALSE), GetDlgItemInt(box, kGreenEdit, &ok, FALSE),
                   GetDlgItemInt(box, kBlueEdit, &ok, FALSE));
      SetDlgItemInt(box, kRedEdit, GetRValue(type), FALSE);
      SetDlgItemInt(box, kGreenEdit, GetGValue(type), FALSE);
      SetDlgItemInt(box, kBlueEdit, GetBValue(type), FALSE);
      if (addCustom)
        SendMessageA(box, WM_COMMAND, MAKEWPARAM(kAddCustom, BN_CLICKED), LPARAM(GetDlgItem(box, kAddCustom)));
      const int button = confirm ? IDOK : IDCANCEL;
      PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), LPARAM(GetDlgItem(box, button)));
      Driven = true;
    });
  }
  ~TChooserDriver() { FThread.join(); }
  std::atomic<bool> Driven{false};
  std::atomic<COLORREF> Opened{0xFFFFFFFF};

 private:
  DWORD FUiThread;
  std::thread FThread;
};

}  // namespace

class Commands : public SorvaneTest {
 protected:
  void SetUp() override { RecordWallpaper(); }
  // A settings file with the given pictures, and a desktop whose wallpaper
  // is the first of them, centred.
  void Prepare(const std::vector<std::string>& pics, const char* freq) {
    WriteIni(ListSection(pics) + "[Freq]\r\n" + freq);
    CentredDesktop(pics.empty() ? "" : pics[0]);
    CreateForm();
  }
  // A left press on the tray icon as the shell sends it.
  void TrayPress() {
    SendMessageA(Form->TaskBar->Window(), WM_TRAYNOTIFY, 1, WM_LBUTTONDOWN);
    Pump();
  }
  bool InTray() const {
    return App->IsIconic() && !IsWindowVisible(App->Handle()) && !Form->IsVisible() && !Form->TaskBar->EnableTaskBar();
  }
};

TEST_F(Commands, ExecuteTakesTheListPositionInListOrderOnly) {
  const std::string a = TempFile("A.BMP"), b = TempFile("B.BMP"), c = TempFile("C.BMP");
  Prepare({a, b, c}, "On=1\r\nMin=10\r\nRandom=0\r\n");
  ASSERT_EQ(Form->Candidates().Count(), 3);
  ASSERT_TRUE(Form->AutoChg->Checked());

  Form->Freq->SetPosition(30);
  Form->SelectCandidate(2);
  Form->BtnOKClick(nullptr);
  EXPECT_TRUE(Boxes.empty());
  EXPECT_EQ(Form->FreqMin, 30);
  EXPECT_EQ(Form->ListPos, 2);
  EXPECT_TRUE(Form->Timer->Enabled());
  EXPECT_TRUE(InTray());
  EXPECT_EQ(Form->BmpInfo->Caption(), " ");
  EXPECT_NE(ReadIni().find("Min=30"), std::string::npos);
  // Automatic change is on: Execute sets no wallpaper itself.
  EXPECT_TRUE(WallpaperCalls.empty());

  // No selection gives position 0.
  Form->SelectCandidate(-1);
  Form->BtnOKClick(nullptr);
  EXPECT_EQ(Form->ListPos, 0);

  // Random order leaves the position alone.
  Form->ChgMode->SetItemIndex(1);
  Form->ListPos = 5;
  Form->SelectCandidate(1);
  Form->BtnOKClick(nullptr);
  EXPECT_EQ(Form->ListPos, 5);
  EXPECT_FALSE(Form->PopRew->Enabled());

  // An Execute whose save fails (the file held by an editor) moves nothing.
  Form->ChgMode->SetItemIndex(0);
  HANDLE holder = CreateFileA(IniPath().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  SendMessageA(Form->BtnOK->Handle(), BM_CLICK, 0, 0);
  Pump();
  CloseHandle(holder);
  EXPECT_TRUE(OneBox(IniPath() + " に書き込めません.", TBoxKind::Error));
  EXPECT_EQ(Form->ListPos, 5);
}

TEST_F(Commands, ExecuteWithAutomaticChangeOnKeepsTheRunningInterval) {
  const std::string a = TempFile("A.BMP");
  Prepare({a}, "On=1\r\nMin=5\r\nRandom=0\r\n");
  ASSERT_TRUE(Form->Timer->Enabled());
  HWND timerWnd = Form->Timer->Window();
  // The platform timer of the running interval is there; take it away so
  // that any new SetTimer by Execute shows.
  ASSERT_TRUE(KillTimer(timerWnd, 1));
  Form->MinCount = 3;
  Form->Paused = true;
  Form->BtnOKClick(nullptr);
  EXPECT_TRUE(Form->Timer->Enabled());
  EXPECT_FALSE(KillTimer(timerWnd, 1)) << "Execute restarted the minute interval";
  EXPECT_EQ(Form->MinCount, 3);
  EXPECT_TRUE(Form->Paused);

  // Switching automatic change on at Execute does start the timer.
  Form->AutoChg->SetChecked(false);
  Form->BtnOKClick(nullptr);
  EXPECT_FALSE(Form->Timer->Enabled());
  Form->AutoChg->SetChecked(true);
  Form->BtnOKClick(nullptr);
  EXPECT_TRUE(Form->Timer->Enabled());
  EXPECT_TRUE(KillTimer(timerWnd, 1));
}

TEST_F(Commands, ExecuteWithAutomaticChangeOffSetsTheSelectedPicture) {
  const std::string a = TempFile("A.BMP"), b = TempFile("B.BMP");
  Prepare({a, b}, "On=0\r\nMin=5\r\nRandom=0\r\n");
  Form->SelectCandidate(1);
  Form->BtnOKClick(nullptr);
  ASSERT_EQ(WallpaperCalls.size(), 1u);
  EXPECT_EQ(WallpaperCalls[0], b);
  EXPECT_EQ(Form->ListPos, 1);
  EXPECT_FALSE(Form->Timer->Enabled());
}

TEST_F(Commands, CancelDiscardsEveryEdit) {
  const std::string a = TempFile("A.BMP"), b = TempFile("B.BMP"), c = TempFile("C.BMP");
  Prepare({a, b}, "On=0\r\nMin=7\r\nRandom=0\r\n");
  const std::string iniBefore = ReadIni();
  const COLORREF desktop = GetSysColor(COLOR_BACKGROUND);
  ASSERT_EQ(Form->Candidates().Count(), 2);
  ASSERT_EQ(Form->DispType->ItemIndex(), 1);

  Form->AddCandidate(c);
  Form->SelectCandidate(0);
  Form->DelBtnClick(nullptr);
  Form->DispType->SetItemIndex(3);
  Form->AutoChg->SetChecked(true);
  Form->ChgMode->SetItemIndex(1);
  Form->Freq->SetPosition(99);
  Form->ColorView->SetColor(desktop ^ 0x00FFFFFF);
  Form->ListPos = 4;
  Form->Timer->SetEnabled(true);
  Form->MinCount = 2;

  Form->BtnCancelClick(nullptr);
  EXPECT_EQ(Form->Candidates().Paths(), (std::vector<std::string>{a, b}));
  EXPECT_EQ(Form->DispType->ItemIndex(), 1);
  EXPECT_FALSE(Form->AutoChg->Checked());
  EXPECT_EQ(Form->ChgMode->ItemIndex(), 0);
  EXPECT_EQ(Form->Freq->Position(), 7);
  EXPECT_EQ(Form->FreqMin, 7);
  EXPECT_EQ(Form->ListPos, 0);
  EXPECT_EQ(Form->ColorView->Color(), desktop);
  EXPECT_FALSE(IsWindowEnabled(Form->TabConfig->Handle()));
  // Cancel leaves the timer, the minute count, the file and the desktop.
  EXPECT_TRUE(Form->Timer->Enabled());
  EXPECT_EQ(Form->MinCount, 2);
  EXPECT_EQ(ReadIni(), iniBefore);
  EXPECT_TRUE(WallpaperCalls.empty());
  EXPECT_TRUE(InTray());
  EXPECT_TRUE(Boxes.empty());
}

TEST_F(Commands, TheColourChooserRemembersOnlyConfirmedChoices) {
  Prepare({}, "On=0\r\n");
  Form->ColorView->SetColor(RGB(1, 2, 3));
  COLORREF unset[16];
  std::memcpy(unset, Form->ColorDialog->CustomColors, sizeof unset);

  // Opens the chooser, drives it, and gives the colour it opened with. The
  // chooser's "add" puts the colour into the first custom slot.
  auto open = [&](COLORREF type, bool addCustom, bool confirm) {
    TChooserDriver d(type, addCustom, confirm);
    Form->ColChgBtnClick(nullptr);
    return d.Opened.load();
  };

  // First opening: black, not the swatch's colour; confirmed.
  EXPECT_EQ(open(RGB(10, 20, 30), true, true), RGB(0, 0, 0));
  EXPECT_EQ(Form->ColorView->Color(), RGB(10, 20, 30));
  EXPECT_EQ(Form->ColorDialog->Color, RGB(10, 20, 30));
  EXPECT_EQ(Form->ColorDialog->CustomColors[0], RGB(10, 20, 30));
  EXPECT_EQ(Form->ColorDialog->CustomColors[1], unset[1]);

  // Second: the last confirmed colour; the choice and the custom colour
  // added are cancelled.
  Form->ColorView->SetColor(RGB(9, 9, 9));
  EXPECT_EQ(open(RGB(200, 100, 50), true, false), RGB(10, 20, 30));
  EXPECT_EQ(Form->ColorView->Color(), RGB(9, 9, 9));
  EXPECT_EQ(Form->ColorDialog->Color, RGB(10, 20, 30));
  EXPECT_EQ(Form->ColorDialog->CustomColors[0], RGB(10, 20, 30));

  // Third: still the confirmed colour, not the swatch's; the custom colours
  // it was given come back with the confirmation.
  EXPECT_EQ(open(RGB(40, 50, 60), false, true), RGB(10, 20, 30));
  EXPECT_EQ(Form->ColorView->Color(), RGB(40, 50, 60));
  EXPECT_EQ(Form->ColorDialog->Color, RGB(40, 50, 60));
  EXPECT_EQ(Form->ColorDialog->CustomColors[0], RGB(10, 20, 30));
  EXPECT_TRUE(Boxes.empty());
}

TEST_F(Commands, FirstPaintHidesToTheTrayAndALeftClickReopens) {
  Prepare({}, "On=0\r\n");
  // As at start: the application minimised, the window hidden.
  ShowWinNoAnimate(App->Handle(), SW_MINIMIZE);
  ASSERT_FALSE(Form->IsVisible());
  ASSERT_FALSE(Form->Painted);

  // The first restore shows the window centred; its first paint sends it to
  // the tray.
  Form->TaskBarTrayClick(mbLeft);
  EXPECT_TRUE(Form->IsVisible());
  RECT r;
  GetWindowRect(Form->Handle(), &r);
  EXPECT_NEAR((r.left + r.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((r.top + r.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
  UpdateWindow(Form->Handle());
  EXPECT_TRUE(Form->Painted);
  EXPECT_TRUE(InTray());

  // A right or middle click does nothing.
  Form->PageControl->SetActivePageIndex(2);
  Form->TaskBarTrayClick(mbRight);
  Form->TaskBarTrayClick(mbMiddle);
  EXPECT_TRUE(InTray());
  EXPECT_EQ(Form->PageControl->ActivePageIndex(), 2);

  // A left click opens it for good, on its first page.
  Form->TaskBarTrayClick(mbLeft);
  UpdateWindow(Form->Handle());
  Pump();
  EXPECT_TRUE(Form->IsVisible());
  EXPECT_FALSE(App->IsIconic());
  EXPECT_TRUE(IsWindowVisible(App->Handle()));
  EXPECT_TRUE(Form->TaskBar->EnableTaskBar());
  EXPECT_EQ(Form->PageControl->ActivePageIndex(), 0);

  // Later paints do nothing; a left click on the open window only brings the
  // first page forward.
  InvalidateRect(Form->Handle(), nullptr, TRUE);
  UpdateWindow(Form->Handle());
  EXPECT_TRUE(Form->IsVisible());
  Form->PageControl->SetActivePageIndex(1);
  Form->TaskBarTrayClick(mbLeft);
  EXPECT_EQ(Form->PageControl->ActivePageIndex(), 0);
  EXPECT_TRUE(Form->IsVisible());

  // Minimised by the user: the taskbar button stays; the tray reopens, and
  // the control that had the focus has it again.
  SetFocus(Form->BtnCancel->Handle());
  ASSERT_EQ(GetFocus(), Form->BtnCancel->Handle());
  App->Minimize();
  EXPECT_TRUE(App->IsIconic());
  EXPECT_FALSE(Form->IsVisible());
  EXPECT_TRUE(IsWindowVisible(App->Handle()));
  Form->TaskBarTrayClick(mbLeft);
  EXPECT_TRUE(Form->IsVisible());
  EXPECT_FALSE(App->IsIconic());
  EXPECT_EQ(GetFocus(), Form->BtnCancel->Handle());
  EXPECT_TRUE(Boxes.empty());
}

TEST_F(Commands, AWindowLeftOffEveryScreenComesBackCentredOnePartlyOnStays) {
  Prepare({}, "On=0\r\n");
  const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
  const struct { int X, Y; bool Centred; } cases[] = {{1700, 1200, true}, {cx - 40, 200, false}};
  ShowWinNoAnimate(App->Handle(), SW_MINIMIZE);
  TrayPress();  // the first showing, which its paint sends back to the tray
  for (const auto& c : cases) {
    SetWindowPos(Form->Handle(), nullptr, c.X, c.Y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    TrayPress();
    RECT r;
    GetWindowRect(Form->Handle(), &r);
    EXPECT_NEAR(r.left + r.right, c.Centred ? cx : 2 * c.X + r.right - r.left, 2) << c.X;
    EXPECT_NEAR(r.top + r.bottom, c.Centred ? cy : 2 * c.Y + r.bottom - r.top, 2) << c.X;
    Form->GoToTray();
  }
}

TEST_F(Commands, ATrayPressBringsTheOpenWindowCoveredByAnotherToTheFront) {
  Prepare({}, "On=0\r\n");
  ShowWinNoAnimate(App->Handle(), SW_MINIMIZE);
  TrayPress();
  TrayPress();
  HWND other =
      CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 800, 600, nullptr, nullptr, nullptr, nullptr);
  SetForegroundWindow(other);
  ASSERT_EQ(GetForegroundWindow(), other);
  TrayPress();
  EXPECT_EQ(GetForegroundWindow(), Form->Handle());
  bool above = false;
  for (HWND w = GetWindow(other, GW_HWNDPREV); w; w = GetWindow(w, GW_HWNDPREV)) above |= w == Form->Handle();
  EXPECT_TRUE(above);
  DestroyWindow(other);
}

TEST_F(Commands, MinimiseAndRestoreTouchTheDesktopsAnimationOnlyWhereTheWindowsOwnSwitchFails) {
  Prepare({}, "On=0\r\n");
  std::string calls;  // G(et) or S(et) and iMinAnimate, W the window's own switch
  int userHas = 1;  // the user's setting
  TestPlatform().Animation = [&](UINT action, ANIMATIONINFO& ai) {
    if (action == SPI_GETANIMATION) ai.iMinAnimate = userHas;
    calls += (action == SPI_GETANIMATION ? "G" : "S") + std::to_string(ai.iMinAnimate);
  };
  for (int own : {1, 0, -1}) {  // -1: the user has the animation off
    calls.clear();
    userHas = own >= 0;
    TestPlatform().WindowAnimation = [&](HWND w) {
      calls += "W";
      return w == App->Handle() && own == 1;
    };
    App->Minimize();
    App->Restore();
    EXPECT_FALSE(App->IsIconic());
    EXPECT_EQ(calls, own == 1 ? "G1WG1W" : own == 0 ? "G1WS0S1G1WS0S1" : "G0G0") << own;
  }
  TestPlatform().WindowAnimation = nullptr;
  TestPlatform().Animation = nullptr;
}

TEST_F(Commands, AnErrorWhileTheMainWindowIsMadeIsShownAndEndsTheStart) {
  struct TBrokenForm : TForm {
    using TForm::TForm;
    void CreateComponents() override { throw EError("部品を作れません"); }
  };
  CreateForm();
  EXPECT_FALSE(App->CreateMainForm<TBrokenForm>());
  EXPECT_TRUE(OneBox("部品を作れません.", TBoxKind::Error));
}
