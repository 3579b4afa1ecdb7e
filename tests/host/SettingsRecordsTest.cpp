// The stored settings and the desktop values as records: defaults, clamps,
// the entry-key count, the style derived from the desktop values, and the
// writes in their order.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "settings/DesktopValues.h"
#include "settings/IniSection.h"
#include "settings/PathFolder.h"
#include "settings/StoredSettings.h"

using namespace sorvane;

namespace {

// One write of the settings file, in the order made: a key, a whole section
// (Value holds its lines), or an erase (no key).
struct TProfileWrite {
  std::string Section, Key, Value;
  bool Erase = false;
  bool Whole = false;
  bool operator==(const TProfileWrite&) const = default;
};

// A settings file as section/key -> text, counting the reads and keeping
// the writes in their order. Sections are read whole unless Whole is off;
// SecondList stands for a second List section, made by hand, that an erase
// of the first leaves in place.
struct TFakeProfile : TProfile {
  mutable std::map<std::pair<std::string, std::string>, std::string> Values;
  bool Whole = true;
  bool SecondList = false;
  std::map<std::string, std::string> Raw;  // a section's lines as given, instead of Values
  mutable int Reads = 0, SectionReads = 0;
  mutable std::vector<TProfileWrite> Writes;
  bool ReadSection(const char* section, std::string& lines) const override {
    ++SectionReads;
    lines.clear();
    if (!Whole) return false;
    if (Raw.count(section)) {
      lines = Raw.at(section);
      return true;
    }
    for (const auto& [at, value] : Values)
      if (at.first == section) AppendLine(lines, at.second, value);
    return true;
  }
  std::string ReadString(const char* section, const char* key, const char* def) const override {
    ++Reads;
    const auto it = Values.find({section, key});
    return it == Values.end() ? def : it->second.substr(0, 1023);  // the platform's 1024-byte buffer
  }
  bool HasSection(const char* section) const override {
    if (section == std::string("List") && SecondList) return true;
    for (const auto& v : Values)
      if (v.first.first == section) return true;
    return false;
  }
  void WriteSection(const char* section, const std::string& lines) const override {
    Writes.push_back({section, "", lines, false, true});
    std::erase_if(Values, [&](const auto& v) { return v.first.first == section; });
    for (std::size_t at = 0; at < lines.size();) {
      const std::size_t end = lines.find('\0', at), eq = lines.find('=', at);
      Values[{section, lines.substr(at, eq - at)}] = lines.substr(eq + 1, end - eq - 1);
      at = end + 1;
    }
  }
  void WriteString(const char* section, const char* key, const std::string& value) const override {
    Writes.push_back({section, key, value});
    Values[{section, key}] = value;
  }
  void EraseSection(const char* section) const override {
    Writes.push_back({section, "", "", true});
    std::erase_if(Values, [&](const auto& v) { return v.first.first == section; });
  }
};

std::vector<TProfileWrite> StoredSettingsWrites(const TStoredSettings& s) {
  TFakeProfile file;
  WriteStoredSettings(s, file);
  return file.Writes;
}

struct TValueWrite {
  std::string Name, Value;
  bool operator==(const TValueWrite&) const = default;
};

// The desktop values: null for a missing value; the names read, in order,
// and the writes.
struct TFakeDesktop : TDesktopStore {
  std::map<std::string, const char*> Values;
  std::string Raises;  // a value whose read raises
  std::vector<std::string> Read;
  std::vector<TValueWrite> Written;
  std::string ReadString(const char* name, const char* def) override {
    Read.push_back(name);
    if (name == Raises) throw std::runtime_error(name);
    const auto it = Values.find(name);
    return it == Values.end() || !it->second ? def : it->second;
  }
  void WriteString(const char* name, const std::string& value) override { Written.push_back({name, value}); }
  void WriteColorString(const char* name, const std::string& value) override {
    Written.push_back({std::string("Colors\\") + name, value});
  }
};

std::vector<TValueWrite> DesktopWrites(const TDesktopValues& v) {
  TFakeDesktop desk;
  WriteDesktopValues(v, desk);
  return desk.Written;
}

}  // namespace

