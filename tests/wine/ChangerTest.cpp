// The automatic changer in the real window: ticks arrive as the timer's
// WM_TIMER, Execute as a click on its button, the tray menu commands through
// the menu's own dispatch, the period controls through their real change
// events; every wallpaper call is recorded instead of reaching the desktop.
// The schedule's arithmetic (periods, wraps, draws) is tested on the host.
#include <string>
#include <vector>

#include "Fixture.h"
#include "changer/Random.h"
#include "settings/Desktop.h"

class Changer : public SorvaneTest {
 protected:
  void SetUp() override {
    RecordWallpaper();
    RemoveIni();
    CreateForm();
  }
  void TearDown() override {
    SorvaneTest::TearDown();
    RemoveIni();
  }

  // Fills the list with files named after the letters; letters in `missing`
  // are listed without a file behind them.
  void MakeList(const std::string& letters, const std::string& missing = "") {
    Form->ClearCandidates();
    Paths.clear();
    for (char c : letters) {
      const std::string name = std::string(1, c) + ".bmp";
      const std::string path =
          missing.find(c) == std::string::npos ? TempFile(name) : TempDir() + "\\" + name;
      Paths.push_back(path);
      Form->AddCandidate(path);
    }
  }

  // The window's choices: style, order and automatic change.
  void Choose(int dispType, int chgMode, bool autoChg = true) {
    Form->DispType->SetItemIndex(dispType);
    Form->ChgMode->SetItemIndex(chgMode);
    Form->AutoChg->SetChecked(autoChg);
  }

  // A click on "実行(&X)" with the entry selected and the period set.
  void Execute(int selected, int period) {
    Form->SelectCandidate(selected);
    Form->Freq->SetPosition(period);
    SendMessageA(Form->BtnOK->Handle(), BM_CLICK, 0, 0);
    Pump();
  }

  // Minutes as the platform timer delivers them.
  void Tick(int n = 1) {
    for (int i = 0; i < n; ++i) SendMessageA(Form->Timer->Window(), WM_TIMER, 1, 0);
  }
  void Menu(TMenuItem* item) { ASSERT_TRUE(Form->PopMenu->DispatchCommand(item->Command())); }

  // The letters of the pictures set since the last call.
  std::string Shown() {
    std::string s;
    for (const std::string& call : WallpaperCalls) {
      char letter = '?';
      for (size_t i = 0; i < Paths.size(); ++i)
        if (call == Paths[i]) letter = char('A' + i);
      s += letter;
    }
    WallpaperCalls.clear();
    return s;
  }

  std::vector<std::string> Paths;
};

TEST_F(Changer, ExecuteStartsTheTicksThatChangeThePicture) {
  MakeList("ABCDE");
  Choose(2, 0);
  Execute(2, 10);
  EXPECT_TRUE(Form->Timer->Enabled());
  EXPECT_EQ(Form->FreqMin, 10);
  EXPECT_EQ(Form->ListPos, 2);
  Tick(5);
  EXPECT_EQ(Form->MinCount, 5);
  EXPECT_EQ(Shown(), "");

  // Execute keeps the count: a period lowered below it changes on the next tick.
  Execute(2, 3);
  EXPECT_EQ(Form->FreqMin, 3);
  EXPECT_EQ(Form->MinCount, 5);
  Tick();
  EXPECT_EQ(Form->MinCount, 0);
  EXPECT_EQ(Shown(), "C");
  Tick(2);
  EXPECT_EQ(Shown(), "");
  Tick();
  EXPECT_EQ(Shown(), "D");

  // The menu commands change at once and leave the count alone.
  Tick();
  Menu(Form->PopSend);
  EXPECT_EQ(Shown(), "A");
  Menu(Form->PopRew);
  EXPECT_EQ(Shown(), "A");
  EXPECT_EQ(Form->MinCount, 1);

  // Execute with automatic change off sets the selection and stops the ticks.
  Form->AutoChg->SetChecked(false);
  Execute(1, 3);
  EXPECT_FALSE(Form->Timer->Enabled());
  EXPECT_EQ(Shown(), "B");
  Tick(5);
  EXPECT_EQ(Form->MinCount, 1);
  EXPECT_EQ(Shown(), "");
  EXPECT_TRUE(Boxes.empty());
}

TEST_F(Changer, PauseKeepsTheCountAndTheCheckMark) {
  MakeList("ABC");
  Choose(2, 0);
  Execute(0, 3);
  Tick();
  EXPECT_EQ(Form->MinCount, 1);

  Menu(Form->PopPause);
  EXPECT_TRUE(Form->Paused);
  EXPECT_TRUE(Form->PopPause->Checked());
  EXPECT_NE(Form->TaskBar->Tips().find("停止中"), std::string::npos);
  const std::string pausedTip = Form->TaskBar->Tips();
  Tick(10);
  EXPECT_EQ(Form->MinCount, 1);
  EXPECT_EQ(Shown(), "");
  EXPECT_EQ(Form->TaskBar->Tips(), pausedTip);

  Menu(Form->PopSend);  // the commands work while paused
  EXPECT_EQ(Shown(), "B");
  EXPECT_EQ(Form->MinCount, 1);
  EXPECT_TRUE(Form->Paused);

  Menu(Form->PopPause);
  EXPECT_FALSE(Form->Paused);
  EXPECT_FALSE(Form->PopPause->Checked());
  EXPECT_EQ(Form->TaskBar->Tips().find("停止中"), std::string::npos);
  EXPECT_NE(Form->TaskBar->Tips().find("頃"), std::string::npos);
  Tick(2);
  EXPECT_EQ(Shown(), "C");
}

