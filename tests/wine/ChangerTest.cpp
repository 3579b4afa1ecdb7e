// The automatic changer in the real window: ticks driven by calling the
// timer handler, the tray menu commands through the menu's own dispatch, the
// period controls through their real change events, and every wallpaper call
// recorded instead of reaching the desktop.
#include <string>
#include <vector>

#include "Fixture.h"
#include "changer/Random.h"
#include "settings/Desktop.h"

namespace {

std::vector<std::string> gCalls;

void RecordWallpaper(const char* path) { gCalls.push_back(path ? path : "<null>"); }

}  // namespace

class Changer : public SorvaneTest {
 protected:
  void SetUp() override {
    gCalls.clear();
    TestPlatform().Wallpaper = RecordWallpaper;
    RemoveIni();
    CreateForm();
  }
  void TearDown() override {
    TestPlatform().Wallpaper = nullptr;
    SorvaneTest::TearDown();
  }

  // Fills the list with files named after the letters; letters in `missing`
  // are listed without a file behind them.
  void MakeList(const std::string& letters, const std::string& missing = "") {
    Form->ListBox->Clear();
    Paths.clear();
    for (char c : letters) {
      const std::string name = std::string(1, c) + ".bmp";
      const std::string path =
          missing.find(c) == std::string::npos ? TempFile(name) : TempDir() + "\\" + name;
      Paths.push_back(path);
      Form->ListBox->Add(path);
    }
  }

  // The window's choices: style, order and automatic change.
  void Choose(int dispType, int chgMode, bool autoChg = true) {
    Form->DispType->SetItemIndex(dispType);
    Form->ChgMode->SetItemIndex(chgMode);
    Form->AutoChg->SetChecked(autoChg);
  }

  // What Execute does to the schedule: take over the pending period, the
  // selected entry as the next position in list order, the timer.
  void Execute(int selected, int period) {
    Form->ListBox->SetItemIndex(selected);
    Form->Freq->SetPosition(period);
    Form->SetFreq(Form->Freq->Position());
    Form->FreqMin = Form->Freq->Position();
    if (Form->ChgMode->ItemIndex() == 0) {
      const int sel = Form->ListBox->ItemIndex();
      Form->ListPos = sel >= 0 ? sel : 0;
    }
    Form->Timer->SetEnabled(Form->AutoChg->Checked());
  }

  void Tick(int n = 1) {
    for (int i = 0; i < n; ++i) Form->TimerTimer(Form->Timer);
  }
  void Menu(TMenuItem* item) { ASSERT_TRUE(Form->PopMenu->DispatchCommand(item->Command())); }

  // The letters of the pictures set since the last call.
  std::string Shown() {
    std::string s;
    for (const std::string& call : gCalls) {
      char letter = '?';
      for (size_t i = 0; i < Paths.size(); ++i)
        if (call == Paths[i]) letter = char('A' + i);
      s += letter;
    }
    gCalls.clear();
    return s;
  }

  std::vector<std::string> Paths;
};

TEST_F(Changer, WorkedExampleStepByStep) {
  MakeList("ABCDE");
  Choose(2, 0);
  Execute(2, 3);
  EXPECT_TRUE(Form->Timer->Enabled());
  EXPECT_EQ(Form->FreqMin, 3);
  EXPECT_EQ(Form->ListPos, 2);
  EXPECT_EQ(Form->MinCount, 0);
  EXPECT_EQ(Shown(), "");

  Tick(2);
  EXPECT_EQ(Form->MinCount, 2);
  EXPECT_EQ(Shown(), "");
  Tick();  // the count wraps
  EXPECT_EQ(Form->MinCount, 0);
  EXPECT_EQ(Shown(), "C");
  EXPECT_EQ(Form->CurPos, 2);
  EXPECT_EQ(Form->ListPos, 3);

  Menu(Form->PopSend);
  EXPECT_EQ(Shown(), "E");
  EXPECT_EQ(Form->ListPos, 0);
  Menu(Form->PopRew);
  EXPECT_EQ(Shown(), "E");
  EXPECT_EQ(Form->ListPos, 0);
  Menu(Form->PopRew);
  EXPECT_EQ(Shown(), "E");
  EXPECT_EQ(Form->ListPos, 0);
  EXPECT_EQ(Form->MinCount, 0);  // the commands leave the count alone

  Tick(2);
  EXPECT_EQ(Shown(), "");
  Tick();
  EXPECT_EQ(Shown(), "A");
  EXPECT_EQ(Form->ListPos, 1);

  // Right after Execute nothing has been shown: next and previous take the
  // neighbours of the selection, cyclically.
  Execute(0, 3);
  Menu(Form->PopRew);
  EXPECT_EQ(Shown(), "E");
  Execute(4, 3);
  Menu(Form->PopSend);
  EXPECT_EQ(Shown(), "A");
  EXPECT_TRUE(Boxes.empty());
}

