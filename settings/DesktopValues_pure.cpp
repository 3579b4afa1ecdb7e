#include "settings/DesktopValues.h"

#include "settings/StoredSettings.h"
#include "base/StrToInt.h"

namespace sorvane {

void ReadStyleAndWallpaper(TDesktopStore& store, TDesktopValues& v) {
  // Judged by its first two bytes, not characters: the value is plain digits
  // when it means anything.
  const std::string tile = store.ReadString("TileWallpaper", "0");
  std::string wallpaper = store.ReadPath("Wallpaper");
  TDispStyle style = dsNone;
  std::optional<TStylePair> stored;
  if (!wallpaper.empty()) {
    // Missing values come back as what the style's own pair would write.
    stored = TStylePair{store.ReadString("WallpaperStyle", "0"), tile};
    if (StrToIntDef(stored->Style, 0) == 2) style = dsStretch;
    else style = tile.substr(0, 2) == "0" ? dsCenter : dsTile;
  }
  v.Style = style;
  v.StoredStyle = std::move(stored);
  v.Wallpaper = std::move(wallpaper);
}

bool TDesktopValues::WallpaperFitsList() const { return Wallpaper.size() <= kMaxPathBytes; }

void ReadOriginX(TDesktopStore& store, TDesktopValues& v) { v.OriginX = store.ReadString("WallPaperOriginX", "0"); }

void ReadOriginY(TDesktopStore& store, TDesktopValues& v) { v.OriginY = store.ReadString("WallPaperOriginY", "0"); }

std::string ColorText(std::uint32_t rgb) {
  return std::to_string(rgb & 0xFF) + " " + std::to_string((rgb >> 8) & 0xFF) + " " + std::to_string((rgb >> 16) & 0xFF);
}

void WriteDesktopValues(const TDesktopValues& v, TDesktopStore& store) {
  store.WriteColorString("Background", ColorText(v.Color));
  const TStylePair own{v.Style == dsStretch ? "2" : "0", v.Style == dsTile ? "1" : "0"};
  const TStylePair& pair = v.StoredStyle ? *v.StoredStyle : own;
  store.WriteString("WallpaperStyle", pair.Style);
  store.WriteString("TileWallpaper", pair.Tile);
  store.WriteString("WallPaperOriginX", v.OriginX);
  store.WriteString("WallPaperOriginY", v.OriginY);
}

TExecuteWallpaper WallpaperAtExecute(TDispStyle style, bool autoChange, std::int32_t selected) {
  if (style == dsNone) return TExecuteWallpaper::Remove;
  if (autoChange || selected < 0) return TExecuteWallpaper::Keep;
  return TExecuteWallpaper::Selected;
}

}  // namespace sorvane
