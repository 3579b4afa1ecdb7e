// Dropped files: which names join the list, the 73-entry limit, and the
// removal buttons.
#include "Fixture.h"
#include "ListEditSupport.h"

using testpics::MakeDrop;

class ListEditDrop : public SorvaneTest {
 protected:
  void SetUp() override {
    RemoveIni();
    SetDesktopValue("Wallpaper", "");
    CreateForm();
    Form->DispType->SetItemIndex(1);
  }
  // Sends the drop to the main window as the shell does; returns whether the
  // drop handle was released.
  bool Drop(const std::vector<std::string>& names) {
    HDROP h = MakeDrop(names);
    SendMessageA(Form->Handle(), WM_DROPFILES, WPARAM(h), 0);
    return GlobalSize(HGLOBAL(h)) == 0;
  }
  std::vector<std::string> Items() const { return Form->Candidates().Paths(); }
  std::string Folder(const std::string& name) {
    const std::string p = TempDir() + "\\" + name;
    CreateDirectoryA(p.c_str(), nullptr);
    return p;
  }
  std::string FileIn(const std::string& folder, const std::string& name) {
    WriteIni("", folder + "\\" + name);
    return folder + "\\" + name;
  }
  void TearDown() override {
    for (const std::string& p : FExtraFiles) {
      SetFileAttributesA(p.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(p.c_str());
    }
    SorvaneTest::TearDown();
  }
  std::vector<std::string> FExtraFiles;
};

TEST_F(ListEditDrop, OnlyVisibleBitmapFilesByTheLastDotOfTheWholeName) {
  const std::string hidden = TempFile("HIDDEN.BMP");
  SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
  const std::string system = TempFile("SYSTEM.BMP");
  SetFileAttributesA(system.c_str(), FILE_ATTRIBUTE_SYSTEM);
  const std::string readOnly = TempFile("READONLY.BMP");
  SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
  const std::string oldBmp = Folder("OLD.BMP");
  const std::string oldPics = Folder("OLD.PICS");
  FExtraFiles = {FileIn(oldBmp, "PIC"), FileIn(oldPics, "PIC")};

  const std::vector<std::string> dropped = {
      Folder("FOLDER.BMP"),          // a folder
      hidden,                        // hidden
      system,                        // system
      TempFile("PIC.BMP.TXT"),       // last dot says TXT
      TempFile("PIC"),               // no dot in its own name; the folder's dot is not .BMP
      TempFile("PIC.TXT.BMP"),       // appended
      TempFile("pic.bmp"),           // case ignored
      TempFile("PIC.BMPX"),          // only four characters compared
      TempFile("PIC.BM"),            // too short
      TempDir() + "\\NOPE.BMP",      // does not exist
      oldBmp + "\\PIC",              // judged by the folder's dot: appended
      oldPics + "\\PIC",             // judged by the folder's dot: skipped
      readOnly,                      // read-only and archive pass
      TempFile("表.Bmp"),            // a double-byte name
  };
  EXPECT_TRUE(Drop(dropped));
  const std::vector<std::string> want = {
      TempDir() + "\\PIC.TXT.BMP", TempDir() + "\\pic.bmp", TempDir() + "\\PIC.BMPX", oldBmp + "\\PIC", readOnly,
      TempDir() + "\\表.Bmp",
  };
  EXPECT_EQ(Items(), want);
  EXPECT_TRUE(Boxes.empty());

  // The same file twice is listed twice; a drop with nothing acceptable
  // still runs the rules and releases the handle.
  EXPECT_TRUE(Drop({want[0], want[0]}));
  EXPECT_EQ(Form->Candidates().Count(), 8);
  EXPECT_EQ(Form->Candidates().Paths()[6], want[0]);
  EXPECT_EQ(Form->Candidates().Paths()[7], want[0]);
  Form->SelectCandidate(0);
  EXPECT_TRUE(Drop({hidden}));
  EXPECT_FALSE(IsWindowEnabled(Form->DelBtn->Handle()));
}

TEST_F(ListEditDrop, TheListGrowsTo73AtMost) {
  const std::string pic = TempFile("P.BMP");
  for (int i = 0; i < 70; ++i) Form->AddCandidate(pic);
  std::vector<std::string> five;
  for (int i = 0; i < 5; ++i) five.push_back(TempFile("N" + std::to_string(i) + ".BMP"));
  EXPECT_TRUE(Drop(five));
  ASSERT_EQ(Form->Candidates().Count(), 73);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Form->Candidates().Paths()[std::size_t(70 + i)], five[std::size_t(i)]);
  EXPECT_TRUE(Drop({five[3]}));
  EXPECT_EQ(Form->Candidates().Count(), 73);
}

TEST_F(ListEditDrop, ADropUpdatesTheRulesAndAppendsEvenWithNoWallpaperStyle) {
  ASSERT_FALSE(IsWindowEnabled(Form->ClrBtn->Handle()));
  const std::string pic = TempFile("A.BMP");
  EXPECT_TRUE(Drop({pic}));
  EXPECT_TRUE(IsWindowEnabled(Form->ClrBtn->Handle()));

  Form->DispType->SetItemIndex(0);
  ASSERT_FALSE(IsWindowEnabled(Form->ListBox->Handle()));
  EXPECT_TRUE(Drop({pic}));
  EXPECT_EQ(Form->Candidates().Count(), 2);
  EXPECT_FALSE(IsWindowEnabled(Form->ClrBtn->Handle()));
}

