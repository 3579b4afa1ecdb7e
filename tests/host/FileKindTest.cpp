// Picture files by name: the preview's format and the drop filter's rule.
#include <gtest/gtest.h>

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
  EXPECT_TRUE(HasBmpExtension("C:\\P\\PIC.BMP"));
  EXPECT_TRUE(HasBmpExtension("C:\\P\\pic.bmp"));
  EXPECT_TRUE(HasBmpExtension("C:\\P\\PIC.Bmp"));
  EXPECT_TRUE(HasBmpExtension("C:\\P\\PIC.TXT.BMP"));
  EXPECT_TRUE(HasBmpExtension("C:\\P\\PIC.BMPX"));
  EXPECT_TRUE(HasBmpExtension("C:\\OLD.BMP\\PIC"));
  EXPECT_FALSE(HasBmpExtension("C:\\OLD.PICS\\PIC"));
  EXPECT_FALSE(HasBmpExtension("C:\\P\\PIC.BMP.TXT"));
  EXPECT_FALSE(HasBmpExtension("C:\\P\\PIC"));
  EXPECT_FALSE(HasBmpExtension("C:\\P\\PIC.BM"));
  EXPECT_FALSE(HasBmpExtension("PIC"));
  EXPECT_FALSE(HasBmpExtension("C:\\表\\PIC.B"));
}
