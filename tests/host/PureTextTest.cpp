// Number conversion, byte cuts, the error box's "." rule and the settings
// file's name: the text routines every subsystem relies on.
#include <gtest/gtest.h>

#include <iconv.h>

#include <cerrno>
#include <climits>

#include "base/ErrorText.h"
#include "base/Mbcs.h"
#include "base/StrToInt.h"
#include "settings/IniName.h"
#include "settings/PathFolder.h"

using namespace sorvane;

TEST(StrToInt, TheEditsRuleAndTheStoredValuesRule) {
  constexpr std::int32_t kNot = 12345;  // no number: the edit's error, a stored value's default
  struct Case {
    const char* Text;
    std::int32_t Edit, Stored;
  };
  for (const Case& c : std::initializer_list<Case>{
           {"30", 30, 30}, {"  -5", -5, -5}, {"+7", 7, 7}, {"05", 5, 5}, {"00", 0, 0},
           {"2147483647", INT_MAX, INT_MAX}, {"-2147483648", INT_MIN, INT_MIN},
           {"$1E", 30, 30}, {"$FFFFFFFF", -1, -1}, {" $a", 10, 10},
           // "0x" only in stored values, and only in a text longer than two characters.
           {"0x1E", kNot, 30}, {"0X2", kNot, 2}, {"0x", kNot, kNot}, {"0x1G", kNot, kNot},
           // A sign goes before decimal digits only.
           {"-$10", kNot, kNot}, {"+$1E", kNot, kNot}, {"-0x10", kNot, kNot},
           {"", kNot, kNot}, {" ", kNot, kNot}, {"-", kNot, kNot}, {"+", kNot, kNot}, {"$", kNot, kNot},
           {"1a", kNot, kNot}, {"yes", kNot, kNot}, {"1 ", kNot, kNot}, {"2147483648", kNot, kNot},
           {"-2147483649", kNot, kNot}, {"$100000000", kNot, kNot}, {"1.5", kNot, kNot}, {"--1", kNot, kNot},
           {"\t1", kNot, kNot}}) {
    EXPECT_EQ(TryStrToInt(c.Text).value_or(kNot), c.Edit) << '"' << c.Text << '"';
    EXPECT_EQ(StrToIntDef(c.Text, kNot), c.Stored) << '"' << c.Text << '"';
  }
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

TEST(Mbcs, LeadBytesAreTheSystemConvertersUpToFC) {
  // glibc's CP932 converter is the judge: a lead byte alone is incomplete.
  const iconv_t cd = iconv_open("UTF-8", "CP932");
  ASSERT_NE(cd, iconv_t(-1));
  for (int b = 0x80; b <= 0xFF; ++b) {
    std::string c(1, char(b)), out(8, '\0');
    char *in = c.data(), *o = out.data();
    std::size_t nin = 1, nout = out.size();
    const bool lead = iconv(cd, &in, &nin, &o, &nout) == std::size_t(-1) && errno == EINVAL;
    // Before 0x5C a lead byte makes one character (纊 is FA 5C).
    EXPECT_EQ(FolderOfPath("C:\\D" + c + "\\P.BMP"), lead ? "C:\\" : "C:\\D" + c) << std::hex << b;
    EXPECT_EQ(CharBoundaryPrefix("a" + c + "b", 2), lead ? 1u : 2u) << std::hex << b;
  }
  iconv_close(cd);
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