TEST(StoredSettings, ASectionReadGivesWhatReadingEachKeyGives) {
  using namespace std::string_literals;
  // The lines as one read gives them: Wine gives keys and values without the
  // spaces around them; Windows may give a line as it stands in the file.
  const std::string lines =
      "1=C:\\A.BMP\0"
      "  2 \t=  C:\\B C.BMP \t\0"       // spaces and tabs around key and value
      "Count=3\0"
      "1=C:\\SECOND.BMP\0"              // a later duplicate: the first counts
      "4\0"                             // a line without "=": the key is there, no value
      "4=C:\\AFTER.BMP\0"
      "5=\0"                            // an empty value is no default
      "6=\"C:\\Q.BMP\"\0"               // one pair of quotes goes
      "7='x'\0"
      "8=\"x'\0"                        // unmatched: kept
      "9=\"\0"
      "10=\"\"\0"
      "11=\" spaced \"\0"               // inside the quotes the spaces stay
      "12=a=b\0"                        // the first "=" ends the key
      ";13=comment\0"
      "=nameless\0"
      "14=\x95\x5C \x83\x5C\0"          // 表 ソ: second bytes 0x5C
      "COUNT=99\0"                      // the first Count was earlier
      "16=\x81\x40\0"                   // a double-byte space is not taken off
      "15 = tail \0"s;                  // keys out of order
  struct Case {
    const char *Key, *Want;
  } cases[] = {
      {"1", "C:\\A.BMP"}, {"2", "C:\\B C.BMP"}, {"3", "DEF"}, {"count", "3"}, {"CoUnT", "3"},
      {"4", "DEF"}, {"5", ""}, {"6", "C:\\Q.BMP"}, {"7", "x"}, {"8", "\"x'"}, {"9", "\""},
      {"10", ""}, {"11", " spaced "}, {"12", "a=b"}, {"13", "DEF"}, {";13", "comment"},
      {"14", "\x95\x5C \x83\x5C"}, {"15", "tail"}, {"16", "\x81\x40"}, {"17", "DEF"},
  };
  for (const Case& c : cases) EXPECT_EQ(SectionValue(lines, c.Key, "DEF"), c.Want) << c.Key;
  EXPECT_EQ(SectionValue("", "1", "s"), "s");
  EXPECT_EQ(SectionValue("\0"s, "1", "s"), "s");

  // The same file half read as the settings: Count 5 with keys 1, 2, 4 and
  // 15 only; a missing key and a key without "=" read as "s".
  TFakeProfile file;
  file.Raw["List"] = "15=C:\\O.BMP\0" "2 = C:\\B.BMP\0" "Count = 5\0" "1=C:\\A.BMP\0" "4\0" "1=C:\\X.BMP\0"s;
  file.Raw["Freq"] = "on=1\0" "Min = \"30\"\0" "Random=0\0" "Min=5\0"s;
  const TStoredSettings s = ReadStoredSettings(file);
  EXPECT_EQ(s.Paths, (std::vector<std::string>{"C:\\A.BMP", "C:\\B.BMP", "s", "s", "s"}));
  EXPECT_TRUE(s.AutoChange);
  EXPECT_EQ(s.Period, 30);
  EXPECT_EQ(s.Order, coListOrder);
  EXPECT_EQ(file.Reads, 0);

  // The section names GetPrivateProfileSectionNamesA gives.
  EXPECT_TRUE(NamesHold("Freq\0list\0"s, "List"));
  EXPECT_FALSE(NamesHold("Freq\0Lists\0 List\0"s, "List"));
  EXPECT_FALSE(NamesHold("", "List"));
}

