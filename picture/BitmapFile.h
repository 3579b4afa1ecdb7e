// The layout of a bitmap file, read and checked without Win32: every header
// field is checked against the file's size before it is used, so a truncated
// or damaged file is refused and never read past its end. Pure code.
#pragma once
#include <cstddef>
#include <cstdint>

namespace sorvane {

enum TBitmapCompression : std::uint32_t { bcRgb = 0, bcRle8 = 1, bcRle4 = 2, bcBitfields = 3 };

struct TBitmapLayout {
  std::int32_t Width = 0;
  std::int32_t Height = 0;  // negative: rows stored top-down
  unsigned Bits = 0;
  std::uint32_t Compression = bcRgb;
  std::uint32_t Masks[3] = {0, 0, 0};      // with bcBitfields
  std::uint32_t ColorCount = 0;            // entries of Colors in use
  unsigned char Colors[256][4] = {};       // blue, green, red, 0
  std::size_t PixelsAt = 0;                // offset of the pixel data
  std::size_t PixelBytes = 0;              // bytes of pixel data to use
  std::uint64_t UnpackedBytes = 0;         // size of the unpacked pixels
};

// The largest picture made from a file.
constexpr std::uint64_t kMaxBitmapPixels = 64u << 20;

// The headers, masks and colour table lie within this many bytes from the
// start of the file: the file header, the longest info header, three masks
// and 256 colours.
constexpr std::size_t kBitmapHeadBytes = 14 + 124 + 12 + 256 * 4;

// Reads the file header, the info header (core, 40-, 52-, 56-, 108- or
// 124-byte forms), masks and colour table from the file's first bytes, of
// which f holds at least min(size, kBitmapHeadBytes); size is the whole
// file's. False for anything that is not a usable bitmap of at most
// kMaxBitmapPixels pixels whose pixels lie in the file.
bool ParseBitmapFile(const unsigned char* f, std::size_t size, TBitmapLayout& out);

}  // namespace sorvane
