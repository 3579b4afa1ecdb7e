#include "ui/Graphics.h"

#include "base/Error.h"
#include "picture/PictureFile.h"
#include "ui/Host.h"

void TPicture::Clear() {
  FBitmap.Reset();
  FIcon.Reset();
  FMetafile.Reset();
  FKind = TGraphicKind::None;
  FWidth = FHeight = 0;
  FFill = RGB(0, 0, 0);
}

void TPicture::Take(sorvane::TLoadedPicture& p) {
  Clear();
  switch (p.Format) {
    case sorvane::TPictureFormat::Bmp:
      FKind = TGraphicKind::Bitmap;
      FBitmap = std::move(p.Bitmap);
      break;
    case sorvane::TPictureFormat::Ico:
      FKind = TGraphicKind::Icon;
      FIcon = std::move(p.Icon);
      break;
    case sorvane::TPictureFormat::Wmf:
    case sorvane::TPictureFormat::Emf:
      FKind = TGraphicKind::Metafile;
      FMetafile = std::move(p.Metafile);
      break;
    case sorvane::TPictureFormat::Unknown:
      return;
  }
  FWidth = p.Width;
  FHeight = p.Height;
}

void TPicture::SetBlankBitmap(int width, int height) {
  Clear();
  FKind = TGraphicKind::Bitmap;
  FWidth = width;
  FHeight = height;
}

void TPicture::FillBitmap(COLORREF color) {
  if (FKind != TGraphicKind::Bitmap) throw EError("ﾋﾞｯﾄﾏｯﾌﾟを持っている時のみｲﾒｰｼﾞの変更が可能です");
  // The whole picture is painted over: what is left is its size and one
  // colour (the exact colour, also where a colour table would have shown the
  // nearest entry).
  FBitmap.Reset();
  FFill = color;
}

void TPicture::Draw(HDC dc, const RECT& r, bool stretch, bool center) const {
  RECT dst = r;
  if (!stretch) {
    const int w = FWidth, h = FHeight;
    if (center) {
      dst.left = r.left + (r.right - r.left - w) / 2;
      dst.top = r.top + (r.bottom - r.top - h) / 2;
    }
    dst.right = dst.left + w;
    dst.bottom = dst.top + h;
  }
  switch (FKind) {
    case TGraphicKind::Bitmap: {
      if (FWidth <= 0 || FHeight <= 0) return;
      if (!FBitmap) {
        FillRect(dc, &dst, Host->Brush(FFill));
        return;
      }
      const TMemoryDC mem(CreateCompatibleDC(dc));
      const TSelectObject bitmap(mem, FBitmap);
      const int mode = SetStretchBltMode(dc, HALFTONE);
      SetBrushOrgEx(dc, 0, 0, nullptr);
      StretchBlt(dc, dst.left, dst.top, dst.right - dst.left, dst.bottom - dst.top, mem, 0, 0, FWidth, FHeight,
                 SRCCOPY);
      SetStretchBltMode(dc, mode);
      break;
    }
    case TGraphicKind::Icon:
      DrawIconEx(dc, dst.left, dst.top, FIcon, dst.right - dst.left, dst.bottom - dst.top, 0, nullptr, DI_NORMAL);
      break;
    case TGraphicKind::Metafile:
      PlayEnhMetaFile(dc, FMetafile, &dst);
      break;
    case TGraphicKind::None:
      break;
  }
}

void TPicture::LoadFromFile(const std::string& path) {
  sorvane::TLoadedPicture p = sorvane::LoadPictureFile(path);
  Take(p);
}
