#include "ui/Graphics.h"

#include "ui/BitmapFile.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "base/Error.h"
#include "base/Mbcs.h"

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
  HDC screen = GetDC(nullptr);
  HBITMAP bmp = CreateCompatibleBitmap(screen, width, height);
  ReleaseDC(nullptr, screen);
  AssignBitmap(bmp, width, height);
}

void TPicture::FillBitmap(COLORREF color) {
  if (FKind != TGraphicKind::Bitmap) throw EError("ﾋﾞｯﾄﾏｯﾌﾟを持っている時のみｲﾒｰｼﾞの変更が可能です");
  if (!FBitmap) return;
  // A bitmap with a colour table would show the nearest entry, not the colour:
  // the whole picture is painted over anyway, so paint a screen bitmap of the
  // same size instead.
  DIBSECTION ds{};
  if (GetObjectA(FBitmap, sizeof ds, &ds) == sizeof ds && ds.dsBmih.biBitCount <= 8) {
    HDC screen = GetDC(nullptr);
    HBITMAP plain = CreateCompatibleBitmap(screen, FWidth, FHeight);
    ReleaseDC(nullptr, screen);
    if (plain) {
      DeleteObject(FBitmap);
      FBitmap = plain;
    }
  }
  HDC mem = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(mem, FBitmap);
  HBRUSH b = CreateSolidBrush(color);
  RECT r{0, 0, FWidth, FHeight};
  FillRect(mem, &r, b);
  DeleteObject(b);
  SelectObject(mem, old);
  DeleteDC(mem);
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
      if (!FBitmap || FWidth <= 0 || FHeight <= 0) return;
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

// ------------------------------------------------------------ loading

namespace {

const char kInvalidBitmap[] = "ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です";
const char kInvalidIcon[] = "ｱｲｺﾝｲﾒｰｼﾞが不正です";
const char kInvalidMetafile[] = "ﾒﾀﾌｧｲﾙが不正です";
// Larger picture files are refused rather than read into a 32-bit process.
constexpr DWORD kMaxFileBytes = 256u << 20;

// A whole file, mapped read-only rather than copied: a large bitmap is read
// once, straight into its section, and no buffer of its size is allocated
// and cleared first. (The platform refuses to shorten a file while a view of
// it exists.)
class Bytes {
 public:
  Bytes() = default;
  Bytes(HANDLE map, const unsigned char* view, std::size_t size) : FMap(map), FView(view), FSize(size) {}
  Bytes(Bytes&& o) noexcept : FMap(o.FMap), FView(o.FView), FSize(o.FSize) {
    o.FMap = nullptr;
    o.FView = nullptr;
    o.FSize = 0;
  }
  Bytes(const Bytes&) = delete;
  Bytes& operator=(const Bytes&) = delete;
  Bytes& operator=(Bytes&&) = delete;
  ~Bytes() {
    if (FView) UnmapViewOfFile(FView);
    if (FMap) CloseHandle(FMap);
  }
  const unsigned char* data() const { return FView; }
  std::size_t size() const { return FSize; }
  bool empty() const { return FSize == 0; }
  unsigned char operator[](std::size_t i) const { return FView[i]; }

 private:
  HANDLE FMap = nullptr;
  const unsigned char* FView = nullptr;
  std::size_t FSize = 0;
};

std::uint32_t U32(const Bytes& b, std::size_t at) {
  return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
         std::uint32_t(b[at + 3]) << 24;
}
std::uint16_t U16(const Bytes& b, std::size_t at) { return std::uint16_t(b[at] | b[at + 1] << 8); }
std::int16_t I16(const Bytes& b, std::size_t at) { return std::int16_t(U16(b, at)); }

Bytes ReadWholeFile(const std::string& path) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) throw EError(sorvane::FormatS("ﾌｧｲﾙ %s は開けません", path));
  DWORD high = 0;
  const DWORD size = GetFileSize(h, &high);
  bool ok = size != INVALID_FILE_SIZE && high == 0 && size <= kMaxFileBytes;
  HANDLE map = nullptr;
  const void* view = nullptr;
  if (ok && size > 0) {
    map = CreateFileMappingA(h, nullptr, PAGE_READONLY, 0, 0, nullptr);
    view = map ? MapViewOfFile(map, FILE_MAP_READ, 0, 0, 0) : nullptr;
    ok = view != nullptr;
  }
  CloseHandle(h);  // the mapping keeps the file
  if (!ok) {
    if (map) CloseHandle(map);
    throw EError(sorvane::FormatS("ﾌｧｲﾙ %s は開けません", path));
  }
  return Bytes(map, static_cast<const unsigned char*>(view), size);
}

int ScreenPixelsPerInch() {
  HDC screen = GetDC(nullptr);
  const int ppi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return ppi > 0 ? ppi : 96;
}

