// Picture files by name: the preview's format and the drop filter's rule.
#include <gtest/gtest.h>

#include <utility>

#include "picture/FileKind.h"

using namespace sorvane;

TEST(FileKind, ExtensionIsTheTextAfterTheLastDot) {
  EXPECT_EQ(ExtensionOf("C:\\P\\PIC.TXT.BMP"), "BMP");
  EXPECT_EQ(ExtensionOf("C:\\OLD.D\\PIC"), "D\\PIC");
  EXPECT_EQ(ExtensionOf("C:\\P\\PIC."), "");
  EXPECT_EQ(ExtensionOf("C:\\P\\PIC"), "");
}

TEST(FileKind, FormatByWholeExtensionIgnoringAsciiCase) {
  EXPECT_EQ(PictureFormatOf("a.bmp"), TPictureFormat::Bmp);
  EXPECT_EQ(PictureFormatOf("a.BmP"), TPictureFormat::Bmp);
  EXPECT_EQ(PictureFormatOf("a.ICO"), TPictureFormat::Ico);
  EXPECT_EQ(PictureFormatOf("a.wmf"), TPictureFormat::Wmf);
  EXPECT_EQ(PictureFormatOf("a.Emf"), TPictureFormat::Emf);
  EXPECT_EQ(PictureFormatOf("a.bmpx"), TPictureFormat::Unknown);
  EXPECT_EQ(PictureFormatOf("a.bm"), TPictureFormat::Unknown);
  EXPECT_EQ(PictureFormatOf("bmp"), TPictureFormat::Unknown);
  EXPECT_EQ(PictureFormatOf("C:\\x.bmp\\pic"), TPictureFormat::Unknown);
  EXPECT_EQ(PictureFormatOf("C:\\表\\pic.jpg"), TPictureFormat::Unknown);
}

TEST(DropFilter, JudgesTheFourCharactersFromTheLastDot) {
  const std::pair<const char*, bool> cases[] = {
      {"C:\\P\\PIC.BMP", true},      {"C:\\P\\pic.bmp", true},       {"C:\\P\\PIC.Bmp", true},
      {"C:\\P\\PIC.TXT.BMP", true},  {"C:\\P\\PIC.BMPX", true},      {"C:\\OLD.BMP\\PIC", true},
      {"C:\\OLD.PICS\\PIC", false},  {"C:\\P\\PIC.BMP.TXT", false},  {"C:\\P\\PIC", false},
      {"C:\\P\\PIC.BM", false},      {"PIC", false},                 {"C:\\表\\PIC.B", false},
  };
  for (const auto& [name, bmp] : cases) EXPECT_EQ(HasBmpExtension(name), bmp) << name;
}
