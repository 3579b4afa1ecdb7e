// The desktop values under HKCU\Control panel\desktop: what a load makes of
// them, what Execute writes and which wallpaper call it makes.
#include "Fixture.h"
#include "settings/Desktop.h"
#include "settings/Registry.h"

namespace {

// Another program rewrites the value, longer, just before it is fetched.
void GrowValue(HKEY desktop, const char* name) {
  const std::string longer(4000, 'w');
  RegSetValueExA(desktop, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(longer.c_str()), DWORD(longer.size() + 1));
}

const char kColors[] = "Control Panel\\Colors";

std::string ColorsValue(const char* name) {
  char buf[64] = {};
  DWORD size = sizeof buf - 1;
  if (RegGetValueA(HKEY_CURRENT_USER, kColors, name, RRF_RT_REG_SZ, nullptr, buf, &size) != ERROR_SUCCESS)
    return "(none)";
  return buf;
}

void SetColorsValue(const char* name, const std::string& value) {
  HKEY key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kColors, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr)) return;
  if (value == "(none)") RegDeleteValueA(key, name);
  else RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), DWORD(value.size() + 1));
  RegCloseKey(key);
}

// The handle value a new object gets: the lowest free slot of the process's
// table, so a key handle left open by the code under test pushes it up.
HANDLE NextFreeHandle() {
  HANDLE h = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  CloseHandle(h);
  return h;
}

}  // namespace

class SettingsDesktop : public SorvaneTest {
 protected:
  void SetUp() override {
    RemoveIni();
    CentredDesktop("");
    RecordWallpaper();
  }
  void TearDown() override {
    TestPlatform().RegFetch = nullptr;
    SorvaneTest::TearDown();
    SetDesktopValue("Wallpaper", "");
    RemoveIni();
  }
  // WallpaperStyle and TileWallpaper, as "style tile".
  static std::string StylePair() { return DesktopValue("WallpaperStyle") + " " + DesktopValue("TileWallpaper"); }
  void Execute() {
    Guarded(Form, [&] { Form->SaveSettings(); });
  }
};

TEST_F(SettingsDesktop, DisplayStyleComesFromTheDesktopValues) {
  CreateForm();
  struct Case {
    const char* Style;  // null: value missing
    const char* Tile;
    int DispType;
  } cases[] = {{"0", "1", 2}, {"2", "0", 3}, {nullptr, nullptr, 1}};
  SetDesktopValue("Wallpaper", "C:\\W.BMP");
  for (const Case& c : cases) {
    if (c.Style) SetDesktopValue("WallpaperStyle", c.Style); else DeleteDesktopValue("WallpaperStyle");
    if (c.Tile) SetDesktopValue("TileWallpaper", c.Tile); else DeleteDesktopValue("TileWallpaper");
    // Start from a style the case does not expect, so a change is visible.
    Form->DispType->SetItemIndex(c.DispType == 2 ? 1 : 2);
    Reload();
    EXPECT_EQ(Form->DispType->ItemIndex(), c.DispType) << (c.Style ? c.Style : "-");
    EXPECT_EQ(Form->Candidates().Count(), 1);
  }
  EXPECT_TRUE(Boxes.empty());
}

