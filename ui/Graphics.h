// A picture: a bitmap, an icon or an enhanced metafile, owned and drawn.
#pragma once
#include <windows.h>

#include <string>

#include "base/Handle.h"

namespace sorvane {
struct TLoadedPicture;
}

enum class TGraphicKind { None, Bitmap, Icon, Metafile };

class TPicture {
 public:
  TPicture() = default;
  TPicture(const TPicture&) = delete;
  TPicture& operator=(const TPicture&) = delete;

  TGraphicKind Kind() const { return FKind; }
  bool Empty() const { return FKind == TGraphicKind::None; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }

  // Loads the file by its extension (bmp, ico, wmf, emf); the picture shown
  // is replaced only once the new one has loaded completely. Raises EError
  // with the run-time's texts on failure.
  void LoadFromFile(const std::string& path);
  // A blank (black) bitmap of the given size.
  void SetBlankBitmap(int width, int height);
  // Fills the bitmap's own rectangle with a colour; raises when the picture
  // is not a bitmap.
  void FillBitmap(COLORREF color);
  // A bitmap of one colour all over keeps no pixels: it is drawn as that
  // colour, and its memory (and a loaded picture's) is given back at once.
  void Clear();
  void Draw(HDC dc, const RECT& r, bool stretch, bool center) const;

 private:
  void Take(sorvane::TLoadedPicture& p);
  TGraphicKind FKind = TGraphicKind::None;
  TGdiObject<HBITMAP> FBitmap;  // none: a bitmap of the colour FFill
  COLORREF FFill = RGB(0, 0, 0);
  TIconHandle FIcon;
  TMetafileHandle FMetafile;
  int FWidth = 0, FHeight = 0;
};