TEST_F(Changer, TheListAsItIsAtTheChangeIsUsed) {
  // A missing file is skipped silently; the position moves on.
  MakeList("ABCD", "B");
  Choose(2, 0);
  Execute(0, 1);
  Tick(3);
  EXPECT_EQ(Shown(), "AC");
  EXPECT_EQ(Form->Candidates().Count(), 4);

  // A folder of a listed name is no picture either.
  Form->AddCandidate(TempDir());
  Paths.push_back(TempDir());
  Execute(4, 1);
  Tick();
  EXPECT_EQ(Shown(), "");
  EXPECT_EQ(Form->ListPos, 0);

  // Entries deleted after Execute: the position wraps within the rest.
  MakeList("ABCDE");
  Execute(4, 1);
  Form->DeleteCandidate(4);
  Form->DeleteCandidate(3);
  Tick();
  EXPECT_EQ(Shown(), "B");

  // An empty list: nothing to set, and the tip says so.
  Form->ClearCandidates();
  Menu(Form->PopSend);
  Menu(Form->PopRew);
  Tick(2);
  EXPECT_EQ(Shown(), "");
  EXPECT_NE(Form->TaskBar->Tips().find("0枚→"), std::string::npos);
  EXPECT_TRUE(Boxes.empty());
}

TEST_F(Changer, RandomOrderDrawsFromTheProcessSeedAndNoWallpaperSetsNothing) {
  MakeList("ABCDE");
  Choose(2, 1);
  Execute(1, 1);
  Form->ListPos = 3;
  sorvane::RandSeed() = 12345;  // draws with bound 5: 1, 1, 0
  Tick(3);
  EXPECT_EQ(Shown(), "BBA");
  EXPECT_EQ(Form->CurPos, 0);
  EXPECT_EQ(Form->ListPos, 3);

  Form->DispType->SetItemIndex(0);
  Tick();
  EXPECT_EQ(Shown(), "");
  EXPECT_TRUE(Boxes.empty());
}

TEST_F(Changer, PeriodEditAndScrollBarMirrorAndClamp) {
  const std::int32_t inForce = Form->FreqMin;
  ASSERT_NE(inForce, 12);
  TEdit* edit = Form->FreqView;
  TScrollBar* bar = Form->Freq;

  bar->SetPosition(77);
  EXPECT_EQ(edit->Text(), "77");
  edit->SetText("");
  EXPECT_EQ(edit->Text(), "1");
  EXPECT_EQ(bar->Position(), 1);
  edit->SetText("30");
  EXPECT_EQ(bar->Position(), 30);
  edit->SetText("-5");
  EXPECT_EQ(edit->Text(), "1");
  EXPECT_EQ(bar->Position(), 1);
  edit->SetText("2000");
  EXPECT_EQ(edit->Text(), "1440");
  EXPECT_EQ(bar->Position(), 1440);
  edit->SetText("$1E");  // hexadecimal after "$"
  EXPECT_EQ(edit->Text(), "30");
  EXPECT_TRUE(Boxes.empty());

  edit->SetText("1a");
  EXPECT_EQ(edit->Text(), "1a");
  EXPECT_EQ(bar->Position(), 30);
  ASSERT_TRUE(OneBox("'1a' は整数ではありません.", TBoxKind::Error));

  edit->SetText("-");
  EXPECT_EQ(edit->Text(), "-");
  EXPECT_EQ(bar->Position(), 30);
  ASSERT_EQ(Boxes.size(), 2u);
  EXPECT_EQ(Boxes[1].Text, "'-' は整数ではありません.");

  edit->SetText("99999999999");  // beyond 32 bits
  ASSERT_EQ(Boxes.size(), 3u);
  EXPECT_EQ(bar->Position(), 30);

  edit->SetText("12");  // the next valid text repairs it
  EXPECT_EQ(bar->Position(), 12);
  EXPECT_EQ(Boxes.size(), 3u);

  // Typing never changes the period in force; Execute writes the scroll
  // bar's value back into the edit and puts it in force.
  EXPECT_EQ(Form->FreqMin, inForce);
  edit->SetText("1a");
  Execute(-1, bar->Position());
  EXPECT_EQ(edit->Text(), "12");
  EXPECT_EQ(Form->FreqMin, 12);
  EXPECT_EQ(Boxes.size(), 4u);
}

TEST_F(Changer, SeedIsTheUtcMillisecondOfTheDayAtCreation) {
  SYSTEMTIME before, after;
  delete App;
  App = nullptr;
  GetSystemTime(&before);
  CreateForm();
  GetSystemTime(&after);
  const std::uint32_t lo = sorvane::MsOfDay(before.wHour, before.wMinute, before.wSecond, before.wMilliseconds);
  const std::uint32_t hi = sorvane::MsOfDay(after.wHour, after.wMinute, after.wSecond, after.wMilliseconds);
  const std::uint32_t seed = sorvane::RandSeed();
  if (lo <= hi) {
    EXPECT_GE(seed, lo);
    EXPECT_LE(seed, hi);
  } else {  // midnight UTC passed during creation
    EXPECT_TRUE(seed >= lo || seed <= hi);
  }
}
