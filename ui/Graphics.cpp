#include "ui/Graphics.h"

#include "base/Error.h"
#include "picture/PictureFile.h"

TPicture::~TPicture() { Clear(); }

void TPicture::Clear() {
  if (FBitmap) DeleteObject(FBitmap);
  if (FIcon) DestroyIcon(FIcon);
  if (FMetafile) DeleteEnhMetaFile(FMetafile);
  FBitmap = nullptr;
  FIcon = nullptr;
  FMetafile = nullptr;
  FKind = TGraphicKind::None;
  FWidth = FHeight = 0;
  FFill = RGB(0, 0, 0);
}

void TPicture::AssignBitmap(HBITMAP bmp, int width, int height) {
  Clear();
  FBitmap = bmp;
  FKind = TGraphicKind::Bitmap;
  FWidth = width;
  FHeight = height;
}

void TPicture::AssignIcon(HICON icon, int width, int height) {
  Clear();
  FIcon = icon;
  FKind = TGraphicKind::Icon;
  FWidth = width;
  FHeight = height;
}

void TPicture::AssignMetafile(HENHMETAFILE emf, int width, int height) {
  Clear();
  FMetafile = emf;
  FKind = TGraphicKind::Metafile;
  FWidth = width;
  FHeight = height;
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
  if (FBitmap) DeleteObject(FBitmap);
  FBitmap = nullptr;
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
        HBRUSH b = CreateSolidBrush(FFill);
        FillRect(dc, &dst, b);
        DeleteObject(b);
        return;
      }
      HDC mem = CreateCompatibleDC(dc);
      HGDIOBJ old = SelectObject(mem, FBitmap);
      const int mode = SetStretchBltMode(dc, HALFTONE);
      SetBrushOrgEx(dc, 0, 0, nullptr);
      StretchBlt(dc, dst.left, dst.top, dst.right - dst.left, dst.bottom - dst.top, mem, 0, 0, FWidth, FHeight,
                 SRCCOPY);
      SetStretchBltMode(dc, mode);
      SelectObject(mem, old);
      DeleteDC(mem);
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
  const sorvane::TLoadedPicture p = sorvane::LoadPictureFile(path);
  switch (p.Format) {
    case sorvane::TPictureFormat::Bmp:
      AssignBitmap(p.Bitmap, p.Width, p.Height);
      break;
    case sorvane::TPictureFormat::Ico:
      AssignIcon(p.Icon, p.Width, p.Height);
      break;
    case sorvane::TPictureFormat::Wmf:
    case sorvane::TPictureFormat::Emf:
      AssignMetafile(p.Metafile, p.Width, p.Height);
      break;
    case sorvane::TPictureFormat::Unknown:
      break;
  }
}