TEST(StoredSettings, FreqValuesTakeDefaultsAndClamps) {
  // Longer than a one-key read gives: converted as cut to 1023 bytes.
  const std::string zeros(1022, '0'), on = zeros + "01", min = zeros + "30", random = zeros + "-5";
  struct Case {
    const char *On, *Min, *Random;  // null: key missing
    bool AutoChange;
    std::int32_t Period;
    TChangeOrder Order;
  } cases[] = {
      {nullptr, nullptr, nullptr, false, 1, coRandom},
      {"1", "0x1E", "0", true, 30, coListOrder},
      {"yes", "0", "7", false, 1, coRandom},
      {"2", "5000", "-5", true, 1440, coNone},
      {"0", "-3", "-1", false, 1, coNone},
      {" -1", "$5A0", "+1", true, 1440, coRandom},
      {"0x", "12x", "0X0", false, 1, coListOrder},
      {"", "", "", false, 1, coRandom},
      {"$0", "1440", "2147483647", false, 1440, coRandom},
      {"-0", "1441", "-2147483648", false, 1440, coNone},
      {"0x1", "-2147483648", "$FFFFFFFF", true, 1, coNone},
      {"1", "2147483647", "1", true, 1440, coRandom},
      {on.c_str(), min.c_str(), random.c_str(), false, 3, coRandom},
  };
  for (const Case& c : cases)
    for (const bool whole : {true, false}) {
      TFakeProfile file;
      file.Whole = whole;
      if (c.On) file.Values[{"Freq", "On"}] = c.On;
      if (c.Min) file.Values[{"Freq", "Min"}] = c.Min;
      if (c.Random) file.Values[{"Freq", "Random"}] = c.Random;
      const TStoredSettings s = ReadStoredSettings(file);
      const std::string what = std::string(c.On ? c.On : "-") + "|" + (c.Min ? c.Min : "-") + "|" +
                               (c.Random ? c.Random : "-") + (whole ? " whole" : " key by key");
      EXPECT_EQ(s.AutoChange, c.AutoChange) << what;
      EXPECT_EQ(s.Period, c.Period) << what;
      EXPECT_EQ(s.Order, c.Order) << what;
      EXPECT_TRUE(s.Paths.empty()) << what;
    }
}

TEST(StoredSettings, CountGivesTheEntryKeysReadUpToAThousand) {
  const std::string cut = std::string(1021, '0') + "123";  // read as 12
  struct Case {
    const char* Count;  // null: missing
    std::size_t Keys;
  } cases[] = {
      {nullptr, 0}, {"", 0}, {"three", 0}, {"0", 0}, {"3", 3}, {"-2", 2}, {"73", 73}, {"100", 100},
      {"999", 999}, {"1000", 1000}, {"1001", 1000}, {"-1001", 1000}, {"5000", 1000},
      {"2147483647", 1000}, {"-2147483648", 1000}, {"$7FFFFFFF", 1000}, {"$80000000", 1000}, {cut.c_str(), 12},
  };
  for (const Case& c : cases)
    for (const bool whole : {true, false}) {
      const std::string what = std::string(c.Count ? c.Count : "-") + (whole ? " whole" : " key by key");
      TFakeProfile file;
      file.Whole = whole;
      if (c.Count) file.Values[{"List", "Count"}] = c.Count;
      // Keys 1, 2 and 4 only: a missing key reads as "s".
      file.Values[{"List", "1"}] = "C:\\A.BMP";
      file.Values[{"List", "2"}] = "C:\\B.BMP";
      file.Values[{"List", "4"}] = "C:\\D.BMP";
      const TStoredSettings s = ReadStoredSettings(file);
      ASSERT_EQ(s.Paths.size(), c.Keys) << what;
      EXPECT_EQ(file.SectionReads, 2) << what << ": List, then Freq";
      // Sections that cannot be had whole: Count, the keys, On, Random, Min.
      EXPECT_EQ(file.Reads, whole ? 0 : int(c.Keys) + 4) << what;
      const std::vector<std::string> head = {"C:\\A.BMP", "C:\\B.BMP", "s", "C:\\D.BMP", "s"};
      for (std::size_t i = 0; i < c.Keys && i < head.size(); ++i) EXPECT_EQ(s.Paths[i], head[i]) << what << i;
    }
}

