// The bitmap-file checks: whatever the bytes, they read only the head of the
// file, and an accepted layout lies wholly inside the file and within the
// size limits the loader relies on.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "picture/BitmapFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  sorvane::TBitmapLayout l;
  // Only the head of the file is in memory when the loader parses: a read
  // past it is caught by the address sanitizer.
  const std::size_t head = size < sorvane::kBitmapHeadBytes ? size : sorvane::kBitmapHeadBytes;
  std::vector<std::uint8_t> first(data, data + head);
  first.shrink_to_fit();
  if (!sorvane::ParseBitmapFile(first.data(), size, l)) return 0;
  if (l.Width <= 0 || l.Height == 0) std::abort();
  const std::uint64_t h = l.Height < 0 ? std::uint64_t(-std::int64_t(l.Height)) : std::uint64_t(l.Height);
  if (std::uint64_t(l.Width) * h > sorvane::kMaxBitmapPixels) std::abort();
  if (l.PixelsAt > size || l.PixelBytes > size - l.PixelsAt) std::abort();
  const bool rle = l.Compression == sorvane::bcRle8 || l.Compression == sorvane::bcRle4;
  // Uncompressed pixels are copied whole: they must all be in the file.
  if (!rle && l.UnpackedBytes > size - l.PixelsAt) std::abort();
  if (l.UnpackedBytes > sorvane::kMaxBitmapPixels * 4) std::abort();
  if (l.ColorCount > 256 || (l.Bits > 8 && l.ColorCount != 0)) std::abort();
  return 0;
}
