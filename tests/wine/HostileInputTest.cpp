// What a damaged disk or a careless hand can leave behind: a settings file of
// garbage, binary bytes and enormous lines; empty registry data; a folder
// named like a bitmap. Each gives the defaults or the program's own texts,
// the program keeps running, and nothing stored is lost.
#include "Fixture.h"
#include "ListEditSupport.h"
#include "settings/Desktop.h"

class HostileInput : public SorvaneTest {
 protected:
  void SetUp() override {
    RecordWallpaper();
    SetDesktopValue("Wallpaper", "");
  }
};

TEST_F(HostileInput, GarbageBinaryAndEnormousLinesGiveTheDefaults) {
  const std::string good = TempFile("GOOD.BMP", testpics::Bmp24(4, 4, RGB(1, 2, 3), RGB(4, 5, 6)));
  std::string ini;
  for (int i = 0; i < 256; ++i) ini += char(i);  // every byte, NUL included
  ini += "\r\n[List]\r\nCount=\x81\x5c\xff\r\n1=" + std::string(100000, 'x') + "\r\n";
  ini += "2=" + good + "\r\n";
  ini += "[Freq]\r\nOn=\x95\x5c\r\nMin=" + std::string(5000, '9') + "\r\nRandom=$\r\n";
  ini += std::string(200000, '[') + "\r\n";
  WriteIni(ini);
  CreateForm();
  // A Count that is not a number reads no entries; the others are defaults.
  EXPECT_EQ(Form->Candidates().Count(), 0);
  EXPECT_FALSE(Form->AutoChg->Checked());
  EXPECT_EQ(Form->Freq->Position(), 1);
  EXPECT_EQ(Form->FreqView->Text(), "1");
  EXPECT_EQ(Form->ChgMode->ItemIndex(), 1);
  EXPECT_TRUE(Boxes.empty());

  // A readable list next to the garbage comes back whole.
  WriteIni("\x01\x02garbage\r\n[List]\r\nCount=3\r\n1=" + std::string(3000, 'y') + "\r\n2=" + good + "\r\n3=" + good +
           "\r\n");
  Form->BtnCancelClick(Form->BtnCancel);
  EXPECT_EQ(Form->Candidates().Paths(), (std::vector<std::string>{good, good}));
  EXPECT_TRUE(Boxes.empty());
}

TEST_F(HostileInput, EmptyRegistryDataIsEmptyText) {
  // Values that exist with no data at all: empty text, no error.
  for (const char* name : {"Wallpaper", "TileWallpaper", "WallPaperOriginX", "WallPaperOriginY"})
    SetDesktopValue(name, REG_SZ, nullptr, 0);
  RemoveIni();
  CreateForm();
  EXPECT_TRUE(Boxes.empty());
  EXPECT_EQ(Form->DispType->ItemIndex(), 0);  // no wallpaper
  EXPECT_EQ(Form->Candidates().Count(), 0);
  EXPECT_EQ(Form->OrgX->Text(), "0");  // the origin shows "0" while not chosen
  for (const char* name : {"TileWallpaper", "WallPaperOriginX", "WallPaperOriginY"}) SetDesktopValue(name, "0");
}

TEST_F(HostileInput, AFolderNamedLikeABitmapNeverJoinsOrShows) {
  const std::string folder = TempDir() + "\\x.bmp";
  CreateDirectoryA(folder.c_str(), nullptr);
  WriteIni(ListSection({folder}));
  CreateForm();
  EXPECT_EQ(Form->Candidates().Count(), 0);  // not a file: skipped at load
  Form->DispType->SetItemIndex(1);
  SendMessageA(Form->Handle(), WM_DROPFILES, WPARAM(testpics::MakeDrop({folder})), 0);
  EXPECT_EQ(Form->Candidates().Count(), 0);  // not a file: not dropped
  RemoveDirectoryA(folder.c_str());
  EXPECT_TRUE(Boxes.empty());
}

TEST_F(HostileInput, AFileIsThereWhateverItsTimeStamp) {
  // Last written before 1980 and after 2107: no DOS date exists for either.
  const std::pair<WORD, const char*> years[] = {{1975, "OLD.BMP"}, {2150, "FUTURE.BMP"}, {1601, "EPOCH.BMP"}};
  std::vector<std::string> paths;
  for (const auto& [year, name] : years) {
    paths.push_back(TempFile(name, testpics::Bmp24(4, 4, RGB(1, 2, 3), RGB(4, 5, 6))));
    SYSTEMTIME st{year, 6, 0, 15, 12, 0, 0, 0};
    FILETIME ft;
    ASSERT_TRUE(SystemTimeToFileTime(&st, &ft));
    HANDLE h = CreateFileA(paths.back().c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(SetFileTime(h, nullptr, nullptr, &ft));
    CloseHandle(h);
  }
  WriteIni(ListSection(paths));
  CentredDesktop(paths[0], false);
  CreateForm();
  ASSERT_EQ(Form->Candidates().Count(), 3);  // kept at start
  for (int i = 0; i < 3; ++i) {
    testpics::UserSelects(Form->ListBox, i);  // previewed, not removed
    EXPECT_EQ(Form->BmpInfo->Caption(), "原寸＝4×4") << paths[size_t(i)];
  }
  EXPECT_EQ(Form->Candidates().Count(), 3);
  EXPECT_TRUE(Boxes.empty());
  SetDesktopValue("Wallpaper", "");
}

TEST_F(HostileInput, TheExistenceTestAnswersOddNamesAsTheFolderSearchDoes) {
  // The answer of old: a name without wildcards for which FindFirstFileA
  // finds an entry that is not a folder.
  auto searched = [](const std::string& p) {
    if (p.find_first_of("*?") != std::string::npos) return false;
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA(p.c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return false;
    FindClose(h);
    return (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
  };
  const std::string dir = TempDir(), file = TempFile("A.BMP"), jp = TempFile("\x95\x5C");  // 表
  CreateDirectoryA((dir + "\\SUB.BMP").c_str(), nullptr);
  char cwd[MAX_PATH] = {};
  GetCurrentDirectoryA(sizeof cwd, cwd);
  SetCurrentDirectoryA(dir.c_str());
  const std::string names[] = {
      file, file + ".", file + " ", file + "\\", file + "/", file + ":stream", file + "::$DATA",
      dir + "\\a.bmp", dir + "\\.\\A.BMP", dir + "\\SUB.BMP\\..\\A.BMP", dir + "\\SUB.BMP", dir + "\\SUB.BMP\\",
      dir, jp, jp + "\\", dir + "\\NONE.BMP", "A.BMP", ".\\A.BMP", "", "\\", "s", dir + "\\A.BM?", dir + "\\NUL",
  };
  for (const std::string& n : names) EXPECT_EQ(sorvane::FileExists(n), searched(n)) << n;
  EXPECT_TRUE(sorvane::FileExists(file));
  EXPECT_TRUE(sorvane::FileExists(jp));
  SetCurrentDirectoryA(cwd);
  RemoveDirectoryA((dir + "\\SUB.BMP").c_str());
}