TEST(StoredSettings, PathsAreCutTo255BytesAtACharacterBoundary) {
  const std::string x254(254, 'x');
  struct Case {
    std::string Stored, Read;
  } cases[] = {
      {x254 + "y", x254 + "y"},
      {x254 + "yz", x254 + "y"},
      {std::string(1023, 'p'), std::string(255, 'p')},
      // "表" (95 5C) across the 255th byte: cut before it, to 254 bytes.
      {x254 + "\x95\x5C" + ".bmp", x254},
      {std::string(253, 'x') + "\x95\x5C" + "\x83\x5C", std::string(253, 'x') + "\x95\x5C"},
      {"", ""},
  };
  for (const Case& c : cases) {
    TFakeProfile file;
    file.Values[{"List", "Count"}] = "1";
    file.Values[{"List", "1"}] = c.Stored;
    EXPECT_EQ(ReadStoredSettings(file).Paths, std::vector<std::string>{c.Read}) << c.Stored.size();
  }
}

TEST(StoredSettings, WritesEraseTheListThenEntriesCountAndFreqValues) {
  TStoredSettings s;
  s.Paths = {"C:\\PICTURES\\SEA.BMP", "C:\\PICTURES\\HILL.BMP"};
  s.AutoChange = true;
  s.Period = 30;
  s.Order = coListOrder;
  using namespace std::string_literals;
  const std::vector<TProfileWrite> expected = {
      {"List", "", "", true},
      {"List", "", "1=C:\\PICTURES\\SEA.BMP\0" "2=C:\\PICTURES\\HILL.BMP\0" "Count=2\0"s, false, true},
      {"Freq", "On", "1"},
      {"Freq", "Min", "30"},
      {"Freq", "Random", "0"},
  };
  EXPECT_EQ(StoredSettingsWrites(s), expected);

  TStoredSettings none;
  none.Order = coNone;
  none.Period = 1440;
  const std::vector<TProfileWrite> emptied = {
      {"List", "", "", true}, {"List", "", "Count=0\0"s, false, true}, {"Freq", "On", "0"},
      {"Freq", "Min", "1440"}, {"Freq", "Random", "-1"},
  };
  EXPECT_EQ(StoredSettingsWrites(none), emptied);

  // A second List section that the erase leaves takes the list key by key.
  TFakeProfile twice;
  twice.SecondList = true;
  WriteStoredSettings(s, twice);
  const std::vector<TProfileWrite> byKey = {
      {"List", "", "", true},
      {"List", "1", "C:\\PICTURES\\SEA.BMP"},
      {"List", "2", "C:\\PICTURES\\HILL.BMP"},
      {"List", "Count", "2"},
      {"Freq", "On", "1"},
      {"Freq", "Min", "30"},
      {"Freq", "Random", "0"},
  };
  EXPECT_EQ(twice.Writes, byKey);

  // What is written reads back, and an old longer list leaves no keys behind.
  TFakeProfile file;
  std::vector<std::string> old(12, "C:\\OLD.BMP");
  WriteStoredSettings({old, false, 5, coRandom}, file);
  s.Paths.push_back(s.Paths[0]);  // duplicates stay
  WriteStoredSettings(s, file);
  const TStoredSettings back = ReadStoredSettings(file);
  EXPECT_EQ(back.Paths, s.Paths);
  EXPECT_EQ(back.AutoChange, s.AutoChange);
  EXPECT_EQ(back.Period, s.Period);
  EXPECT_EQ(back.Order, s.Order);
  EXPECT_EQ(file.Values.size(), 3u + 1 + 3);

  // A save's copy is checked against what was to be stored, read either way.
  EXPECT_TRUE(HoldsStoredSettings(s, file));
  file.Whole = false;
  EXPECT_TRUE(HoldsStoredSettings(s, file));
  for (const auto& cut : {std::pair<std::string, std::string>{"List", "Count"}, {"List", "3"}, {"Freq", "Random"}}) {
    TFakeProfile shorter = file;
    shorter.Values.erase(cut);
    EXPECT_FALSE(HoldsStoredSettings(s, shorter)) << cut.second;
  }
  file.Values[{"Freq", "Min"}] = "31";
  EXPECT_FALSE(HoldsStoredSettings(s, file));
}

