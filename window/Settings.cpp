// LoadSettings and SaveSettings: the window's side of the stored settings
// and the desktop values. The records do the reading, the defaults and the
// clamps; here their values go into the controls and back, in the order the
// user sees the effects.
#include <windows.h>

#include "window/Unit1.h"
#include "settings/Desktop.h"
#include "settings/IniBytes.h"
#include "settings/IniFile.h"
#include "settings/Registry.h"

using namespace sorvane;

namespace {

bool SameText(const std::string& a, const std::string& b) {
  return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), int(a.size()), b.data(), int(b.size())) ==
         CSTR_EQUAL;
}

bool Listed(const std::vector<std::string>& paths, const std::string& path) {
  for (const std::string& p : paths)
    if (SameText(p, path)) return true;
  return false;
}

}  // namespace

void TForm1::LoadSettings() {
  // The swatch shows, and Execute writes, the desktop's colour however the
  // rest of the load ends.
  ColorView->SetColor(GetSysColor(COLOR_BACKGROUND));
  StyleAsLoaded.reset();
  const TStoredSettings stored = ReadStoredSettings(*OpenSettingsFile(IniName));
  // The names are Shift-JIS: under another ANSI code page they name no
  // file, and every entry stays for when the code page is Japanese again.
  const bool namesReadable = GetACP() == 932;
  for (const std::string& path : stored.Paths) {
    WorkStr = path;
    // Only a picture deleted from its folder leaves the list: one on a
    // drive or share that is not there yet stays for when it is.
    if (!namesReadable || !FileIsGone(WorkStr.Str())) AddCandidate(WorkStr.Str());
  }
  AutoChg->SetChecked(stored.AutoChange);
  ChgMode->SetItemIndex(stored.Order);
  SetFreq(stored.Period);
  FreqMin = Freq->Position();
  ListPos = 0;

  {  // "Control panel" stays open for the desktop half, however it ends.
    TDesktopRegistry reg;
    TDesktopValues desk;
    ReadStyleAndWallpaper(reg, desk);
    WorkStr = desk.Wallpaper;
    DispType->SetItemIndex(desk.Style);
    StyleAsLoaded = desk.StoredStyle;  // after the click rules of the change
    if (desk.Style != dsNone && desk.WallpaperFitsList() && !Listed(Candidates().Paths(), desk.Wallpaper))
      AddCandidate(desk.Wallpaper);
    // The rules cleared the check mark if "壁紙なし" was shown when the
    // file's value was put in; with the stored style in place it comes back.
    if (DispType->ItemIndex() != dsNone) AutoChg->SetChecked(stored.AutoChange);
    ReadOriginX(reg, desk);
    OrgX->SetText(desk.OriginX);
    ReadOriginY(reg, desk);
    OrgY->SetText(desk.OriginY);
  }
  UpdateControls();
}

void TForm1::SaveSettings() {
  TStoredSettings stored;
  stored.Paths = Candidates().Paths();
  stored.AutoChange = AutoChg->Checked();
  stored.Period = Freq->Position();
  stored.Order = ChangeOrder();
  {  // written into a copy that replaces the file only when it holds them all
    TIniReplacement file(IniName);
    const std::unique_ptr<TProfile> copy = OpenSettingsFile(file.Name(), IniName);
    WriteStoredSettings(stored, *copy);
    file.Commit(stored, *copy);
  }

  TDesktopValues desk;
  desk.Style = DisplayStyle();
  desk.StoredStyle = StyleAsLoaded;
  desk.OriginX = OrgX->Text();
  desk.OriginY = OrgY->Text();
  desk.Color = ColorToRGB(ColorView->Color());
  const int element = COLOR_BACKGROUND;
  const COLORREF color = desk.Color;
  SetSysColors(1, &element, &color);
  {
    TDesktopRegistry reg;
    WriteDesktopValues(desk, reg);
  }

  switch (WallpaperAtExecute(desk.Style, AutoChg->Checked(), Candidates().Selected())) {
    case TExecuteWallpaper::Keep:
      return;
    case TExecuteWallpaper::Remove:
      RemoveDeskWallpaper();
      return;
    case TExecuteWallpaper::Selected:
      break;
  }
  const std::string path = Candidates().SelectedPath();
  if (FileExists(path)) {
    SetDeskWallpaper(path.c_str());
    return;
  }
  Warn("画像が見つかりません。壁紙を変更できません。");
  Warn("この画像を壁紙候補から除外します");
  DeleteSelected();
}
