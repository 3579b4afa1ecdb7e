#include "picture/PictureFile.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

#include "base/Error.h"
#include "base/Mbcs.h"
#include "picture/BitmapFile.h"
#include "picture/LittleEndian.h"
#include "picture/FileBytes.h"

namespace sorvane {

namespace {

const char kInvalidBitmap[] = "ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です";
const char kInvalidIcon[] = "ｱｲｺﾝｲﾒｰｼﾞが不正です";
const char kInvalidMetafile[] = "ﾒﾀﾌｧｲﾙが不正です";

int ScreenPixelsPerInch() {
  const int ppi = GetDeviceCaps(TScreenDC(GetDC(nullptr)), LOGPIXELSX);
  return ppi > 0 ? ppi : 96;
}

// A device-independent bitmap section made from a bitmap file. Every header
// field is checked against the file before it is used, so a truncated or
// damaged file gives the bitmap error and never a wild read or a huge
// allocation. The headers are read first; uncompressed pixels then go
// straight from the file into the section, with no copy of the file.
TGdiObject<HBITMAP> BitmapFromFile(TFileReader& f, int& width, int& height) {
  unsigned char head[kBitmapHeadBytes];
  const std::size_t headBytes = f.Size() < sizeof head ? f.Size() : sizeof head;
  f.Read(head, headBytes);
  TBitmapLayout layout;
  if (!ParseBitmapFile(head, f.Size(), layout)) throw EError(kInvalidBitmap);
  // Everything is brought to a BITMAPINFOHEADER with bit masks and colours.
  struct {
    BITMAPINFOHEADER h;
    RGBQUAD colors[256];
  } info{};
  const std::uint32_t compression = layout.Compression;
  const bool bitfields = compression == bcBitfields;
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
  const bool rle = compression == bcRle8 || compression == bcRle4;
  const std::size_t packedSize = layout.PixelBytes;

  void* pixels = nullptr;
  TGdiObject<HBITMAP> bmp(
      CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &pixels, nullptr, 0));
  // The layout is one the platform takes: a section that cannot be made
  // wants memory, and the bitmap is not to blame.
  if (!pixels) throw std::bad_alloc();
  f.Seek(pixelsAt);
  if (rle) {
    // The platform unpacks run-length data into the section.
    THeapBytes packed(packedSize);
    f.Read(packed.data(), packed.size());
    auto rleInfo = info;
    rleInfo.h.biCompression = compression;
    rleInfo.h.biSizeImage = DWORD(packedSize);
    std::memset(pixels, 0, std::size_t(unpacked));
    const int lines = SetDIBits(TScreenDC(GetDC(nullptr)), bmp, 0, UINT(absH), packed.data(),
                                reinterpret_cast<BITMAPINFO*>(&rleInfo), DIB_RGB_COLORS);
    if (lines == 0) throw EError(kInvalidBitmap);
  } else {
    f.Read(pixels, std::size_t(unpacked));
  }
  GdiFlush();
  width = int(w);
  height = int(absH);
  return bmp;
}

// The first image of an icon file.
TIconHandle IconFromFile(const TFileBytes& f, int& width, int& height) {
  const unsigned char* const b = f.data();
  if (f.size() < 6 + 16 || LeU16(b, 0) != 0 || LeU16(b, 2) != 1 || LeU16(b, 4) == 0) throw EError(kInvalidIcon);
  const std::uint32_t size = LeU32(b, 6 + 8);
  const std::uint32_t offset = LeU32(b, 6 + 12);
  if (offset > f.size() || size > f.size() - offset || size < sizeof(BITMAPINFOHEADER)) throw EError(kInvalidIcon);
  const int cx = f[6] ? f[6] : 256, cy = f[7] ? f[7] : 256;
  TIconHandle icon(CreateIconFromResourceEx(const_cast<BYTE*>(f.data() + offset), size, TRUE, 0x00030000, cx, cy,
                                            LR_DEFAULTCOLOR));
  if (!icon) throw EError(kInvalidIcon);
  ICONINFO ii{};
  BITMAP bm{};
  if (GetIconInfo(icon, &ii)) {
    const TGdiObject<HBITMAP> color(ii.hbmColor), mask(ii.hbmMask);  // the copies the call made
    if (color && GetObjectA(color, sizeof bm, &bm)) {
      width = bm.bmWidth;
      height = bm.bmHeight;
    } else if (mask && GetObjectA(mask, sizeof bm, &bm)) {
      width = bm.bmWidth;
      height = bm.bmHeight / 2;
    }
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

TMetafileHandle EnhMetafileFromFile(const TFileBytes& f, int& width, int& height) {
  const unsigned char* const b = f.data();
  if (f.size() < sizeof(ENHMETAHEADER) || LeU32(b, 0) != EMR_HEADER || LeU32(b, 40) != ENHMETA_SIGNATURE ||
      LeU32(b, 48) > f.size() || LeU32(b, 48) < sizeof(ENHMETAHEADER))
    throw EError(kInvalidMetafile);
  TMetafileHandle emf(SetEnhMetaFileBits(LeU32(b, 48), f.data()));
  if (!emf) throw EError(kInvalidMetafile);
  ENHMETAHEADER hdr{};
  GetEnhMetaFileHeader(emf, sizeof hdr, &hdr);
  FrameToPixels(hdr.rclFrame, width, height);
  return emf;
}

// A Windows metafile, with or without the placeable header, converted to an
// enhanced one.
TMetafileHandle WinMetafileFromFile(const TFileBytes& f, int& width, int& height) {
  const unsigned char* const b = f.data();
  constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
  constexpr std::size_t kPlaceableSize = 22;
  std::size_t at = 0;
  const bool placeable = f.size() >= kPlaceableSize && LeU32(b, 0) == kPlaceableKey;
  int left = 0, top = 0, right = 0, bottom = 0, inch = 0;
  if (placeable) {
    left = LeI16(b, 6);
    top = LeI16(b, 8);
    right = LeI16(b, 10);
    bottom = LeI16(b, 12);
    inch = LeU16(b, 14);
    if (inch == 0 || right == left || bottom == top) throw EError(kInvalidMetafile);
    at = kPlaceableSize;
  }
  // METAHEADER: type 1 or 2, header of 9 words, size in words.
  if (f.size() - at < 18) throw EError(kInvalidMetafile);
  const unsigned type = LeU16(b, at), headerWords = LeU16(b, at + 2);
  const std::uint64_t bytes = std::uint64_t(LeU32(b, at + 6)) * 2;
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
  TMetafileHandle emf(SetWinMetaFileBits(UINT(bytes), f.data() + at, nullptr, placeable ? &mfp : nullptr));
  if (!emf) throw EError(kInvalidMetafile);
  if (!placeable) {
    ENHMETAHEADER hdr{};
    GetEnhMetaFileHeader(emf, sizeof hdr, &hdr);
    FrameToPixels(hdr.rclFrame, width, height);
  }
  return emf;
}

}  // namespace

TLoadedPicture LoadPictureFile(const std::string& path) {
  TLoadedPicture p;
  p.Format = PictureFormatOf(path);
  if (p.Format == TPictureFormat::Unknown)
    throw EError(FormatS("拡張子 .%s の画像形式は処理できません", ExtensionOf(path)));

  if (p.Format == TPictureFormat::Bmp) {
    TFileReader file(path);
    // An empty file is an empty bitmap, as the run-time reads one.
    if (file.Size() != 0) p.Bitmap = BitmapFromFile(file, p.Width, p.Height);
    return p;
  }
  const TFileBytes data(path);
  switch (p.Format) {
    case TPictureFormat::Ico:
      p.Icon = IconFromFile(data, p.Width, p.Height);
      break;
    case TPictureFormat::Wmf:
      p.Metafile = WinMetafileFromFile(data, p.Width, p.Height);
      break;
    case TPictureFormat::Emf:
      p.Metafile = EnhMetafileFromFile(data, p.Width, p.Height);
      break;
    case TPictureFormat::Bmp:
    case TPictureFormat::Unknown:
      break;
  }
  return p;
}

}  // namespace sorvane