TEST_F(SettingsDesktop, CurrentWallpaperJoinsTheListOnceAndOriginAndColourAreRead) {
  const std::string sea = TempFile("Sea Side.bmp");
  std::string upper = sea;
  CharUpperBuffA(upper.data(), DWORD(upper.size()));
  ASSERT_NE(upper, sea);
  WriteIni(ListSection({sea, sea}));
  SetDesktopValue("Wallpaper", upper);
  SetDesktopValue("WallPaperOriginX", "12");
  SetDesktopValue("WallPaperOriginY", "abc");
  CreateForm();
  // Equal but for letter case: not appended again.
  EXPECT_EQ(Form->Candidates().Count(), 2);
  EXPECT_EQ(Form->ColorView->Color(), GetSysColor(COLOR_BACKGROUND));
  // Without SetBase the rules show "0"; with it the stored text stays.
  EXPECT_EQ(Form->OrgX->Text(), "0");
  Form->SetBase->SetChecked(true);
  Reload();
  EXPECT_EQ(Form->OrgX->Text(), "12");
  EXPECT_EQ(Form->OrgY->Text(), "abc");
  // Missing: the default; no data at all: empty; data is cut at its first
  // zero byte; an expandable string is a string, taken as it is.
  DeleteDesktopValue("WallPaperOriginX");
  SetDesktopValue("WallPaperOriginY", REG_SZ, "", 0);
  Reload();
  EXPECT_EQ(Form->OrgX->Text(), "0");
  EXPECT_EQ(Form->OrgY->Text(), "");
  SetDesktopValue("WallPaperOriginX", REG_SZ, "34\0zz", 6);
  SetDesktopValue("WallPaperOriginY", REG_EXPAND_SZ, "%Y%", 4);
  Reload();
  EXPECT_EQ(Form->OrgX->Text(), "34");
  EXPECT_EQ(Form->OrgY->Text(), "%Y%");

  // A wallpaper whose file is gone is appended after the entries, once per
  // load, even to a list of more than 73 entries, when its name fits the
  // list whole (255 bytes); a longer one would be listed cut, naming no
  // file, and is not appended at all.
  WriteIni(ListSection(std::vector<std::string>(80, sea)));
  const std::string gone = "C:\\gone\\" + std::string(243, 'g') + ".bmp";
  ASSERT_EQ(gone.size(), 255u);
  SetDesktopValue("Wallpaper", gone);
  Reload();
  Reload();
  ASSERT_EQ(Form->Candidates().Count(), 81);
  EXPECT_EQ(Form->Candidates().Paths()[80], gone);
  SetDesktopValue("Wallpaper", gone + "p");
  Reload();
  EXPECT_EQ(Form->Candidates().Count(), 80);
  EXPECT_EQ(Form->DispType->ItemIndex(), 1) << "a wallpaper is still set";
  EXPECT_TRUE(Boxes.empty());
}

TEST_F(SettingsDesktop, StoredAutomaticChangeSurvivesAReloadFromNoWallpaper) {
  const std::string sea = TempFile("sea.bmp");
  WriteIni(ListSection({sea}) + "[Freq]\r\nOn=1\r\n");
  SetDesktopValue("Wallpaper", sea);
  CreateForm();
  EXPECT_TRUE(Form->AutoChg->Checked());
  // The user picks "壁紙なし" and then cancels: the stored values return.
  Form->DispType->SetItemIndex(0);
  EXPECT_FALSE(Form->AutoChg->Checked());
  Reload();
  EXPECT_EQ(Form->DispType->ItemIndex(), 1);
  EXPECT_TRUE(Form->AutoChg->Checked());
  EXPECT_TRUE(Form->AutoChg->Enabled());
  EXPECT_TRUE(Form->ChgMode->Enabled());
  // With no wallpaper stored, the style is 0 and the check box stays clear.
  SetDesktopValue("Wallpaper", "");
  Reload();
  EXPECT_EQ(Form->DispType->ItemIndex(), 0);
  EXPECT_FALSE(Form->AutoChg->Checked());
  EXPECT_FALSE(Form->AutoChg->Enabled());
  EXPECT_TRUE(Boxes.empty());
}

