#include "settings/DesktopValues.h"

#include "settings/StoredSettings.h"
#include "base/StrToInt.h"

namespace sorvane {

void ReadStyleAndWallpaper(TDesktopStore& store, TDesktopValues& v) {
  // Bytes, not characters: the value is plain digits when it means anything.
  const std::string tile = store.ReadString("TileWallpaper", "0").substr(0, 2);
  std::string wallpaper = store.ReadString("Wallpaper", "");
  TDispStyle style = dsNone;
  if (!wallpaper.empty()) {
    if (StrToIntDef(store.ReadString("WallpaperStyle", ""), 0) == 2) style = dsStretch;
    else style = tile == "0" ? dsCenter : dsTile;
  }
  v.Style = style;
  v.Wallpaper = std::move(wallpaper);
}

bool TDesktopValues::WallpaperFitsList() const { return Wallpaper.size() <= kMaxPathBytes; }

void ReadOriginX(TDesktopStore& store, TDesktopValues& v) { v.OriginX = store.ReadString("WallPaperOriginX", "0"); }

void ReadOriginY(TDesktopStore& store, TDesktopValues& v) { v.OriginY = store.ReadString("WallPaperOriginY", "0"); }

void WriteDesktopValues(const TDesktopValues& v, TDesktopStore& store) {
  store.WriteString("WallpaperStyle", v.Style == dsStretch ? "2" : "0");
  store.WriteString("TileWallpaper", v.Style == dsTile ? "1" : "0");
  store.WriteString("WallPaperOriginX", v.OriginX);
  store.WriteString("WallPaperOriginY", v.OriginY);
}

TExecuteWallpaper WallpaperAtExecute(TDispStyle style, bool autoChange, std::int32_t selected) {
  if (style == dsNone) return TExecuteWallpaper::Remove;
  if (autoChange || selected < 0) return TExecuteWallpaper::Keep;
  return TExecuteWallpaper::Selected;
}

}  // namespace sorvane
