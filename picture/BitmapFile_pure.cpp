#include "picture/BitmapFile.h"

#include <cstring>

#include "picture/LittleEndian.h"

namespace sorvane {

bool ParseBitmapFile(const unsigned char* f, std::size_t size, TBitmapLayout& out) {
  constexpr std::size_t kFileHeader = 14;
  if (size < 2 || f[0] != 'B' || f[1] != 'M') return false;
  if (size < kFileHeader + 12) return false;
  const std::uint32_t offBits = LeU32(f, 10);
  const std::uint32_t hdrSize = LeU32(f, kFileHeader);
  if (hdrSize > size - kFileHeader) return false;

  std::int64_t w = 0, h = 0;
  unsigned bits = 0, planes = 0;
  std::uint32_t compression = bcRgb, clrUsed = 0, sizeImage = 0;
  std::size_t at = kFileHeader + hdrSize;
  unsigned rgbSize = 4;
  bool masksInHeader = false;
  if (hdrSize == 12) {  // OS/2 and Windows 2 core header
    w = LeU16(f, kFileHeader + 4);
    h = LeI16(f, kFileHeader + 6);
    planes = LeU16(f, kFileHeader + 8);
    bits = LeU16(f, kFileHeader + 10);
    rgbSize = 3;
    if (h < 0) return false;
  } else if (hdrSize == 40 || hdrSize == 52 || hdrSize == 56 || hdrSize == 108 || hdrSize == 124) {
    w = LeI32(f, kFileHeader + 4);
    h = LeI32(f, kFileHeader + 8);
    planes = LeU16(f, kFileHeader + 12);
    bits = LeU16(f, kFileHeader + 14);
    compression = LeU32(f, kFileHeader + 16);
    sizeImage = LeU32(f, kFileHeader + 20);
    clrUsed = LeU32(f, kFileHeader + 32);
    masksInHeader = hdrSize > 40;
  } else {
    return false;
  }
  const std::int64_t absH = h < 0 ? -h : h;
  if (planes != 1 || w <= 0 || absH == 0 || std::uint64_t(w) * std::uint64_t(absH) > kMaxBitmapPixels) return false;
  switch (compression) {
    case bcRgb:
      if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
      break;
    case bcRle8:
    case bcRle4:
      if (bits != (compression == bcRle8 ? 8u : 4u) || h < 0) return false;
      break;
    case bcBitfields:
      if (bits != 16 && bits != 32) return false;
      break;
    default:
      return false;
  }
  if (compression == bcBitfields) {
    // Masks follow a 40-byte header, or sit inside the longer headers.
    const std::size_t maskAt = masksInHeader ? kFileHeader + 40 : at;
    if (maskAt + 12 > size) return false;
    for (int i = 0; i < 3; ++i) out.Masks[i] = LeU32(f, maskAt + std::size_t(i) * 4);
    if (!masksInHeader) at += 12;
  }
  const std::uint32_t maxColors = bits <= 8 ? 1u << bits : 0u;
  const std::uint32_t tableEntries = clrUsed ? clrUsed : maxColors;
  if (bits <= 8 && tableEntries > maxColors) return false;
  if (std::uint64_t(tableEntries) * rgbSize > size - (at < size ? at : size)) return false;
  out.ColorCount = 0;
  if (bits <= 8) {
    for (std::uint32_t i = 0; i < tableEntries; ++i) {
      const std::size_t c = at + std::size_t(i) * rgbSize;
      out.Colors[i][0] = f[c];
      out.Colors[i][1] = f[c + 1];
      out.Colors[i][2] = f[c + 2];
      out.Colors[i][3] = 0;
    }
    out.ColorCount = tableEntries;
  }
  at += std::size_t(tableEntries) * rgbSize;
  // The pixels start where the file header says, never inside the headers.
  const std::size_t pixelsAt = offBits ? offBits : at;
  if (pixelsAt < at || pixelsAt > size) return false;
  const std::size_t available = size - pixelsAt;
  const std::uint64_t stride = ((std::uint64_t(w) * bits + 31) / 32) * 4;
  const std::uint64_t unpacked = stride * std::uint64_t(absH);
  if (unpacked > kMaxBitmapPixels * 4) return false;
  const bool rle = compression == bcRle8 || compression == bcRle4;
  const std::uint64_t packed = rle ? (sizeImage ? sizeImage : available) : unpacked;
  if (packed > available || (rle && packed == 0)) return false;

  out.Width = std::int32_t(w);
  out.Height = std::int32_t(h);
  out.Bits = bits;
  out.Compression = compression;
  out.PixelsAt = pixelsAt;
  out.PixelBytes = std::size_t(packed);
  out.UnpackedBytes = unpacked;
  return true;
}

}  // namespace sorvane
