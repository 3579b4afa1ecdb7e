// The settings file beside the executable: what a load puts into the
// controls, what a save writes, and that a save read back loses nothing.
#include <cstring>
#include <map>

#include "Fixture.h"
#include "settings/Desktop.h"
#include "settings/IniBytes.h"
#include "settings/IniFile.h"
#include "settings/StoredSettings.h"

namespace {

using TIniContent = std::map<std::string, std::map<std::string, std::string>>;

// Sections and keys of the file; each line must end in CRLF.
TIniContent ParseIni(const std::string& text) {
  TIniContent result;
  std::string section;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find("\r\n", pos);
    EXPECT_NE(end, std::string::npos) << "line without CRLF at " << pos;
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(pos, end - pos);
    pos = end + 2;
    if (line.empty()) continue;
    if (line.front() == '[') {
      section = line.substr(1, line.size() - 2);
      result[section];
    } else {
      const std::size_t eq = line.find('=');
      EXPECT_NE(eq, std::string::npos) << line;
      result[section][line.substr(0, eq)] = line.substr(eq + 1);
    }
  }
  return result;
}

}  // namespace

class SettingsFile : public SorvaneTest {
 protected:
  void SetUp() override {
    RemoveIni();
    CentredDesktop("");
    RecordWallpaper();
  }
  void TearDown() override {
    SorvaneTest::TearDown();
    RemoveIni();
  }
};