TEST_F(Changer, PeriodsOfOneAndOf1440Ticks) {
  MakeList("ABC");
  Choose(1, 0);
  Execute(1, 1);
  Tick();
  EXPECT_EQ(Form->MinCount, 0);
  Tick(3);
  EXPECT_EQ(Shown(), "BCAB");

  // The tray icon is left alone for the long run: each refresh of its tip
  // is a round trip to the shell, and the count is what this checks.
  Form->TaskBar->SetEnableTaskTray(false);
  Execute(0, 1440);
  EXPECT_EQ(Form->FreqMin, 1440);
  EXPECT_EQ(Form->FreqView->Text(), "1440");
  Tick(1439);
  EXPECT_EQ(Form->MinCount, 1439);
  EXPECT_EQ(Shown(), "");
  Tick();
  EXPECT_EQ(Form->MinCount, 0);
  EXPECT_EQ(Shown(), "A");
}

TEST_F(Changer, LoweringThePeriodToOrBelowTheCountChangesOnTheNextTick) {
  MakeList("ABCD");
  Choose(3, 0);
  Execute(0, 10);
  Tick(5);
  EXPECT_EQ(Form->MinCount, 5);
  Execute(0, 3);  // Execute keeps the count
  EXPECT_EQ(Form->MinCount, 5);
  EXPECT_EQ(Form->FreqMin, 3);
  Tick();
  EXPECT_EQ(Form->MinCount, 0);
  EXPECT_EQ(Shown(), "A");

  Execute(1, 10);
  Tick(4);
  Execute(1, 4);  // equal to the count
  Tick();
  EXPECT_EQ(Form->MinCount, 0);
  EXPECT_EQ(Shown(), "B");

  // A stopped timer keeps the count; switched on again, counting resumes.
  Tick(2);
  Form->AutoChg->SetChecked(false);
  Execute(1, 4);
  EXPECT_FALSE(Form->Timer->Enabled());
  EXPECT_EQ(Form->MinCount, 2);
  Form->AutoChg->SetChecked(true);
  Execute(1, 4);
  Tick();
  EXPECT_EQ(Form->MinCount, 3);
  EXPECT_EQ(Shown(), "");
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
  Tick();
  EXPECT_EQ(Form->MinCount, 2);
  EXPECT_EQ(Shown(), "");
  Tick();
  EXPECT_EQ(Shown(), "C");
}

TEST_F(Changer, MissingFileIsSkippedSilentlyInOrder) {
  MakeList("ABCD", "B");
  Choose(2, 0);
  Execute(0, 1);
  Tick();
  EXPECT_EQ(Shown(), "A");
  Tick();
  EXPECT_EQ(Shown(), "");
  EXPECT_EQ(Form->CurPos, 1);
  EXPECT_EQ(Form->ListPos, 2);
  Tick();
  EXPECT_EQ(Shown(), "C");
  EXPECT_EQ(Form->ListBox->Count(), 4);
  EXPECT_TRUE(Boxes.empty());

  // A folder of a listed name is no picture either.
  Form->ListBox->Add(TempDir());
  Paths.push_back(TempDir());
  Execute(4, 1);
  Tick();
  EXPECT_EQ(Shown(), "");
  EXPECT_EQ(Form->ListPos, 0);
}

TEST_F(Changer, OrdersAndStyles) {
  // No order selected: list order.
  MakeList("ABC");
  Choose(2, -1);
  EXPECT_EQ(Form->ChgMode->ItemIndex(), -1);
  Execute(1, 1);
  EXPECT_EQ(Form->ListPos, 0);  // no selection taken over outside list order
  Tick(4);
  EXPECT_EQ(Shown(), "ABCA");
  EXPECT_NE(Form->TaskBar->Tips().find("任意～"), std::string::npos);

  // Random order draws from the generator and leaves ListPos alone.
  MakeList("ABCDE");
  Form->ChgMode->SetItemIndex(1);
  Form->ListPos = 3;
  sorvane::RandSeed() = 12345;  // draws with bound 5: 1, 1, 0, 2, 3
  Tick(5);
  EXPECT_EQ(Shown(), "BBACD");
  EXPECT_EQ(Form->CurPos, 3);
  EXPECT_EQ(Form->ListPos, 3);
  Menu(Form->PopSend);  // moves ListPos, which the random choice does not read
  EXPECT_EQ(Form->ListPos, 4);
  EXPECT_EQ(Shown(), "B");  // the sixth draw

  // No wallpaper: ticks count and recompose the tip, nothing changes.
  Form->DispType->SetItemIndex(0);
  Form->AutoChg->SetChecked(true);
  Execute(0, 2);
  Tick();
  EXPECT_EQ(Form->MinCount, 1);
  Tick();
  EXPECT_EQ(Form->MinCount, 0);
  EXPECT_EQ(Shown(), "");
  Form->ChangeWallPaper();
  EXPECT_EQ(Shown(), "");
  EXPECT_NE(Form->WorkStr.Str().find("壁紙なし"), std::string::npos);
}

