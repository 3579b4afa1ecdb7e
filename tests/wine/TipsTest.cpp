// The tray status text as the real window composes it and hands it to the
// tray icon, and the short time format following the user's locale.
#include <string>

#include "Fixture.h"
#include "changer/LocaleTime.h"
#include "settings/Desktop.h"

namespace {

std::int32_t LocalMsOfDay() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return ((t.wHour * 60 + t.wMinute) * 60 + t.wSecond) * 1000 + t.wMilliseconds;
}

// Sets one value of the user's regional settings and restores it on exit.
class LocaleOverride {
 public:
  LocaleOverride(LCTYPE type, const char* value) : FType(type) {
    char buf[128] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buf, sizeof buf);
    FOld = buf;
    FOk = SetLocaleInfoA(LOCALE_USER_DEFAULT, type, value) != 0;
  }
  ~LocaleOverride() { SetLocaleInfoA(LOCALE_USER_DEFAULT, FType, FOld.c_str()); }
  bool Ok() const { return FOk; }

 private:
  LCTYPE FType;
  std::string FOld;
  bool FOk = false;
};

}  // namespace

class Tips : public SorvaneTest {
 protected:
  void SetUp() override {
    RecordWallpaper();
    RemoveIni();
    CreateForm();
    Form->ClearCandidates();
    for (int i = 0; i < 12; ++i) Form->AddCandidate("C:\\pictures\\" + std::to_string(i) + ".bmp");
  }
  void Run(int freqMin, int chgMode, int dispType) {
    Form->DispType->SetItemIndex(dispType);
    Form->ChgMode->SetItemIndex(chgMode);
    Form->AutoChg->SetChecked(true);
    Form->FreqMin = freqMin;
    Form->Timer->SetEnabled(true);
  }