TEST_F(SettingsDesktop, WrongTypeOrUnreadableValueStopsTheLoad) {
  const std::string sea = TempFile("sea.bmp");
  SetDesktopValue("Wallpaper", sea);
  CreateForm();
  HANDLE slotBefore = nullptr;
  const DWORD dword = 2;
  struct Case {
    const char* Name;
    DWORD Type;
    const char* Expected;
  } cases[] = {
      {"TileWallpaper", REG_DWORD, "'TileWallpaper' のﾃﾞｰﾀ型が不正です."},
      {"Wallpaper", REG_BINARY, "'Wallpaper' のﾃﾞｰﾀ型が不正です."},
      {"WallpaperStyle", REG_DWORD, "'WallpaperStyle' のﾃﾞｰﾀ型が不正です."},
      {"WallPaperOriginY", REG_MULTI_SZ, "'WallPaperOriginY' のﾃﾞｰﾀ型が不正です."},
  };
  for (const Case& c : cases) {
    SetDesktopValue("Wallpaper", sea);
    SetDesktopValue(c.Name, c.Type, &dword, sizeof dword);
    SetDesktopValue("WallPaperOriginX", "99");
    Form->SetBase->SetChecked(true);
    Form->DispType->SetItemIndex(1);
    Form->OrgX->SetText("5");
    Boxes.clear();
    SendMessageA(Form->BtnCancel->Handle(), BM_CLICK, 0, 0);
    Pump();
    ASSERT_TRUE(OneBox(c.Expected, TBoxKind::Error)) << c.Name;
    // Nothing after the failing value was read: the origin X is read just
    // before Y, after every other value.
    EXPECT_EQ(Form->OrgX->Text(), std::string(c.Name) == "WallPaperOriginY" ? "99" : "5") << c.Name;
    SetDesktopValue(c.Name, c.Name == std::string("Wallpaper") ? sea : "0");
    // The first error box path opens what the platform then keeps.
    if (!slotBefore) slotBefore = NextFreeHandle();
  }

  // A value that grows between the query that finds it and the fetch.
  TestPlatform().RegFetch = GrowValue;
  Boxes.clear();
  Reload();
  TestPlatform().RegFetch = nullptr;
  ASSERT_TRUE(OneBox("'TileWallpaper' の取得に失敗しました."));

  // A value of absurd size is refused, not allocated.
  const std::string huge((64 << 10) + 1, '1');
  SetDesktopValue("TileWallpaper", REG_SZ, huge.c_str(), DWORD(huge.size()));
  Boxes.clear();
  Reload();
  ASSERT_TRUE(OneBox("'TileWallpaper' の取得に失敗しました."));
  SetDesktopValue("TileWallpaper", "0");

  // No registry key was left open on any of these paths.
  EXPECT_EQ(NextFreeHandle(), slotBefore);
}

TEST_F(SettingsDesktop, ExecuteWritesTheValuesAndAppliesTheWallpaperByTheRules) {
  const std::string sea = TempFile("表 sea.bmp");
  const std::string gone = TempFile("gone.bmp");
  WriteIni(ListSection({sea, gone}));
  SetDesktopValue("Wallpaper", sea);
  CreateForm();
  ASSERT_EQ(Form->Candidates().Count(), 2);
  DeleteFileA(gone.c_str());
  const COLORREF original = GetSysColor(COLOR_BACKGROUND);
  const COLORREF chosen = original == RGB(12, 34, 56) ? RGB(65, 43, 21) : RGB(12, 34, 56);
  Form->ColorView->SetColor(chosen);
  Form->SetBase->SetChecked(true);
  Form->OrgX->SetText("left");
  Form->OrgY->SetText("-7");

  // Style 1, automatic change off, a selected picture that exists.
  Form->SelectCandidate(0);
  const std::string storedColor = ColorsValue("Background");
  Execute();
  EXPECT_EQ(GetSysColor(COLOR_BACKGROUND), chosen);
  // Stored as the display settings store it, so that it outlasts the session.
  EXPECT_EQ(ColorsValue("Background"), chosen == RGB(12, 34, 56) ? "12 34 56" : "65 43 21");
  EXPECT_EQ(StylePair(), "0 0");
  EXPECT_EQ(DesktopValue("WallPaperOriginX"), "left");
  EXPECT_EQ(DesktopValue("WallPaperOriginY"), "-7");
  EXPECT_EQ(WallpaperCalls, std::vector<std::string>{sea});

  // Style 3 with no selection: no call.
  Form->DispType->SetItemIndex(3);
  Form->AutoChg->SetChecked(false);
  Form->SelectCandidate(-1);
  Execute();
  EXPECT_EQ(StylePair(), "2 0");
  EXPECT_EQ(WallpaperCalls.size(), 1u);

  // A selected picture whose file is gone: two warnings, then it leaves the
  // list, and no call; the file written before still holds it.
  Form->SelectCandidate(1);
  Execute();
  ASSERT_EQ(Boxes.size(), 2u);
  EXPECT_EQ(Boxes[0].Kind, TBoxKind::Warning);
  EXPECT_EQ(Boxes[0].Text, "画像が見つかりません。壁紙を変更できません。");
  EXPECT_EQ(Boxes[1].Kind, TBoxKind::Warning);
  EXPECT_EQ(Boxes[1].Text, "この画像を壁紙候補から除外します");
  EXPECT_EQ(Form->Candidates().Paths(), std::vector<std::string>{sea});
  EXPECT_EQ(WallpaperCalls.size(), 1u);
  EXPECT_NE(ReadIni().find("2=" + gone), std::string::npos);

  // "壁紙なし": both style values "0", the origins as typed, and the call
  // with an empty path (a null one would bring the default picture back).
  Form->DispType->SetItemIndex(0);
  Form->OrgX->SetText("x y");
  Execute();
  EXPECT_EQ(StylePair(), "0 0");
  EXPECT_EQ(DesktopValue("WallPaperOriginX"), "x y");
  EXPECT_EQ(WallpaperCalls, (std::vector<std::string>{sea, ""}));
  EXPECT_EQ(Boxes.size(), 2u);

  const int element = COLOR_BACKGROUND;
  SetSysColors(1, &element, &original);
  SetColorsValue("Background", storedColor);
}