TEST_F(ListEditDrop, ANameTooLongForTheBufferIsSkippedNotCut) {
  // The first 255 bytes of the long name name a real bitmap file: cutting the
  // long name would list that file instead.
  const std::string dir = TempDir() + "\\";
  const std::size_t stem = 255 - dir.size() - 4;
  ASSERT_LT(stem, 255u);
  const std::string fits = TempFile(std::string(stem, 'A') + ".bmp", "");
  ASSERT_EQ(fits.size(), 255u);
  const std::string tooLong = fits + "X.bmp";
  EXPECT_TRUE(Drop({tooLong, fits}));
  ASSERT_EQ(Form->Candidates().Count(), 1);
  EXPECT_EQ(Form->Candidates().Paths()[0], fits);
}

TEST_F(ListEditDrop, RemovingOneOrAllEntries) {
  const std::string a = TempFile("A.BMP"), b = TempFile("B.BMP"), c = TempFile("C.BMP");
  ASSERT_TRUE(Drop({a, b, c}));
  const std::string before = Form->BmpInfo->Caption();

  // Nothing selected: "選択画像" does nothing.
  Form->DelBtnClick(nullptr);
  EXPECT_EQ(Form->Candidates().Count(), 3);
  EXPECT_EQ(Form->BmpInfo->Caption(), before);

  Form->SelectCandidate(1);
  Form->DelBtnClick(nullptr);
  EXPECT_EQ(Items(), (std::vector<std::string>{a, c}));
  EXPECT_EQ(Form->Candidates().Selected(), -1);
  EXPECT_EQ(Form->BmpInfo->Caption(), " ");
  EXPECT_TRUE(IsWindowEnabled(Form->DelBtn->Handle()));

  Form->BmpInfo->SetCaption("x");
  Form->ClrBtnClick(nullptr);
  EXPECT_EQ(Form->Candidates().Count(), 0);
  EXPECT_EQ(Form->BmpInfo->Caption(), " ");
  EXPECT_FALSE(IsWindowEnabled(Form->ClrBtn->Handle()));

  // "全て" on an empty list changes nothing at all.
  Form->BmpInfo->SetCaption("x");
  Form->ClrBtnClick(nullptr);
  EXPECT_EQ(Form->BmpInfo->Caption(), "x");
  EXPECT_TRUE(Boxes.empty());
}

TEST_F(ListEditDrop, TheListBoxKeepsItsTopLineAndOnlyAUsersSelectionPreviews) {
  std::vector<std::string> pics;
  for (int i = 0; i < 30; ++i) pics.push_back(TempFile("P" + std::to_string(i) + ".BMP", testpics::Bmp24(4, 4, 0, 0)));
  ASSERT_TRUE(Drop(pics));
  const HWND list = Form->ListBox->Handle();
  SendMessageA(list, LB_SETTOPINDEX, 10, 0);  // the user scrolls down

  testpics::UserSelects(Form->ListBox, 12);
  EXPECT_EQ(Form->Candidates().Selected(), 12);
  EXPECT_EQ(Form->BmpInfo->Caption(), "原寸＝4×4");
  Form->DelBtnClick(nullptr);
  EXPECT_EQ(Form->Candidates().Count(), 29);
  EXPECT_EQ(Form->Candidates().Paths()[12], pics[13]);
  EXPECT_EQ(SendMessageA(list, LB_GETTOPINDEX, 0, 0), 10);

  // A selection from code scrolls it into view and previews nothing.
  Form->BmpInfo->SetCaption("x");
  Form->SelectCandidate(25);
  EXPECT_EQ(Form->BmpInfo->Caption(), "x");
  const LRESULT top = SendMessageA(list, LB_GETTOPINDEX, 0, 0);
  RECT item{};
  SendMessageA(list, LB_GETITEMRECT, 25, LPARAM(&item));
  RECT client{};
  GetClientRect(list, &client);
  EXPECT_LE(top, 25);
  EXPECT_LE(item.bottom, client.bottom);
}

namespace {
WNDPROC gListBoxProc = nullptr;
// A list box with no room left for a line.
LRESULT CALLBACK RefusingListBox(HWND w, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == LB_ADDSTRING) return LB_ERRSPACE;
  return CallWindowProcA(gListBoxProc, w, msg, wParam, lParam);
}
}  // namespace

TEST_F(ListEditDrop, ALineTheListBoxRefusesJoinsNoListAndTheApplicationWindowLetsDropsGo) {
  CreateForm();
  const std::string a = TempFile("a.bmp"), b = TempFile("b.bmp");
  HWND list = Form->ListBox->Handle();
  gListBoxProc = WNDPROC(SetWindowLongPtrA(list, GWLP_WNDPROC, LONG_PTR(RefusingListBox)));
  SendMessageA(Form->Handle(), WM_DROPFILES, WPARAM(MakeDrop({a})), 0);
  SetWindowLongPtrA(list, GWLP_WNDPROC, LONG_PTR(gListBoxProc));
  ASSERT_TRUE(OneBox("行を挿入できません."));
  EXPECT_TRUE(Form->Candidates().Paths().empty());  // and the list box shows none (checked at the end)
  // Dropped on the application window, files are let go and listed nowhere.
  HDROP drop = MakeDrop({b});
  SendMessageA(App->Handle(), WM_DROPFILES, WPARAM(drop), 0);
  EXPECT_EQ(GlobalSize(drop), 0u) << "the drop handle was released";
  EXPECT_TRUE(Form->Candidates().Paths().empty());
}
