// The user's desktop values as a plain record, with the rules of reading them
// (defaults, the style derived from Wallpaper, WallpaperStyle and
// TileWallpaper), the writes that store them and what Execute does with the
// wallpaper. Pure code: the registry comes in through the TDesktopStore
// interface.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/Kinds.h"

namespace sorvane {

// WallpaperStyle and TileWallpaper as they were read, whole.
struct TStylePair {
  std::string Style;
  std::string Tile;
  bool operator==(const TStylePair&) const = default;
};

struct TDesktopValues {
  TDispStyle Style = dsNone;
  // The pair a load found beside a wallpaper. Later versions of Windows
  // store placements this window cannot show (fit, fill, span...); while
  // the user keeps the style shown for it, the pair is written back as it
  // was rather than replaced by the nearest style of the window.
  std::optional<TStylePair> StoredStyle;
  std::string Wallpaper;  // the current wallpaper (read only), whole; empty: none
  std::string OriginX = "0";
  std::string OriginY = "0";
  std::uint32_t Color = 0;  // the background, 0x00BBGGRR
  // A name longer than the list keeps would be listed cut, naming no file
  // (or another one): only a name that fits whole joins the list.
  bool WallpaperFitsList() const;
};

// The values under "desktop" as the record sees them.
class TDesktopStore {
 public:
  virtual ~TDesktopStore() = default;
  // The value's text, or def when it is missing. May raise.
  virtual std::string ReadString(const char* name, const char* def) = 0;
  // A value that names a file, in a form the ANSI calls reach it by; empty
  // when it is missing. May raise.
  virtual std::string ReadPath(const char* name) { return ReadString(name, ""); }
  // May raise.
  virtual void WriteString(const char* name, const std::string& value) = 0;
  // A value under "Colors" beside "desktop". May raise.
  virtual void WriteColorString(const char* name, const std::string& value) = 0;
};

// Reads TileWallpaper, Wallpaper and, only when a wallpaper is set,
// WallpaperStyle, in that order, into Style, StoredStyle and Wallpaper.
// Nothing is stored when a read raises.
void ReadStyleAndWallpaper(TDesktopStore& store, TDesktopValues& v);
// The origins are read one at a time, so that the caller can show X before
// the read of Y, which may raise.
void ReadOriginX(TDesktopStore& store, TDesktopValues& v);
void ReadOriginY(TDesktopStore& store, TDesktopValues& v);

// The colour as the system's display settings store it: "R G B" in decimal.
std::string ColorText(std::uint32_t rgb);

// Colors\Background (so that the colour outlasts the session), then
// WallpaperStyle, TileWallpaper (StoredStyle when set, else the style's
// own pair), WallPaperOriginX and WallPaperOriginY, in that order; a write
// that raises stops the rest.
void WriteDesktopValues(const TDesktopValues& v, TDesktopStore& store);

enum class TExecuteWallpaper {
  Keep,      // no wallpaper call: the next change uses the values written
  Remove,    // the call with an empty path: no wallpaper
  Selected,  // the selected entry, when its file exists
};
// selected is the list's selection, -1 for none.
TExecuteWallpaper WallpaperAtExecute(TDispStyle style, bool autoChange, std::int32_t selected);

}  // namespace sorvane
