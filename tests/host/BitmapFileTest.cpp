// The bitmap-file checks on their own: good files are read as laid out, and
// truncated, absurd or inconsistent ones are refused.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "picture/BitmapFile.h"

namespace {

void Put16(std::string& s, std::size_t at, unsigned v) {
  s[at] = char(v & 0xFF);
  s[at + 1] = char((v >> 8) & 0xFF);
}
void Put32(std::string& s, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) s[at + std::size_t(i)] = char((v >> (8 * i)) & 0xFF);
}

// A file with a 40-byte header; the pixel data is all there.
std::string Bmp(std::int32_t w, std::int32_t h, unsigned bits, std::uint32_t compression = 0) {
  const std::uint32_t colors = bits <= 8 ? 1u << bits : 0u;
  const std::uint64_t stride = ((std::uint64_t(w > 0 ? w : 0) * bits + 31) / 32) * 4;
  const std::uint64_t rows = std::uint64_t(h < 0 ? -std::int64_t(h) : h);
  const std::uint64_t pixels = stride * rows < (1u << 20) ? stride * rows : 0;
  const std::uint32_t off = 14 + 40 + colors * 4;
  std::string s(off + pixels, '\0');
  s[0] = 'B';
  s[1] = 'M';
  Put32(s, 2, std::uint32_t(s.size()));
  Put32(s, 10, off);
  Put32(s, 14, 40);
  Put32(s, 18, std::uint32_t(w));
  Put32(s, 22, std::uint32_t(h));
  Put16(s, 26, 1);
  Put16(s, 28, bits);
  Put32(s, 30, compression);
  return s;
}

bool Parse(const std::string& s, sorvane::TBitmapLayout& l) {
  return sorvane::ParseBitmapFile(reinterpret_cast<const unsigned char*>(s.data()), s.size(), l);
}

}  // namespace

TEST(BitmapFile, ReadsGoodFilesAsLaidOut) {
  sorvane::TBitmapLayout l;
  ASSERT_TRUE(Parse(Bmp(640, 480, 24), l));
  EXPECT_EQ(l.Width, 640);
  EXPECT_EQ(l.Height, 480);
  EXPECT_EQ(l.Bits, 24u);
  EXPECT_EQ(l.PixelsAt, 54u);
  EXPECT_EQ(l.UnpackedBytes, 640u * 3 * 480);
  ASSERT_TRUE(Parse(Bmp(3, -2, 8), l));  // top-down, with a palette
  EXPECT_EQ(l.Height, -2);
  EXPECT_EQ(l.ColorCount, 256u);
  EXPECT_EQ(l.UnpackedBytes, 4u * 2);
  ASSERT_TRUE(Parse(Bmp(9, 1, 1), l));
  EXPECT_EQ(l.ColorCount, 2u);
}

TEST(BitmapFile, RefusesDamagedAndAbsurdFiles) {
  sorvane::TBitmapLayout l;
  std::string good = Bmp(32, 32, 24);
  std::string wrongMagic = good;
  wrongMagic[0] = 'X';
  EXPECT_FALSE(Parse(wrongMagic, l));
  EXPECT_FALSE(Parse(good.substr(0, good.size() - 1), l));  // one pixel byte short
  EXPECT_FALSE(Parse(good.substr(0, 30), l));               // header cut
  EXPECT_FALSE(Parse("BM", l));
  EXPECT_FALSE(Parse(Bmp(100000, 100000, 24), l));  // 10^10 pixels
  EXPECT_FALSE(Parse(Bmp(0, 10, 24), l));
  EXPECT_FALSE(Parse(Bmp(10, 0, 24), l));
  EXPECT_FALSE(Parse(Bmp(10, 10, 7), l));             // no such depth
  EXPECT_FALSE(Parse(Bmp(10, -10, 8, 1), l));         // run-length data cannot be top-down
  EXPECT_FALSE(Parse(Bmp(10, 10, 24, 1), l));         // RLE8 needs 8 bits
  EXPECT_FALSE(Parse(Bmp(10, 10, 24, 9), l));         // unknown compression
  std::string planes = good;
  Put16(planes, 26, 2);
  EXPECT_FALSE(Parse(planes, l));
  std::string header = good;
  Put32(header, 14, 41);  // not a known header size
  EXPECT_FALSE(Parse(header, l));
  std::string bigHeader = good;
  Put32(bigHeader, 14, 0xFFFFFFF0u);
  EXPECT_FALSE(Parse(bigHeader, l));
  std::string offset = good;
  Put32(offset, 10, 20);  // pixels inside the headers
  EXPECT_FALSE(Parse(offset, l));
  Put32(offset, 10, std::uint32_t(good.size() + 10));  // past the end
  EXPECT_FALSE(Parse(offset, l));
  std::string palette = Bmp(4, 4, 8);
  Put32(palette, 46, 257);  // more colours than 8 bits can use
  EXPECT_FALSE(Parse(palette, l));
}