TEST(DesktopValues, StyleComesFromWallpaperStyleAndTileText) {
  struct Case {
    const char *Wallpaper, *Style, *Tile;  // null: value missing
    TDispStyle Expected;
  } cases[] = {
      {nullptr, "2", "1", dsNone},       {"", "2", "1", dsNone},           {"C:\\W.BMP", "0", "0", dsCenter},
      {"C:\\W.BMP", nullptr, nullptr, dsCenter}, {"C:\\W.BMP", "0", "1", dsTile}, {"C:\\W.BMP", "0", "", dsTile},
      {"C:\\W.BMP", "0", "00", dsTile},  {"C:\\W.BMP", "0", "0x", dsTile}, {"C:\\W.BMP", "0", "01", dsTile},
      {"C:\\W.BMP", "0", " 0", dsTile},  {"C:\\W.BMP", "2", "0", dsStretch}, {"C:\\W.BMP", "0x2", "1", dsStretch},
      {"C:\\W.BMP", " +2", "", dsStretch}, {"C:\\W.BMP", "$2", nullptr, dsStretch},
      {"C:\\W.BMP", "two", "0", dsCenter}, {"C:\\W.BMP", "1", "0", dsCenter}, {"C:\\W.BMP", "3", "1", dsTile},
      {"C:\\W.BMP", "", "0", dsCenter},   {"C:\\W.BMP", "10", "0", dsCenter}, {"C:\\W.BMP", "22", "1", dsTile},
      {"C:\\W.BMP", "6", "0 ", dsTile},
  };
  for (const Case& c : cases) {
    TFakeDesktop desk;
    desk.Values = {{"Wallpaper", c.Wallpaper}, {"WallpaperStyle", c.Style}, {"TileWallpaper", c.Tile}};
    TDesktopValues v;
    v.Style = dsStretch;
    v.Wallpaper = "C:\\BEFORE.BMP";
    ReadStyleAndWallpaper(desk, v);
    const std::string what = std::string(c.Wallpaper ? c.Wallpaper : "-") + "|" + (c.Style ? c.Style : "-") +
                             "|" + (c.Tile ? c.Tile : "-");
    EXPECT_EQ(v.Style, c.Expected) << what;
    EXPECT_EQ(v.Wallpaper, c.Wallpaper ? c.Wallpaper : "") << what;
    // Beside a wallpaper the pair is kept whole, a missing value as "0".
    if (c.Expected == dsNone) EXPECT_FALSE(v.StoredStyle) << what;
    else EXPECT_EQ(v.StoredStyle, (TStylePair{c.Style ? c.Style : "0", c.Tile ? c.Tile : "0"})) << what;
    // WallpaperStyle is read, and so can fail, only when a wallpaper is set.
    std::vector<std::string> reads = {"TileWallpaper", "Wallpaper"};
    if (c.Expected != dsNone) reads.push_back("WallpaperStyle");
    EXPECT_EQ(desk.Read, reads) << what;
  }
}

TEST(DesktopValues, ReadsTakeDefaultsKeepTheWallpaperWholeAndStoreNothingOnFailure) {
  // Missing: "0"; present with no data: empty.
  TFakeDesktop desk;
  TDesktopValues v;
  for (const bool xMissing : {true, false}) {
    desk.Values = {{"WallPaperOriginX", xMissing ? nullptr : ""}, {"WallPaperOriginY", xMissing ? "" : nullptr}};
    v.OriginX = v.OriginY = "9";
    ReadOriginX(desk, v);
    ReadOriginY(desk, v);
    EXPECT_EQ(v.OriginX, xMissing ? "0" : "");
    EXPECT_EQ(v.OriginY, xMissing ? "" : "0");
  }

  const std::string longPath = "C:\\" + std::string(251, 'g') + "\x95\x5C.bmp";
  desk.Values = {{"Wallpaper", longPath.c_str()}, {"WallPaperOriginX", "left"}};
  ReadStyleAndWallpaper(desk, v);
  ReadOriginX(desk, v);
  EXPECT_EQ(v.Wallpaper, longPath);  // too long for the list: it is not listed cut
  EXPECT_FALSE(v.WallpaperFitsList());
  EXPECT_EQ(v.Style, dsCenter);
  EXPECT_EQ(v.OriginX, "left");

  for (const char* failing : {"TileWallpaper", "Wallpaper", "WallpaperStyle"}) {
    TFakeDesktop bad;
    bad.Values = {{"Wallpaper", "C:\\NEW.BMP"}, {"WallpaperStyle", "2"}};
    bad.Raises = failing;
    TDesktopValues kept;
    kept.Style = dsTile;
    kept.Wallpaper = "C:\\OLD.BMP";
    EXPECT_THROW(ReadStyleAndWallpaper(bad, kept), std::runtime_error) << failing;
    EXPECT_EQ(kept.Style, dsTile) << failing;
    EXPECT_EQ(kept.Wallpaper, "C:\\OLD.BMP") << failing;
  }
}