TEST_F(SettingsFile, FirstRunGivesTheDefaultsAndWritesNothing) {
  CreateForm();
  EXPECT_EQ(Form->Candidates().Count(), 0);
  EXPECT_FALSE(Form->AutoChg->Checked());
  EXPECT_EQ(Form->ChgMode->ItemIndex(), 1);
  EXPECT_EQ(Form->Freq->Position(), 1);
  EXPECT_EQ(Form->FreqView->Text(), "1");
  EXPECT_EQ(Form->FreqMin, 1);
  EXPECT_EQ(Form->DispType->ItemIndex(), 0);
  EXPECT_EQ(GetFileAttributesA(IniPath().c_str()), INVALID_FILE_ATTRIBUTES);

  // With a current wallpaper the list holds just that, whether or not its
  // file exists; the period and order come back to their defaults.
  SetDesktopValue("Wallpaper", "C:\\nowhere\\Old Wall.bmp");
  Form->SetFreq(77);
  Form->ChgMode->SetItemIndex(0);
  Form->ListPos = 5;
  Reload();
  EXPECT_EQ(Form->Candidates().Paths(), std::vector<std::string>{"C:\\nowhere\\Old Wall.bmp"});
  EXPECT_EQ(Form->Freq->Position(), 1);
  EXPECT_EQ(Form->FreqMin, 1);
  EXPECT_EQ(Form->ListPos, 0);
  EXPECT_EQ(Form->ChgMode->ItemIndex(), 1);
  EXPECT_FALSE(Form->AutoChg->Checked());
  EXPECT_EQ(Form->DispType->ItemIndex(), 1);
  EXPECT_TRUE(Boxes.empty());
  EXPECT_EQ(GetFileAttributesA(IniPath().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(SettingsFile, ALoadListsTheEntriesWhoseFilesExistAndTakesTheFreqValues) {
  const std::string a = TempFile("a.bmp"), b = TempFile("b.bmp"), c = TempFile("c.bmp"), d = TempFile("d.bmp");
  const std::string wall = TempFile("wall.bmp");
  SetDesktopValue("Wallpaper", wall);  // a style other than "壁紙なし" shows the stored check mark
  CreateForm();

  // Count=3 with keys 1, 2 and 4: key 3 is missing and its default "s" is a
  // path relative to the current folder; key 4 is never read. The values
  // are converted and clamped.
  WriteIni("[List]\r\nCount=3\r\n1=" + a + "\r\n2=" + b + "\r\n4=" + d + "\r\n" +
           "[Freq]\r\nOn=2\r\nMin=0x7D0\r\nRandom=0\r\n");
  char cwd[MAX_PATH] = {};
  GetCurrentDirectoryA(sizeof cwd, cwd);
  TempFile("s");
  SetCurrentDirectoryA(TempDir().c_str());
  Reload();
  SetCurrentDirectoryA(cwd);
  EXPECT_EQ(Form->Candidates().Paths(), (std::vector<std::string>{a, b, "s", wall}));
  EXPECT_TRUE(Form->AutoChg->Checked());
  EXPECT_EQ(Form->Freq->Position(), 1440);
  EXPECT_EQ(Form->FreqView->Text(), "1440");
  EXPECT_EQ(Form->FreqMin, 1440);
  EXPECT_EQ(Form->ChgMode->ItemIndex(), 0);

  // A deleted file leaves the list and the others close up; duplicates stay.
  const std::string gone = TempFile("gone.bmp");
  DeleteFileA(gone.c_str());
  WriteIni(ListSection({a, gone, a, c}, "-4"));
  Reload();
  EXPECT_EQ(Form->Candidates().Paths(), (std::vector<std::string>{a, a, c, wall}));

  // Paths up to 1023 bytes are read in full before the cut to 255; a
  // longer file value arrives cut at 1023 bytes, then at 255.
  const std::string dir = TempDir() + "\\";
  const std::string plain = dir + std::string(255 - dir.size(), 'p');
  TempFile(plain.substr(dir.size()));
  WriteIni(ListSection({plain + std::string(2000, 'z')}, "1"));
  Reload();
  EXPECT_EQ(Form->Candidates().Paths(), (std::vector<std::string>{plain, wall}));
  EXPECT_TRUE(Boxes.empty());
}

TEST_F(SettingsFile, OnlyAPictureDeletedFromItsFolderLeavesTheListAtLoad) {
  // A drive letter that nothing is mounted on, as a removable disk that is
  // out or a share not yet connected at sign-in.
  char drive = 0;
  for (char d = 'Y'; d >= 'G' && !drive; --d)
    if (!(GetLogicalDrives() & (1u << (d - 'A')))) drive = d;
  ASSERT_NE(drive, 0);
  const std::string unmounted = std::string(1, drive) + ":\\PICS\\SEA.BMP";
  const std::string noFolder = TempDir() + "\\not yet\\HILL.BMP";
  const std::string deleted = TempFile("deleted.bmp");
  DeleteFileA(deleted.c_str());
  const std::string there = TempFile("there.bmp");
  WriteIni(ListSection({unmounted, deleted, noFolder, there}, "4"));
  CreateForm();
  EXPECT_EQ(Form->Candidates().Paths(), (std::vector<std::string>{unmounted, noFolder, there}));

  // Execute keeps them for when their drive or folder is back.
  Guarded(Form, [&] { Form->SaveSettings(); });
  const std::map<std::string, std::string> kept = {{"1", unmounted}, {"2", noFolder}, {"3", there}, {"Count", "3"}};
  EXPECT_EQ(ParseIni(ReadIni())["List"], kept);
  EXPECT_TRUE(Boxes.empty());
}

TEST_F(SettingsFile, SaveWritesTheDocumentedFormat) {
  // An old, longer list must not leave keys behind.
  WriteIni(ListSection({"C:\\OLD\\1.BMP", "C:\\OLD\\2.BMP", "C:\\OLD\\3.BMP"}, "3") + "[Freq]\r\nOn=0\r\n");
  CreateForm();
  Form->ClearCandidates();
  Form->AddCandidate("C:\\PICTURES\\SEA.BMP");
  Form->AddCandidate("C:\\PICTURES\\HILL.BMP");
  Form->DispType->SetItemIndex(1);
  Form->AutoChg->SetChecked(true);
  Form->SetFreq(30);
  Form->ChgMode->SetItemIndex(0);
  Guarded(Form, [&] { Form->SaveSettings(); });
  EXPECT_TRUE(Boxes.empty());
  const std::string text = ReadIni();
  const TIniContent expected = {
      {"Freq", {{"On", "1"}, {"Min", "30"}, {"Random", "0"}}},
      {"List", {{"1", "C:\\PICTURES\\SEA.BMP"}, {"2", "C:\\PICTURES\\HILL.BMP"}, {"Count", "2"}}},
  };
  EXPECT_EQ(ParseIni(text), expected) << text;
  EXPECT_NE(text.find("1=C:\\PICTURES\\SEA.BMP\r\n"), std::string::npos) << text;
  // Automatic change on: no wallpaper call at Execute.
  EXPECT_TRUE(WallpaperCalls.empty());
}

TEST_F(SettingsFile, AFileThatCannotBeWrittenStopsTheSaveAndTheExecute) {
  // Read-only, or held open by another program (an editor) while writable.
  for (const bool readOnly : {true, false}) {
    SCOPED_TRACE(readOnly ? "read-only" : "held open");
    Boxes.clear();
    delete App;
    const std::string before = ListSection({"C:\\A.BMP"}, "1") + "[Freq]\r\nOn=0\r\nMin=5\r\nRandom=1\r\n";
    SetDesktopValue("Wallpaper", "C:\\A.BMP");
    SetDesktopValue("WallpaperStyle", "7");
    SetDesktopValue("WallPaperOriginX", "sentinel");
    WriteIni(before);
    CreateForm();
    if (readOnly) SetFileAttributesA(IniPath().c_str(), FILE_ATTRIBUTE_READONLY);
    // Wine lets root write a read-only file; a handle that shares reading
    // only keeps every writer out whoever runs the test, as an editor
    // holding the file would.
    HANDLE holder = CreateFileA(IniPath().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    const COLORREF desk = GetSysColor(COLOR_BACKGROUND);
    Form->ColorView->SetColor(desk ^ 0x00FFFFFF);
    Form->SelectCandidate(0);
    Form->AutoChg->SetChecked(true);
    SendMessageA(Form->BtnOK->Handle(), BM_CLICK, 0, 0);
    Pump();
    CloseHandle(holder);
    SetFileAttributesA(IniPath().c_str(), FILE_ATTRIBUTE_NORMAL);

    ASSERT_TRUE(OneBox(IniPath() + " に書き込めません.", TBoxKind::Error));
    EXPECT_EQ(ReadIni(), before);
    EXPECT_EQ(GetFileAttributesA((IniPath() + ".new").c_str()), INVALID_FILE_ATTRIBUTES) << "no copy left behind";
    // Neither the colour, nor the desktop values, nor the wallpaper, nor the
    // rest of Execute (the timer) were touched.
    EXPECT_EQ(GetSysColor(COLOR_BACKGROUND), desk);
    EXPECT_EQ(DesktopValue("WallpaperStyle"), "7");
    EXPECT_EQ(DesktopValue("WallPaperOriginX"), "sentinel");
    EXPECT_TRUE(WallpaperCalls.empty());
    EXPECT_FALSE(Form->Timer->Enabled());
  }
}

// A small file system that tests/wine/small_disk.sh mounts beside bin/, or
// empty when it could not be mounted.
static std::string SmallDisk(const char* name) {
  char exe[MAX_PATH] = {};
  const std::string path(exe, GetModuleFileNameA(nullptr, exe, sizeof exe));
  const std::string disk = path.substr(0, path.rfind('\\')) + "\\..\\" + name;
  return GetFileAttributesA((disk + "\\MOUNTED").c_str()) != INVALID_FILE_ATTRIBUTES ? disk : std::string();
}

TEST_F(SettingsFile, AFullDiskLeavesTheOldFileByteForByteAndSaysSo) {
  const std::string disk = SmallDisk("smalldisk"), names = SmallDisk("smalldisk-names");
  if (disk.empty() || names.empty()) GTEST_SKIP() << "no small file system could be mounted (small_disk.sh needs root)";
  const std::string ini = disk + "\\SORVANE.INI", filler = disk + "\\FILLER";
  const std::string before = ListSection({"C:\\A.BMP"}, "1") + "[Freq]\r\nOn=0\r\nMin=5\r\nRandom=1\r\n";
  WriteIni(before, ini);
  WriteIni(before, names + "\\SORVANE.INI");
  SetDesktopValue("WallpaperStyle", "7");
  CreateForm();
  Form->IniName = ini;
  for (int i = 0; i < 73; ++i)  // two pages of list and more: the old file and its copy take one each
    Form->AddCandidate("C:\\PICTURES\\A PICTURE WHOSE NAME TAKES ROOM IN THE FILE " + std::to_string(i) + ".BMP");
  Form->DispType->SetItemIndex(1);
  Form->AutoChg->SetChecked(true);
  const COLORREF desk = GetSysColor(COLOR_BACKGROUND);
  Form->ColorView->SetColor(desk ^ 0x00FFFFFF);
  const auto execute = [&] {
    Boxes.clear();
    SendMessageA(Form->BtnOK->Handle(), BM_CLICK, 0, 0);
    Pump();
  };
  // No room even for a copy of the old file; then room for that copy only.
  for (const LONG room : {0, 4096}) {
    HANDLE h = CreateFileA(filler.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    static const char page[4096] = {};
    DWORD put = 0;
    while (WriteFile(h, page, sizeof page, &put, nullptr) && put == sizeof page) {
    }
    SetFilePointer(h, -room, nullptr, FILE_END);
    SetEndOfFile(h);
    CloseHandle(h);
    execute();
    ASSERT_TRUE(OneBox(ini + " に書き込めません.")) << room;
    EXPECT_EQ(ReadIni(ini), before);
    EXPECT_EQ(GetFileAttributesA((ini + ".new").c_str()), INVALID_FILE_ATTRIBUTES) << "no copy left";
    EXPECT_EQ(GetSysColor(COLOR_BACKGROUND), desk);
    EXPECT_EQ(DesktopValue("WallpaperStyle"), "7");
    EXPECT_FALSE(Form->Timer->Enabled());
  }
  // With room again the same Execute stores the list whole; so does a
  // folder that takes no new file (a prepared file in a protected folder,
  // here one with no name left to give), in the file itself.
  DeleteFileA(filler.c_str());
  for (const std::string& file : {ini, names + "\\SORVANE.INI"}) {
    Form->IniName = file;
    execute();
    EXPECT_TRUE(Boxes.empty()) << file;
    EXPECT_EQ(sorvane::ReadStoredSettings(sorvane::TIniFile(file)).Paths, Form->Candidates().Paths());
    DeleteFileA(file.c_str());
  }
  char temp[MAX_PATH] = {};
  GetTempPathA(sizeof temp, temp);
  EXPECT_EQ(GetFileAttributesA((std::string(temp) + "SORVANE.INI.new").c_str()), INVALID_FILE_ATTRIBUTES)
      << "no copy left in the temporary folder";
}

TEST_F(SettingsFile, ASavedListOfShiftJisPathsComesBackWhole) {
  // Second bytes 0x5C (表, ソ), spaces, duplicates and more than 73 entries.
  std::vector<std::string> paths;
  for (int i = 0; i < 40; ++i) {
    paths.push_back(TempFile("表 ソ " + std::to_string(i) + " 能.bmp"));
    paths.push_back(TempFile("picture " + std::to_string(i) + " ソ表.BMP"));
  }
  paths.push_back(paths[3]);
  paths.push_back(paths[3]);
  ASSERT_EQ(paths.size(), 82u);
  SetDesktopValue("Wallpaper", paths[0]);
  CreateForm();
  Form->ClearCandidates();
  for (const std::string& p : paths) Form->AddCandidate(p);
  Form->DispType->SetItemIndex(2);
  Form->AutoChg->SetChecked(true);
  Form->SetFreq(1440);
  Form->ChgMode->SetItemIndex(-1);
  Guarded(Form, [&] { Form->SaveSettings(); });
  ASSERT_TRUE(Boxes.empty()) << Boxes[0].Text;

  const TIniContent file = ParseIni(ReadIni());
  ASSERT_EQ(file.count("List"), 1u);
  EXPECT_EQ(file.at("List").size(), 83u);
  EXPECT_EQ(file.at("List").at("Count"), "82");
  EXPECT_EQ(file.at("List").at("82"), paths[81]);

  Form->DispType->SetItemIndex(0);  // the rules clear the check mark
  Form->SetFreq(3);
  Form->ChgMode->SetItemIndex(1);
  Reload();
  EXPECT_EQ(Form->Candidates().Paths(), paths);
  EXPECT_EQ(Form->DispType->ItemIndex(), 2);
  EXPECT_TRUE(Form->AutoChg->Checked());
  EXPECT_EQ(Form->Freq->Position(), 1440);
  EXPECT_EQ(Form->ChgMode->ItemIndex(), -1);
  EXPECT_TRUE(Boxes.empty());
}

namespace {

// The settings file reached key by key, as every read and write once was.
struct TKeyByKey : sorvane::TProfile {
  explicit TKeyByKey(const sorvane::TIniFile& file) : File(file) {}
  const sorvane::TIniFile& File;
  bool ReadSection(const char*, std::string&) const override { return false; }
  std::string ReadString(const char* s, const char* k, const char* d) const override { return File.ReadString(s, k, d); }
  bool HasSection(const char*) const override { return true; }
  void WriteSection(const char*, const std::string&) const override { ADD_FAILURE() << "a section write"; }
  void WriteString(const char* s, const char* k, const std::string& v) const override { File.WriteString(s, k, v); }
  void EraseSection(const char* s) const override { File.EraseSection(s); }
};

// Every section of the file as the profile calls read it, in file order.
std::string AsProfileReads(const std::string& path) {
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
  std::string names(1 << 16, '\0'), all;
  names.resize(GetPrivateProfileSectionNamesA(names.data(), DWORD(names.size()), path.c_str()));
  for (const char* name = names.c_str(); *name; name += std::strlen(name) + 1) {
    std::string lines;
    sorvane::TIniFile(path).ReadSection(name, lines);
    all += "[" + std::string(name) + "]" + lines;
  }
  return all;
}

void ExpectSame(const sorvane::TStoredSettings& a, const sorvane::TStoredSettings& b) {
  EXPECT_EQ(a.Paths, b.Paths);
  EXPECT_EQ(a.AutoChange, b.AutoChange);
  EXPECT_EQ(a.Period, b.Period);
  EXPECT_EQ(a.Order, b.Order);
}

}  // namespace

// The way through the file's bytes, taken under other code pages, is held
// to what the profile calls give under this one.
TEST_F(SettingsFile, OneReadAndOneWritePerSectionGiveWhatTheKeyByKeyCallsGave) {
  const std::string path = IniPath(), other = TempDir() + "\\KEYBYKEY.INI", bytes = TempDir() + "\\BYTES.INI";
  const sorvane::TIniFile file(path), keyByKey(other);
  const std::string jp = "C:\\\x95\x5C\x83\x5C\\\x94\x5C.bmp";  // 表ソ能
  const std::string files[] = {
      "",
      "[List]\r\nCount=3\r\n1=C:\\A.BMP\r\n2=C:\\B.BMP\r\n4=C:\\D.BMP\r\n[Freq]\r\nOn=1\r\nMin=30\r\nRandom=0\r\n",
      // Spacing, quotes, comments, lines without "=", duplicates, order, case.
      "; made by hand\r\n[list]\r\n  2 \t=  C:\\B C.BMP \r\n;1=C:\\C.BMP\r\n3\r\n1=\"" + jp + "\"\r\n1=C:\\X.BMP\r\n"
      "count = 6\r\n5='C:\\E.BMP'\r\n4=\r\n[Mine]\r\nkey=value\r\n[FREQ]\r\nmin = 0x1E \r\nON=yes\r\nExtra=1\r\n"
      "Random=\"7\"\r\n",
      // List in the middle and twice; Freq with hand-added keys.
      "[Top]\r\na=b\r\n[List]\r\nCount=1\r\n1=C:\\FIRST.BMP\r\nOld=9\r\n[Freq]\r\nOn=0\r\nMine=x\r\n"
      "[List]\r\n7=dup\r\nCount=2\r\n[End]\r\n",
      "[List]\r\nCount=-2\r\n1=" + jp + "\r\n2=" + std::string(300, 'p') + "\r\n[Freq]\r\nMin=5000\r\nRandom=-5\r\n",
  };
  sorvane::TStoredSettings saved;
  saved.Paths = {jp, " lead.bmp", "C:\\a=b.bmp", "\"q.bmp\"", ""};
  saved.AutoChange = true;
  saved.Period = 45;
  saved.Order = sorvane::coNone;
  for (const std::string& text : files) {
    SCOPED_TRACE(text);
    WriteIni(text, path);
    const sorvane::TStoredSettings whole = sorvane::ReadStoredSettings(file);
    ExpectSame(whole, sorvane::ReadStoredSettings(TKeyByKey(file)));
    ExpectSame(whole, sorvane::ReadStoredSettings(*sorvane::OpenSettingsBytes(path)));

    WriteIni(text, other);
    WriteIni(text, bytes);
    sorvane::WriteStoredSettings(saved, file);
    sorvane::WriteStoredSettings(saved, TKeyByKey(keyByKey));
    sorvane::WriteStoredSettings(saved, *sorvane::OpenSettingsBytes(bytes));
    EXPECT_EQ(ReadIni(), ReadIni(other));
    EXPECT_EQ(AsProfileReads(bytes), AsProfileReads(path));
  }
}
