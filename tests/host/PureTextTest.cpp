// Number conversion, byte cuts, the error box's "." rule and the settings
// file's name: the text routines every subsystem relies on.
#include <gtest/gtest.h>

#include <climits>

#include "base/ErrorText.h"
#include "base/Mbcs.h"
#include "base/StrToInt.h"
#include "settings/IniName.h"

using namespace sorvane;

TEST(StrToInt, AcceptsDecimalWithBlanksAndSign) {
  EXPECT_EQ(TryStrToInt("30"), 30);
  EXPECT_EQ(TryStrToInt("  -5"), -5);
  EXPECT_EQ(TryStrToInt("+7"), 7);
  EXPECT_EQ(TryStrToInt("05"), 5);
  EXPECT_EQ(TryStrToInt("2147483647"), INT_MAX);
  EXPECT_EQ(TryStrToInt("-2147483648"), INT_MIN);
}

TEST(StrToInt, AcceptsDollarAndZeroXHex) {
  EXPECT_EQ(TryStrToInt("$1E"), 30);
  EXPECT_EQ(TryStrToInt("0x1E"), 30);
  EXPECT_EQ(TryStrToInt("0X2"), 2);
  EXPECT_EQ(TryStrToInt("$FFFFFFFF"), -1);
  EXPECT_EQ(TryStrToInt("-$10"), -16);
}

TEST(StrToInt, RejectsWhatIsNotAWholeNumber) {
  for (const char* bad : {"", " ", "-", "+", "$", "0x", "1a", "yes", "1 ", "2147483648", "-2147483649",
                          "$100000000", "0x1G", "1.5", "--1", "\t1"})
    EXPECT_FALSE(TryStrToInt(bad).has_value()) << '"' << bad << '"';
  EXPECT_EQ(StrToIntDef("yes", 1), 1);
  EXPECT_EQ(StrToIntDef("", 0), 0);
}

TEST(StrToInt, TwoCharacterZeroXIsNotHex) {
  // "0x" alone is too short to be hexadecimal and is no decimal either.
  EXPECT_FALSE(TryStrToInt("0x").has_value());
  EXPECT_EQ(TryStrToInt("00"), 0);
}

TEST(ErrorBoxText, AppendsAPeriodAfterCharactersThatSortAfterIt) {
  EXPECT_EQ(ErrorBoxText("abc"), "abc.");
  EXPECT_EQ(ErrorBoxText("abc."), "abc.");
  EXPECT_EQ(ErrorBoxText("abc!"), "abc!");  // '!' sorts before '.'
  EXPECT_EQ(ErrorBoxText("abc-"), "abc-");
  EXPECT_EQ(ErrorBoxText("abc/"), "abc/.");
  EXPECT_EQ(ErrorBoxText(""), "");
  // A message ending in a double-byte character (。 or ソ) gets "." too.
  EXPECT_EQ(ErrorBoxText("終了。"), std::string("終了。") + ".");
  EXPECT_EQ(ErrorBoxText("ソ"), std::string("ソ") + ".");
}

TEST(Mbcs, CutsNeverSplitADoubleByteCharacter) {
  const std::string s = std::string("ab") + "表";  // 61 62 95 5C
  ASSERT_EQ(s.size(), 4u);
  EXPECT_EQ(CharBoundaryPrefix(s, 4), 4u);
  EXPECT_EQ(CharBoundaryPrefix(s, 3), 2u);
  EXPECT_EQ(CharBoundaryPrefix(s, 2), 2u);
  EXPECT_EQ(CutAtCharBoundary("表ソ", 3), "表");
  EXPECT_EQ(CutAtCharBoundary("abc", 10), "abc");
  // A lone lead byte at the very end counts as one byte.
  EXPECT_EQ(CharBoundaryPrefix(std::string("a\x95"), 2), 2u);
}

TEST(Mbcs, LastCharOffsetCountsDoubleByteCharactersAsOne) {
  EXPECT_EQ(LastCharOffset("a"), 0u);
  EXPECT_EQ(LastCharOffset("ab"), 1u);
  EXPECT_EQ(LastCharOffset("a表"), 1u);
  // 0x5C as a trail byte is not a character of its own.
  EXPECT_EQ(LastCharOffset("表"), 0u);
}

TEST(Mbcs, FormatSReplacesTheFirstPlaceholder) {
  EXPECT_EQ(FormatS("%s に書き込めません", "C:\\A.INI"), "C:\\A.INI に書き込めません");
  EXPECT_EQ(FormatS("no placeholder", "x"), "no placeholder");
}

TEST(IniName, KeepsTextUpToTheFirstDotExe) {
  EXPECT_EQ(IniNameFromUpper("C:\\APPS\\DESK.EXE"), "C:\\APPS\\DESK.INI");
  EXPECT_EQ(IniNameFromUpper("D:\\A.EXE.D\\P.EXE"), "D:\\A.INI");
  EXPECT_EQ(IniNameFromUpper("C:\\APPS\\DESK"), "INI");
  EXPECT_EQ(IniNameFromUpper(""), "INI");
  EXPECT_EQ(IniNameFromUpper("C:\\表\\ソ.EXE"), "C:\\表\\ソ.INI");
}