TEST(DesktopValues, WritesTheColourThenTheStyleOrThePairAsLoadedAndTheOriginTexts) {
  struct Case {
    TDispStyle Style;
    std::optional<TStylePair> Stored;
    std::uint32_t Color;
    const char *WallpaperStyle, *Tile, *Background;
  } cases[] = {
      {dsNone, {}, 0x00A56E3A, "0", "0", "58 110 165"},       {dsCenter, {}, 0, "0", "0", "0 0 0"},
      {dsTile, {}, 0x00FFFFFF, "0", "1", "255 255 255"},      {dsStretch, {}, 0x000A0B0C, "2", "0", "12 11 10"},
      {dsCenter, TStylePair{"10", "0"}, 0x00010203, "10", "0", "3 2 1"},
      {dsTile, TStylePair{"22", "00"}, 0, "22", "00", "0 0 0"},
  };
  for (const Case& c : cases) {
    TDesktopValues v;
    v.Style = c.Style;
    v.StoredStyle = c.Stored;
    v.Color = c.Color;
    v.OriginX = "x y";
    v.OriginY = "";
    const std::vector<TValueWrite> expected = {
        {"Colors\\Background", c.Background}, {"WallpaperStyle", c.WallpaperStyle}, {"TileWallpaper", c.Tile},
        {"WallPaperOriginX", "x y"}, {"WallPaperOriginY", ""}};
    EXPECT_EQ(DesktopWrites(v), expected) << c.Style << " " << c.WallpaperStyle;
  }
}

TEST(PathFolder, TheFolderToLookUpForAStoredPath) {
  struct Case {
    const char *Path, *Folder;
  } cases[] = {
      {"C:\\PICS\\SEA.BMP", "C:\\PICS"},         {"C:\\SEA.BMP", "C:\\"},
      {"c:/pics/sea.bmp", "c:/pics"},               {"C:SEA.BMP", "C:"},
      {"SEA.BMP", ""},                              {"s", ""},
      {"", ""},                                     {"\\SEA.BMP", "\\"},
      {"PICS\\SEA.BMP", "PICS"},                     {"\\\\SRV\\SHARE\\SEA.BMP", "\\\\SRV\\SHARE\\"},
      {"\\\\SRV\\SHARE\\D\\SEA.BMP", "\\\\SRV\\SHARE\\D"}, {"Q:\\A\\B\\", "Q:\\A\\B"},
      // 表 and ソ end in the byte of "\\"; they do not separate.
      {"C:\\\x95\x5C\\SEA.BMP", "C:\\\x95\x5C"},      {"C:\\\x83\x5C.BMP", "C:\\"},
      {"\x95\x5C.BMP", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(FolderOfPath(c.Path), c.Folder) << c.Path;
}

TEST(DesktopValues, ExecuteRemovesKeepsOrAppliesTheSelection) {
  struct Case {
    TDispStyle Style;
    bool AutoChange;
    std::int32_t Selected;
    TExecuteWallpaper Expected;
  } cases[] = {
      {dsNone, false, 0, TExecuteWallpaper::Remove},    {dsNone, true, -1, TExecuteWallpaper::Remove},
      {dsCenter, false, 0, TExecuteWallpaper::Selected}, {dsStretch, false, 5, TExecuteWallpaper::Selected},
      {dsTile, true, 0, TExecuteWallpaper::Keep},        {dsCenter, false, -1, TExecuteWallpaper::Keep},
  };
  for (const Case& c : cases)
    EXPECT_EQ(WallpaperAtExecute(c.Style, c.AutoChange, c.Selected), c.Expected)
        << c.Style << " " << c.AutoChange << " " << c.Selected;
}
