// LoadSettings and SaveSettings: the settings file, then the desktop values.
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "Unit1/Unit1.h"
#include "base/Kinds.h"
#include "settings/Desktop.h"
#include "settings/IniFile.h"
#include "settings/Registry.h"

using sorvane::dsCenter;
using sorvane::dsNone;
using sorvane::dsStretch;
using sorvane::dsTile;
using sorvane::TDesktopRegistry;
using sorvane::TIniFile;

namespace {

// A stored Count is read as a number of entry keys up to this many: far more
// than dropping can build, few enough that a hand-edited Count cannot stall
// start-up.
constexpr std::int64_t kMaxEntryKeys = 1000;

bool SameText(const std::string& a, const std::string& b) {
  return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), int(a.size()), b.data(), int(b.size())) ==
         CSTR_EQUAL;
}

// The file half of LoadSettings. Returns the stored On value.
bool LoadFile(TForm1& f) {
  const TIniFile ini(f.IniName);
  const std::int64_t count = std::llabs(ini.ReadInteger("List", "Count", 0));
  const std::int64_t keys = count < kMaxEntryKeys ? count : kMaxEntryKeys;
  for (std::int64_t k = 1; k <= keys; ++k) {
    f.WorkStr = ini.ReadString("List", std::to_string(k), "s");
    if (sorvane::FileExists(f.WorkStr.Str())) f.ListBox->Add(f.WorkStr.Str());
  }
  const bool on = ini.ReadInteger("Freq", "On", 0) != 0;
  f.AutoChg->SetChecked(on);
  const std::int32_t order = ini.ReadInteger("Freq", "Random", 1);
  f.ChgMode->SetItemIndex(order < -1 ? -1 : order > 1 ? 1 : order);
  f.SetFreq(ini.ReadInteger("Freq", "Min", 1));
  f.FreqMin = f.Freq->Position();
  f.ListPos = 0;
  return on;
}

// The desktop half of LoadSettings; "Control panel" is closed when it ends,
// however it ends.
void LoadDesktop(TForm1& f, bool storedOn) {
  TDesktopRegistry reg;
  const std::string tile = reg.ReadString("TileWallpaper", "0").substr(0, 2);
  f.WorkStr = reg.ReadString("Wallpaper", "");
  if (f.WorkStr.Empty()) {
    f.DispType->SetItemIndex(dsNone);
  } else {
    if (reg.ReadInteger("WallpaperStyle", 0) == 2)
      f.DispType->SetItemIndex(dsStretch);
    else
      f.DispType->SetItemIndex(tile == "0" ? dsCenter : dsTile);
    bool listed = false;
    for (int i = 0; i < f.ListBox->Count() && !listed; ++i) listed = SameText(f.ListBox->Item(i), f.WorkStr.Str());
    if (!listed) f.ListBox->Add(f.WorkStr.Str());
  }
  // The rules cleared the check mark if "壁紙なし" was shown when the file's
  // value was put in; with the stored style now in place it comes back.
  if (f.DispType->ItemIndex() != dsNone) f.AutoChg->SetChecked(storedOn);
  f.OrgX->SetText(reg.ReadString("WallPaperOriginX", "0"));
  f.OrgY->SetText(reg.ReadString("WallPaperOriginY", "0"));
  f.ColorView->SetColor(GetSysColor(COLOR_BACKGROUND));
}

void SaveFile(TForm1& f) {
  const TIniFile ini(f.IniName);
  ini.EraseSection("List");
  const int n = f.ListBox->Count();
  for (int k = 1; k <= n; ++k) ini.WriteString("List", std::to_string(k), f.ListBox->Item(k - 1));
  ini.WriteString("List", "Count", std::to_string(n));
  ini.WriteString("Freq", "On", f.AutoChg->Checked() ? "1" : "0");
  ini.WriteString("Freq", "Min", std::to_string(f.Freq->Position()));
  ini.WriteString("Freq", "Random", std::to_string(f.ChgMode->ItemIndex()));
}

void SaveDesktop(TForm1& f) {
  const int element = COLOR_BACKGROUND;
  const COLORREF color = ColorToRGB(f.ColorView->Color());
  SetSysColors(1, &element, &color);
  {
    TDesktopRegistry reg;
    const int style = f.DispType->ItemIndex();
    reg.WriteString("WallpaperStyle", style == dsStretch ? "2" : "0");
    reg.WriteString("TileWallpaper", style == dsTile ? "1" : "0");
    reg.WriteString("WallPaperOriginX", f.OrgX->Text());
    reg.WriteString("WallPaperOriginY", f.OrgY->Text());
  }
  if (f.DispType->ItemIndex() == dsNone) {
    sorvane::SetDeskWallpaper(nullptr);
    return;
  }
  const int sel = f.ListBox->ItemIndex();
  if (f.AutoChg->Checked() || sel < 0) return;
  const std::string path = f.ListBox->Item(sel);
  if (sorvane::FileExists(path)) {
    sorvane::SetDeskWallpaper(path.c_str());
    return;
  }
  f.Warn("画像が見つかりません。壁紙を変更できません。");
  f.Warn("この画像を壁紙候補から除外します");
  f.DeleteSelected();
}

}  // namespace

void TForm1::LoadSettings() {
  const bool storedOn = LoadFile(*this);
  LoadDesktop(*this, storedOn);
  UpdateControls();
}

void TForm1::SaveSettings() {
  SaveFile(*this);
  SaveDesktop(*this);
}