// A device-independent bitmap section made from a bitmap file. Every header
// field is checked against the file before it is used, so a truncated or
// damaged file gives the bitmap error and never a wild read or a huge
// allocation.
HBITMAP BitmapFromFile(const Bytes& f, int& width, int& height) {
  sorvane::TBitmapLayout layout;
  if (!sorvane::ParseBitmapFile(f.data(), f.size(), layout)) throw EError(kInvalidBitmap);
  // Everything is brought to a BITMAPINFOHEADER with bit masks and colours.
  struct {
    BITMAPINFOHEADER h;
    RGBQUAD colors[256];
  } info{};
  const std::uint32_t compression = layout.Compression;
  const bool bitfields = compression == sorvane::bcBitfields;
  const std::int64_t w = layout.Width;
  const std::int64_t absH = layout.Height < 0 ? -std::int64_t(layout.Height) : layout.Height;
  info.h.biSize = sizeof(BITMAPINFOHEADER);
  info.h.biWidth = LONG(layout.Width);
  info.h.biHeight = LONG(layout.Height);
  info.h.biPlanes = 1;
  info.h.biBitCount = WORD(layout.Bits);
  info.h.biCompression = bitfields ? BI_BITFIELDS : BI_RGB;
  if (bitfields) std::memcpy(info.colors, layout.Masks, sizeof layout.Masks);
  if (layout.Bits <= 8) {
    for (std::uint32_t i = 0; i < layout.ColorCount; ++i)
      info.colors[i] = RGBQUAD{layout.Colors[i][0], layout.Colors[i][1], layout.Colors[i][2], 0};
    info.h.biClrUsed = layout.ColorCount;
  }
  const std::size_t pixelsAt = layout.PixelsAt;
  const std::uint64_t unpacked = layout.UnpackedBytes;
  const bool rle = compression == sorvane::bcRle8 || compression == sorvane::bcRle4;
  const std::size_t packedSize = layout.PixelBytes;

  void* pixels = nullptr;
  HBITMAP bmp = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &pixels, nullptr, 0);
  if (!bmp || !pixels) throw EError(kInvalidBitmap);
  if (rle) {
    // The platform unpacks run-length data into the section.
    auto rleInfo = info;
    rleInfo.h.biCompression = compression;
    rleInfo.h.biSizeImage = DWORD(packedSize);
    std::memset(pixels, 0, std::size_t(unpacked));
    HDC screen = GetDC(nullptr);
    const int lines = SetDIBits(screen, bmp, 0, UINT(absH), f.data() + pixelsAt, reinterpret_cast<BITMAPINFO*>(&rleInfo),
                                DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (lines == 0) {
      DeleteObject(bmp);
      throw EError(kInvalidBitmap);
    }
  } else {
    std::memcpy(pixels, f.data() + pixelsAt, std::size_t(unpacked));
  }
  GdiFlush();
  width = int(w);
  height = int(absH);
  return bmp;
}

// The first image of an icon file.
HICON IconFromFile(const Bytes& f, int& width, int& height) {
  if (f.size() < 6 + 16 || U16(f, 0) != 0 || U16(f, 2) != 1 || U16(f, 4) == 0) throw EError(kInvalidIcon);
  const std::uint32_t size = U32(f, 6 + 8);
  const std::uint32_t offset = U32(f, 6 + 12);
  if (offset > f.size() || size > f.size() - offset || size < sizeof(BITMAPINFOHEADER)) throw EError(kInvalidIcon);
  const int cx = f[6] ? f[6] : 256, cy = f[7] ? f[7] : 256;
  HICON icon = CreateIconFromResourceEx(const_cast<BYTE*>(f.data() + offset), size, TRUE, 0x00030000, cx, cy,
                                        LR_DEFAULTCOLOR);
  if (!icon) throw EError(kInvalidIcon);
  ICONINFO ii{};
  BITMAP bm{};
  if (GetIconInfo(icon, &ii)) {
    if (ii.hbmColor && GetObjectA(ii.hbmColor, sizeof bm, &bm)) {
      width = bm.bmWidth;
      height = bm.bmHeight;
    } else if (ii.hbmMask && GetObjectA(ii.hbmMask, sizeof bm, &bm)) {
      width = bm.bmWidth;
      height = bm.bmHeight / 2;
    }
    if (ii.hbmColor) DeleteObject(ii.hbmColor);
    if (ii.hbmMask) DeleteObject(ii.hbmMask);
  }
  if (width <= 0 || height <= 0) {
    width = cx;
    height = cy;
  }
  return icon;
}

// Size on the screen of a metafile frame given in 0.01 mm.
void FrameToPixels(const RECTL& frame, int& width, int& height) {
  const int ppi = ScreenPixelsPerInch();
  width = MulDiv(frame.right - frame.left, ppi, 2540);
  height = MulDiv(frame.bottom - frame.top, ppi, 2540);
  if (width < 0) width = -width;
  if (height < 0) height = -height;
}

