// The user's desktop values as a plain record, with the rules of reading them
// (defaults, the style derived from Wallpaper, WallpaperStyle and
// TileWallpaper), the writes that store them and what Execute does with the
// wallpaper. Pure code: the registry comes in as a function.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/Kinds.h"

namespace sorvane {

struct TDesktopValues {
  TDispStyle Style = dsNone;
  std::string Wallpaper;  // the current wallpaper (read only), whole; empty: none
  std::string OriginX = "0";
  std::string OriginY = "0";
  std::uint32_t Color = 0;  // the background, 0x00BBGGRR
  // A name longer than the list keeps would be listed cut, naming no file
  // (or another one): only a name that fits whole joins the list.
  bool WallpaperFitsList() const;
};

// The text of a value under "desktop", or def when it is missing. May raise.
using TValueRead = std::function<std::string(const std::string& name, const std::string& def)>;

struct TValueWrite {
  std::string Name;
  std::string Value;
  bool operator==(const TValueWrite&) const = default;
};

// Reads TileWallpaper, Wallpaper and, only when a wallpaper is set,
// WallpaperStyle, in that order, into Style and Wallpaper. Nothing is stored
// when a read raises.
void ReadStyleAndWallpaper(const TValueRead& read, TDesktopValues& v);
// The origins are read one at a time, so that the caller can show X before
// the read of Y, which may raise.
void ReadOriginX(const TValueRead& read, TDesktopValues& v);
void ReadOriginY(const TValueRead& read, TDesktopValues& v);

// WallpaperStyle, TileWallpaper, WallPaperOriginX, WallPaperOriginY.
std::vector<TValueWrite> DesktopWrites(const TDesktopValues& v);

enum class TExecuteWallpaper {
  Keep,      // no wallpaper call: the next change uses the values written
  Remove,    // the call with a null path
  Selected,  // the selected entry, when its file exists
};
// selected is the list's selection, -1 for none.
TExecuteWallpaper WallpaperAtExecute(TDispStyle style, bool autoChange, std::int32_t selected);

}  // namespace sorvane