TEST_F(SettingsDesktop, APlacementTheWindowCannotShowIsWrittenBackUntilAStyleIsChosen) {
  const std::string sea = TempFile("sea.bmp");
  SetDesktopValue("Wallpaper", sea);
  SetDesktopValue("WallpaperStyle", "6");  // "fit", shown as centred
  SetDesktopValue("TileWallpaper", "0");
  CreateForm();
  ASSERT_EQ(Form->DispType->ItemIndex(), 1);
  // An Execute that only changes the period keeps the user's placement.
  Form->SetFreq(30);
  Execute();
  EXPECT_EQ(StylePair(), "6 0");
  // Choosing a style, even back to the one shown, writes the choice.
  Form->DispType->SetItemIndex(3);
  Form->DispType->SetItemIndex(1);
  Execute();
  EXPECT_EQ(StylePair(), "0 0");
  // Cancel reads the desktop again, and with it another pair to keep.
  SetDesktopValue("WallpaperStyle", "22");
  SetDesktopValue("TileWallpaper", "1");
  SendMessageA(Form->BtnCancel->Handle(), BM_CLICK, 0, 0);
  ASSERT_EQ(Form->DispType->ItemIndex(), 2);
  Execute();
  EXPECT_EQ(StylePair(), "22 1");
  EXPECT_TRUE(Boxes.empty());
}

TEST_F(SettingsDesktop, TheSwatchHoldsTheDesktopColourHoweverTheLoadEnds) {
  const DWORD dword = 1;
  SetDesktopValue("Wallpaper", TempFile("sea.bmp"));
  SetDesktopValue("TileWallpaper", REG_DWORD, &dword, sizeof dword);
  CreateForm();  // the load stops at its first desktop value
  ASSERT_EQ(Boxes.size(), 1u);
  const COLORREF desktop = GetSysColor(COLOR_BACKGROUND);
  EXPECT_EQ(Form->ColorView->Color(), desktop);
  // A colour chosen, then Cancel, which stops at the same value.
  Form->ColorView->SetColor(desktop ^ 0xFFFFFF);
  SendMessageA(Form->BtnCancel->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(Boxes.size(), 2u);
  EXPECT_EQ(Form->ColorView->Color(), desktop);
  SetDesktopValue("TileWallpaper", "0");
  Execute();
  EXPECT_EQ(GetSysColor(COLOR_BACKGROUND), desktop);
}
