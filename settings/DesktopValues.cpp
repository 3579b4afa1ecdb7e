#include "settings/DesktopValues.h"

#include "settings/StoredSettings.h"
#include "base/StrToInt.h"

namespace sorvane {

void ReadStyleAndWallpaper(const TValueRead& read, TDesktopValues& v) {
  // Bytes, not characters: the value is plain digits when it means anything.
  const std::string tile = read("TileWallpaper", "0").substr(0, 2);
  std::string wallpaper = read("Wallpaper", "");
  TDispStyle style = dsNone;
  if (!wallpaper.empty()) {
    if (StrToIntDef(read("WallpaperStyle", ""), 0) == 2) style = dsStretch;
    else style = tile == "0" ? dsCenter : dsTile;
  }
  v.Style = style;
  v.Wallpaper = std::move(wallpaper);
}

bool TDesktopValues::WallpaperFitsList() const { return Wallpaper.size() <= kMaxPathBytes; }

void ReadOriginX(const TValueRead& read, TDesktopValues& v) { v.OriginX = read("WallPaperOriginX", "0"); }

void ReadOriginY(const TValueRead& read, TDesktopValues& v) { v.OriginY = read("WallPaperOriginY", "0"); }

std::vector<TValueWrite> DesktopWrites(const TDesktopValues& v) {
  return {
      {"WallpaperStyle", v.Style == dsStretch ? "2" : "0"},
      {"TileWallpaper", v.Style == dsTile ? "1" : "0"},
      {"WallPaperOriginX", v.OriginX},
      {"WallPaperOriginY", v.OriginY},
  };
}

TExecuteWallpaper WallpaperAtExecute(TDispStyle style, bool autoChange, std::int32_t selected) {
  if (style == dsNone) return TExecuteWallpaper::Remove;
  if (autoChange || selected < 0) return TExecuteWallpaper::Keep;
  return TExecuteWallpaper::Selected;
}

}  // namespace sorvane