HENHMETAFILE EnhMetafileFromFile(const Bytes& f, int& width, int& height) {
  if (f.size() < sizeof(ENHMETAHEADER) || U32(f, 0) != EMR_HEADER || U32(f, 40) != ENHMETA_SIGNATURE ||
      U32(f, 48) > f.size() || U32(f, 48) < sizeof(ENHMETAHEADER))
    throw EError(kInvalidMetafile);
  HENHMETAFILE emf = SetEnhMetaFileBits(U32(f, 48), f.data());
  if (!emf) throw EError(kInvalidMetafile);
  ENHMETAHEADER hdr{};
  GetEnhMetaFileHeader(emf, sizeof hdr, &hdr);
  FrameToPixels(hdr.rclFrame, width, height);
  return emf;
}

// A Windows metafile, with or without the placeable header, converted to an
// enhanced one.
HENHMETAFILE WinMetafileFromFile(const Bytes& f, int& width, int& height) {
  constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
  constexpr std::size_t kPlaceableSize = 22;
  std::size_t at = 0;
  const bool placeable = f.size() >= kPlaceableSize && U32(f, 0) == kPlaceableKey;
  int left = 0, top = 0, right = 0, bottom = 0, inch = 0;
  if (placeable) {
    left = I16(f, 6);
    top = I16(f, 8);
    right = I16(f, 10);
    bottom = I16(f, 12);
    inch = U16(f, 14);
    if (inch == 0 || right == left || bottom == top) throw EError(kInvalidMetafile);
    at = kPlaceableSize;
  }
  // METAHEADER: type 1 or 2, header of 9 words, size in words.
  if (f.size() - at < 18) throw EError(kInvalidMetafile);
  const unsigned type = U16(f, at), headerWords = U16(f, at + 2);
  const std::uint64_t bytes = std::uint64_t(U32(f, at + 6)) * 2;
  if ((type != 1 && type != 2) || headerWords != 9 || bytes < 18 || bytes > f.size() - at)
    throw EError(kInvalidMetafile);
  METAFILEPICT mfp{};
  const int ppi = ScreenPixelsPerInch();
  if (placeable) {
    width = MulDiv(std::abs(right - left), ppi, inch);
    height = MulDiv(std::abs(bottom - top), ppi, inch);
    mfp.mm = MM_ANISOTROPIC;
    mfp.xExt = MulDiv(std::abs(right - left), 2540, inch);
    mfp.yExt = MulDiv(std::abs(bottom - top), 2540, inch);
  }
  HENHMETAFILE emf = SetWinMetaFileBits(UINT(bytes), f.data() + at, nullptr, placeable ? &mfp : nullptr);
  if (!emf) throw EError(kInvalidMetafile);
  if (!placeable) {
    ENHMETAHEADER hdr{};
    GetEnhMetaFileHeader(emf, sizeof hdr, &hdr);
    FrameToPixels(hdr.rclFrame, width, height);
  }
  return emf;
}

// The text after the last "." of the path ("." is never a trail byte).
std::string ExtensionOf(const std::string& path) {
  const std::size_t dot = path.rfind('.');
  return dot == std::string::npos ? std::string() : path.substr(dot + 1);
}

bool SameAscii(const std::string& a, const char* b) {
  const std::size_t n = std::strlen(b);
  if (a.size() != n) return false;
  for (std::size_t i = 0; i < n; ++i)
    if (sorvane::AsciiUpper(a[i]) != sorvane::AsciiUpper(b[i])) return false;
  return true;
}

}  // namespace

void TPicture::LoadFromFile(const std::string& path) {
  const std::string ext = ExtensionOf(path);
  enum { Bmp, Ico, Wmf, Emf } kind;
  if (SameAscii(ext, "bmp")) kind = Bmp;
  else if (SameAscii(ext, "ico")) kind = Ico;
  else if (SameAscii(ext, "wmf")) kind = Wmf;
  else if (SameAscii(ext, "emf")) kind = Emf;
  else throw EError(sorvane::FormatS("拡張子 .%s の画像形式は処理できません", ext));

  const Bytes data = ReadWholeFile(path);
  int w = 0, h = 0;
  switch (kind) {
    case Bmp:
      // An empty file is an empty bitmap, as the run-time reads one.
      if (data.empty()) AssignBitmap(nullptr, 0, 0);
      else {
        HBITMAP bmp = BitmapFromFile(data, w, h);
        AssignBitmap(bmp, w, h);
      }
      break;
    case Ico: {
      HICON icon = IconFromFile(data, w, h);
      AssignIcon(icon, w, h);
      break;
    }
    case Wmf:
    case Emf: {
      HENHMETAFILE emf = kind == Emf ? EnhMetafileFromFile(data, w, h) : WinMetafileFromFile(data, w, h);
      AssignMetafile(emf, w, h);
      break;
    }
  }
}
