// The preview's format choice by extension.
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