  // The running tip expected for a composition between two clock readings.
  ::testing::AssertionResult TipIsDue(const std::string& rest, std::int32_t before, std::int32_t after) {
    const std::string tip = Form->TaskBar->Tips();
    for (std::int32_t ms : {before, after}) {
      const std::string due = sorvane::FormatShortTime(sorvane::ShortTimeFormat(),
                                                       sorvane::DueMinuteOfDay(ms, Form->FreqMin, Form->MinCount));
      if (tip == "Sorvane：" + due + "頃" + rest) return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "tip: " << tip;
  }
};

TEST_F(Tips, EachCallerHandsTheComposedTextToTheTrayIcon) {
  // Until the first composition the icon keeps the form's text.
  EXPECT_EQ(Form->TaskBar->Tips(), "Sorvane");

  Run(30, 0, 2);
  std::int32_t before = LocalMsOfDay();
  Form->TimerTimer(Form->Timer);
  std::int32_t after = LocalMsOfDay();
  EXPECT_EQ(Form->MinCount, 1);
  EXPECT_TRUE(TipIsDue("[隔30分]12枚→順次～タイル敷", before, after));
  EXPECT_EQ(Form->TaskBar->Tips(), Form->WorkStr.Str());

  // Next, previous, list and style edits leave the tip alone.
  const std::string tip = Form->TaskBar->Tips();
  Form->PopSendClick(Form->PopSend);
  Form->DispType->SetItemIndex(3);
  Form->AddCandidate("C:\\pictures\\x.bmp");
  EXPECT_EQ(Form->TaskBar->Tips(), tip);

  // Pause composes "停止中" with the live list, order and style.
  Form->ChgMode->SetItemIndex(1);
  Form->PopPauseClick(Form->PopPause);
  EXPECT_EQ(Form->TaskBar->Tips(), "Sorvane：停止中[隔30分]13枚→任意～全面拡大");
  Form->PopPauseClick(Form->PopPause);
  before = LocalMsOfDay();
  Form->GoToTray();
  after = LocalMsOfDay();
  EXPECT_TRUE(TipIsDue("[隔30分]13枚→任意～全面拡大", before, after));

  // A stopped timer: only the style, even while paused.
  Form->Paused = true;
  Form->Timer->SetEnabled(false);
  Form->DispType->SetItemIndex(1);
  Form->GoToTray();
  EXPECT_EQ(Form->TaskBar->Tips(), "Sorvane：随時～中央へ");
}

TEST_F(Tips, PeriodLoweredBelowTheCountShowsTheCurrentTime) {
  Run(3, -1, 2);
  Form->MinCount = 3;
  const std::int32_t before = LocalMsOfDay();
  Form->UpdateTips();
  const std::int32_t after = LocalMsOfDay();
  EXPECT_TRUE(TipIsDue("[隔3分]12枚→任意～タイル敷", before, after));
  const std::string now = sorvane::FormatShortTime(sorvane::ShortTimeFormat(), before / 60000);
  const std::string later = sorvane::FormatShortTime(sorvane::ShortTimeFormat(), after / 60000);
  const std::string tip = Form->TaskBar->Tips();
  EXPECT_TRUE(tip.find(now + "頃") != std::string::npos || tip.find(later + "頃") != std::string::npos) << tip;
}

TEST_F(Tips, TimeFormatFollowsTheRegionalSettings) {
  // The Japanese locale of the test prefix: 24-hour clock, no leading zero.
  const sorvane::TShortTimeFormat& f = sorvane::ShortTimeFormat();
  EXPECT_FALSE(f.TwelveHour);
  EXPECT_FALSE(f.LeadingZero);
  EXPECT_EQ(f.Separator, ":");
  EXPECT_EQ(sorvane::FormatShortTime(f, 13 * 60 + 5), "13:05");

  Run(30, 0, 2);
  {
    // The time format carries the clock, the leading zero, the separator
    // and where the designator stands.
    LocaleOverride am(LOCALE_S1159, "AM");
    LocaleOverride pm(LOCALE_S2359, "PM");
    LocaleOverride format(LOCALE_STIMEFORMAT, "tt hh.mm.ss");
    ASSERT_TRUE(am.Ok() && pm.Ok() && format.Ok());
    // Nothing changes until the settings-change notice arrives.
    EXPECT_FALSE(sorvane::ShortTimeFormat().TwelveHour);
    SendMessageA(App->Handle(), WM_SETTINGCHANGE, 0, LPARAM("intl"));
    const sorvane::TShortTimeFormat& g = sorvane::ShortTimeFormat();
    EXPECT_TRUE(g.TwelveHour);
    EXPECT_TRUE(g.LeadingZero);
    EXPECT_TRUE(g.DesignatorBefore);
    EXPECT_EQ(g.Separator, ".");
    EXPECT_EQ(sorvane::FormatShortTime(g, 13 * 60 + 5), "PM 01.05");
    Form->UpdateTips();
    const std::string tip = Form->TaskBar->Tips();
    EXPECT_TRUE(tip.rfind("Sorvane：AM ", 0) == 0 || tip.rfind("Sorvane：PM ", 0) == 0) << tip;

    LocaleOverride after(LOCALE_STIMEFORMAT, "h:mm:ss tt");
    ASSERT_TRUE(after.Ok());
    SendMessageA(App->Handle(), WM_SETTINGCHANGE, 0, 0);
    const sorvane::TShortTimeFormat& h = sorvane::ShortTimeFormat();
    EXPECT_TRUE(h.TwelveHour);
    EXPECT_FALSE(h.LeadingZero);
    EXPECT_FALSE(h.DesignatorBefore);
    EXPECT_EQ(sorvane::FormatShortTime(h, 13 * 60 + 5), "1:05 PM");
    EXPECT_EQ(sorvane::FormatShortTime(h, 5), "12:05 AM");
    Form->UpdateTips();
    const std::string tip2 = Form->TaskBar->Tips();
    EXPECT_TRUE(tip2.find(" AM頃[隔30分]") != std::string::npos || tip2.find(" PM頃[隔30分]") != std::string::npos)
        << tip2;
  }
  SendMessageA(App->Handle(), WM_SETTINGCHANGE, 0, 0);
  EXPECT_FALSE(sorvane::ShortTimeFormat().TwelveHour);
  EXPECT_EQ(sorvane::ShortTimeFormat().Separator, ":");
}
