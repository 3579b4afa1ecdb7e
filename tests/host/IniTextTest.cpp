// A settings file's bytes read and changed as the profile calls would, with
// every byte of a value kept.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "settings/IniText.h"

using namespace sorvane;
using namespace std::string_literals;

TEST(IniText, SectionsAreFoundAsTheProfileCallsFindThem) {
  // LF and CR LF lines, no end to the last; 桜 (8D F7), 表 (95 5C) and a
  // UTF-8 replacement character stay as they are.
  const TIniText t("; by hand\nTop=1\r\n[list]\r\n  2 \t= C:\\\x8D\xF7.BMP \r\n;1=C:\\C.BMP\r\n\r\n"
                   "1=\x95\x5C\xEF\xBF\xBD\r\n3\r\n[Mine]\r\nkey=v\r\n[ List ]\r\n7=dup\r\n[Freq]\nOn=1"s);
  std::string lines = "old";
  EXPECT_TRUE(t.Section("LIST", lines));
  EXPECT_EQ(lines, "2 \t= C:\\\x8D\xF7.BMP\0" "1=\x95\x5C\xEF\xBF\xBD\0" "3\0"s);
  EXPECT_TRUE(t.Section("freq", lines));
  EXPECT_EQ(lines, "On=1\0"s);
  EXPECT_FALSE(t.Section("Top", lines));
  EXPECT_EQ(lines, "");
  EXPECT_TRUE(t.HasSection("mine"));
  EXPECT_FALSE(t.HasSection("Min"));
  EXPECT_EQ(TIniText("").Bytes(), "");
}

TEST(IniText, WritesChangeOnlyTheirLinesAndEndEveryLineInCrLf) {
  struct Case {
    const char* What;
    std::string Before;
    std::function<void(TIniText&)> Change;
    std::string After;
  } cases[] = {
      {"a first write makes the file", "",
       [](TIniText& t) { t.WriteSection("List", "1=\x95\x5C.BMP\0Count=1\0"s); },
       "[List]\r\n1=\x95\x5C.BMP\r\nCount=1\r\n"},
      {"a key's line is replaced, a new key appended before the blank lines",
       "[Freq]\r\n ON = 1 \r\n;Min=9\r\n\r\n[B]\nx=1",
       [](TIniText& t) {
         t.WriteString("freq", "On", "0");
         t.WriteString("Freq", "Min", "30");
         t.WriteString("New", "k", "\x8D\xF7");
       },
       "[Freq]\r\nON=0\r\n;Min=9\r\nMin=30\r\n\r\n[B]\r\nx=1\r\n[New]\r\nk=\x8D\xF7\r\n"},
      {"an erase takes the first section of the name only, with its comments",
       "; top\r\n[List]\r\n1=a\r\n; mine\r\n\r\n[Mine]\r\nk=v\r\n[LIST]\r\n7=dup\r\n",
       [](TIniText& t) {
         t.EraseSection("list");
         t.WriteString("List", "Count", "0");
         t.EraseSection("Gone");
       },
       "; top\r\n[Mine]\r\nk=v\r\n[LIST]\r\n7=dup\r\nCount=0\r\n"},
      {"a section write replaces the section's lines",
       "[List]\r\n1=old\r\n2=old\r\n\r\n[Freq]\r\nOn=1\r\n",
       [](TIniText& t) { t.WriteSection("List", "Count=0\0"s); },
       "[List]\r\nCount=0\r\n\r\n[Freq]\r\nOn=1\r\n"},
  };
  for (const Case& c : cases) {
    TIniText t(c.Before);
    c.Change(t);
    EXPECT_EQ(t.Bytes(), c.After) << c.What;
  }
}