TEST_F(Changer, EmptyAndShrunkenLists) {
  Choose(2, 0);
  Form->ListBox->Clear();
  Execute(-1, 1);
  Form->ListPos = 0;
  Menu(Form->PopSend);
  Menu(Form->PopRew);
  Tick(2);
  EXPECT_EQ(Form->ListPos, 0);
  EXPECT_EQ(Shown(), "");
  EXPECT_TRUE(Boxes.empty());
  EXPECT_NE(Form->TaskBar->Tips().find("0枚→"), std::string::npos);

  // Entries deleted below ListPos before Execute or Cancel: the in-order
  // change takes the position modulo the new count.
  MakeList("ABCDE");
  Execute(4, 1);
  Form->ListBox->Delete(4);
  Form->ListBox->Delete(3);
  Tick();
  EXPECT_EQ(Form->CurPos, 1);
  EXPECT_EQ(Shown(), "B");
  EXPECT_EQ(Form->ListPos, 2);

  Form->ListPos = 7;
  Menu(Form->PopRew);  // (3 + 7 - 1) mod 3
  EXPECT_EQ(Shown(), "A");
  EXPECT_TRUE(Boxes.empty());
}

TEST_F(Changer, PeriodEditAndScrollBarMirrorAndClamp) {
  const std::int32_t inForce = Form->FreqMin;
  TEdit* edit = Form->FreqView;
  TScrollBar* bar = Form->Freq;

  bar->SetPosition(77);
  EXPECT_EQ(edit->Text(), "77");
  edit->SetText("");
  EXPECT_EQ(edit->Text(), "1");
  EXPECT_EQ(bar->Position(), 1);
  edit->SetText("30");
  EXPECT_EQ(bar->Position(), 30);
  edit->SetText("0");
  EXPECT_EQ(edit->Text(), "1");
  EXPECT_EQ(bar->Position(), 1);
  edit->SetText("30");
  edit->SetText("-5");
  EXPECT_EQ(edit->Text(), "1");
  EXPECT_EQ(bar->Position(), 1);
  edit->SetText("05");
  EXPECT_EQ(edit->Text(), "5");
  EXPECT_EQ(bar->Position(), 5);
  edit->SetText("2000");
  EXPECT_EQ(edit->Text(), "1440");
  EXPECT_EQ(bar->Position(), 1440);
  edit->SetText("$1E");  // the same conversion as the settings file
  EXPECT_EQ(edit->Text(), "30");
  EXPECT_TRUE(Boxes.empty());

  edit->SetText("1a");
  EXPECT_EQ(edit->Text(), "1a");
  EXPECT_EQ(bar->Position(), 30);
  ASSERT_EQ(Boxes.size(), 1u);
  EXPECT_EQ(Boxes[0].Kind, TBoxKind::Error);
  EXPECT_EQ(Boxes[0].Text, "'1a' は整数ではありません.");

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

  // Typing never changes the period in force; Execute's SetFreq writes the
  // scroll bar's value back into the edit.
  EXPECT_EQ(Form->FreqMin, inForce);
  edit->SetText("1a");
  Form->SetFreq(bar->Position());
  EXPECT_EQ(edit->Text(), "12");
  Form->SetFreq(-2147483647 - 1);
  EXPECT_EQ(edit->Text(), "1");
  Form->SetFreq(2147483647);
  EXPECT_EQ(edit->Text(), "1440");
  EXPECT_EQ(Form->FreqMin, inForce);
}

TEST_F(Changer, SeedIsTheUtcMillisecondOfTheDayAtCreation) {
  SYSTEMTIME before, after;
  delete App;
  App = nullptr;
  GetSystemTime(&before);
  CreateForm();
  GetSystemTime(&after);
  const std::uint32_t lo = sorvane::SeedFromTime(before.wHour, before.wMinute, before.wSecond, before.wMilliseconds);
  const std::uint32_t hi = sorvane::SeedFromTime(after.wHour, after.wMinute, after.wSecond, after.wMilliseconds);
  const std::uint32_t seed = sorvane::RandSeed();
  if (lo <= hi) {
    EXPECT_GE(seed, lo);
    EXPECT_LE(seed, hi);
  } else {  // midnight UTC passed during creation
    EXPECT_TRUE(seed >= lo || seed <= hi);
  }
  // Each draw steps the seed once with the fixed constants.
  sorvane::Random(7);
  EXPECT_EQ(sorvane::RandSeed(), seed * 134775813u + 1u);
}
