// The preview: bitmaps, icons and metafiles loaded by kind, drawn stretched
// over the whole image, their size under it; failures keep the old picture.
#include "Fixture.h"
#include "ListEditSupport.h"
#include "picture/PictureFile.h"

#include <cstring>
#include <new>

using testpics::Bmp24;
using testpics::Render;
using testpics::UserSelects;

namespace {
std::string gShrinking;  // the file the read hook shortens
}  // namespace

class Preview : public SorvaneTest {
 protected:
  void SetUp() override {
    TestPlatform().FileRead = nullptr;
    RemoveIni();
    SetDesktopValue("Wallpaper", "");
    CreateForm();
    Form->DispType->SetItemIndex(1);
  }
  // Adds the path and selects it as a user would; returns its position.
  int Show(const std::string& path) {
    Form->AddCandidate(path);
    const int at = Form->Candidates().Count() - 1;
    UserSelects(Form->ListBox, at);
    return at;
  }
  std::string Info() const { return Form->BmpInfo->Caption(); }
  static bool IsBtnFace(COLORREF c) {
    HDC screen = GetDC(nullptr);
    const COLORREF want = GetNearestColor(screen, GetSysColor(COLOR_BTNFACE));
    ReleaseDC(nullptr, screen);
    return c == want;
  }
};

TEST_F(Preview, BitmapsAreStretchedOverTheWholeImageWithTheirSize) {
  const COLORREF red = RGB(255, 0, 0), blue = RGB(0, 0, 255);
  Show(TempFile("big.bmp", Bmp24(640, 480, red, blue)));
  EXPECT_TRUE(Boxes.empty());
  EXPECT_EQ(Info(), "原寸＝640×480");
  EXPECT_EQ(Form->ImgView->Picture().Kind(), TGraphicKind::Bitmap);
  testpics::TRendered r = Render(Form->ImgView);
  ASSERT_EQ(r.Width, 169);
  ASSERT_EQ(r.Height, 113);
  EXPECT_EQ(r.At(5, 5), red);
  EXPECT_EQ(r.At(5, 107), red);
  EXPECT_EQ(r.At(163, 5), blue);
  EXPECT_EQ(r.At(163, 107), blue);

  // A small picture is enlarged to the same area, corners included.
  Show(TempFile("small.BMP", Bmp24(32, 32, blue, red)));
  EXPECT_EQ(Info(), "原寸＝32×32");
  r = Render(Form->ImgView);
  EXPECT_EQ(r.At(0, 0), blue);
  EXPECT_EQ(r.At(0, 112), blue);
  EXPECT_EQ(r.At(168, 0), red);
  EXPECT_EQ(r.At(168, 112), red);
  EXPECT_TRUE(Boxes.empty());
}

TEST_F(Preview, ABitmapOfMoreThanOneReadHasEveryByteOfTheFile) {
  // 2400×1300 at 24 bits: 9.4 MB of pixels, read in more than one piece.
  std::string file = Bmp24(2400, 1300, 0, 0);
  for (std::size_t i = 54; i < file.size(); ++i) file[i] = char(i * 7 + i / 4096 + 1);
  const sorvane::TLoadedPicture p = sorvane::LoadPictureFile(TempFile("large.bmp", file));
  ASSERT_TRUE(p.Bitmap);
  DIBSECTION ds{};
  ASSERT_EQ(GetObjectA(p.Bitmap, sizeof ds, &ds), int(sizeof ds));
  EXPECT_EQ(std::memcmp(ds.dsBm.bmBits, file.data() + 54, file.size() - 54), 0);
}

TEST_F(Preview, AnEmptyBitmapFileIsAnEmptyPicture) {
  Show(TempFile("empty.bmp", ""));
  EXPECT_TRUE(Boxes.empty());
  EXPECT_EQ(Info(), "原寸＝0×0");
  EXPECT_EQ(Form->ImgView->Picture().Width(), 0);
  EXPECT_EQ(Form->ImgView->Picture().Height(), 0);
  // Clearing it raises nothing either.
  Form->DelBtnClick(nullptr);
  EXPECT_TRUE(Boxes.empty());
  EXPECT_EQ(Info(), " ");
}

TEST_F(Preview, FailuresGoToTheErrorBoxAndKeepTheOldPicture) {
  Show(TempFile("good.bmp", Bmp24(40, 30, RGB(0, 255, 0), RGB(0, 255, 0))));
  ASSERT_EQ(Info(), "原寸＝40×30");

  struct Case {
    std::string Name, Content, Message;
  };
  std::string truncated = Bmp24(40, 30, 0, 0);
  truncated.resize(truncated.size() - 10);
  // A 4×4 bitmap with header fields changed; the bit count at 28 is followed
  // by a zero compression, so a 32-bit store there changes only the count.
  const auto patched = [](std::initializer_list<std::pair<std::size_t, std::uint32_t>> fields) {
    std::string f = Bmp24(4, 4, 0, 0);
    for (const auto& [at, value] : fields) testpics::Put32(f, at, value);
    return f;
  };
  const std::string bad = "ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です.";
  const Case cases[] = {
      {"notbm.bmp", "PK\x03\x04 this is no bitmap", bad},
      {"one.bmp", "B", bad},
      {"head.bmp", "BM\x10\x00", bad},
      {"trunc.bmp", truncated, bad},
      {"wide.bmp", patched({{18, 0x7FFFFFFF}}), bad},
      {"huge.bmp", patched({{18, 100000}, {22, 100000}}), bad},
      {"offend.bmp", patched({{10, 0xFFFFFF00u}}), bad},           // pixels past the end
      {"offhdr.bmp", patched({{10, 20}}), bad},                    // pixels inside the header
      {"hdrlong.bmp", patched({{14, 0xFFFFFFF0u}}), bad},          // header longer than the file
      {"palette.bmp", patched({{28, 8}, {46, 0x40000000}}), bad},  // 8 bits with a huge palette
      {"zero.bmp", patched({{18, 0}}), bad},
      {"bits.bmp", patched({{28, 7}}), bad},
      {"pic.gif", "GIF89a", "拡張子 .gif の画像形式は処理できません."},
      {"pic.jpeg", "\xFF\xD8", "拡張子 .jpeg の画像形式は処理できません."},
      {"noicon.ico", "not an icon at all, not at all", "ｱｲｺﾝｲﾒｰｼﾞが不正です."},
      {"noemf.emf", std::string(200, 'x'), "ﾒﾀﾌｧｲﾙが不正です."},
      {"nowmf.wmf", std::string(200, 'x'), "ﾒﾀﾌｧｲﾙが不正です."},
  };
  for (const Case& c : cases) {
    Boxes.clear();
    const int at = Show(TempFile(c.Name, c.Content));
    ASSERT_TRUE(OneBox(c.Message, TBoxKind::Error)) << c.Name;
    EXPECT_EQ(Info(), "原寸＝40×30") << c.Name;
    EXPECT_EQ(Form->ImgView->Picture().Width(), 40) << c.Name;
    EXPECT_EQ(Form->Candidates().Paths()[at], TempDir() + "\\" + c.Name) << c.Name;
  }

  // A file that exists but cannot be opened.
  const std::string locked = TempFile("locked.bmp", Bmp24(8, 8, 0, 0));
  HANDLE h = CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  Boxes.clear();
  Show(locked);
  CloseHandle(h);
  ASSERT_TRUE(OneBox("ﾌｧｲﾙ " + locked + " は開けません."));
  EXPECT_EQ(Info(), "原寸＝40×30");

  // Another program shortens the file after its size was taken: the read
  // comes up short, which is refused like a file that cannot be opened
  // (reading past the end of a mapped view would have ended the process).
  const std::string shrinking = TempFile("shrinking.bmp", Bmp24(300, 200, 0, 0));
  TestPlatform().FileRead = [](HANDLE) {
    HANDLE other = CreateFileA(gShrinking.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, 0, nullptr);
    SetFilePointer(other, 100, nullptr, FILE_BEGIN);
    SetEndOfFile(other);
    CloseHandle(other);
  };
  gShrinking = shrinking;
  Boxes.clear();
  Show(shrinking);
  TestPlatform().FileRead = nullptr;
  ASSERT_TRUE(OneBox("ﾌｧｲﾙ " + shrinking + " は開けません."));
  EXPECT_EQ(Info(), "原寸＝40×30");

  // Memory that cannot be had while the file is read is told as such.
  TestPlatform().FileRead = [](HANDLE) { throw std::bad_alloc(); };
  Boxes.clear();
  Show(TempFile("nomemory.bmp", Bmp24(8, 8, 0, 0)));
  TestPlatform().FileRead = nullptr;
  ASSERT_TRUE(OneBox("ﾒﾓﾘが不足しています.", TBoxKind::Error));
  EXPECT_EQ(Info(), "原寸＝40×30");
  EXPECT_EQ(Form->Candidates().Count(), int(std::size(cases)) + 4);
}

TEST_F(Preview, AVanishedFileIsWarnedAboutAndLeavesTheList) {
  const std::string keep = TempFile("keep.bmp", Bmp24(8, 8, 0, 0));
  const std::string gone = TempFile("gone.bmp", Bmp24(8, 8, 0, 0));
  Show(keep);
  Form->AddCandidate(gone);
  Form->AddCandidate(keep);
  DeleteFileA(gone.c_str());
  Boxes.clear();
  UserSelects(Form->ListBox, 1);
  ASSERT_TRUE(OneBox("画像が見つかりません。除外します。", TBoxKind::Warning));
  ASSERT_EQ(Form->Candidates().Count(), 2);
  EXPECT_EQ(Form->Candidates().Paths()[1], keep);
  EXPECT_EQ(Form->Candidates().Selected(), -1);
  EXPECT_EQ(Info(), " ");
  EXPECT_TRUE(IsBtnFace(Render(Form->ImgView).At(84, 56)));

  // A folder is no picture either.
  Form->AddCandidate(TempDir());
  Boxes.clear();
  UserSelects(Form->ListBox, 2);
  ASSERT_TRUE(OneBox("画像が見つかりません。除外します。"));
  EXPECT_EQ(Form->Candidates().Count(), 2);
}

TEST_F(Preview, IconsAndMetafilesShowAndClearToABlankPreview) {
  Show(TempFile("pic.ICO", testpics::Ico32(RGB(0, 0, 255))));
  ASSERT_TRUE(Boxes.empty()) << Boxes[0].Text;
  EXPECT_EQ(Form->ImgView->Picture().Kind(), TGraphicKind::Icon);
  EXPECT_EQ(Info(), "原寸＝32×32");
  EXPECT_EQ(Render(Form->ImgView).At(84, 56), RGB(0, 0, 255));

  // Removing it clears the preview without an error.
  Form->DelBtnClick(nullptr);
  EXPECT_TRUE(Boxes.empty());
  EXPECT_EQ(Form->ImgView->Picture().Kind(), TGraphicKind::Bitmap);
  EXPECT_EQ(Form->ImgView->Picture().Width(), 169);
  EXPECT_EQ(Form->ImgView->Picture().Height(), 113);
  EXPECT_EQ(Info(), " ");
  testpics::TRendered r = Render(Form->ImgView);
  EXPECT_TRUE(IsBtnFace(r.At(0, 0)));
  EXPECT_TRUE(IsBtnFace(r.At(168, 112)));

  // An enhanced metafile and a Windows metafile, both recorded here.
  const std::string emfPath = TempDir() + "\\pic.emf";
  RECT frame{0, 0, 2540, 1270};  // 1 inch by half an inch, in 0.01 mm
  HDC rec = CreateEnhMetaFileA(nullptr, emfPath.c_str(), &frame, nullptr);
  ASSERT_NE(rec, nullptr);
  HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
  RECT fill{0, 0, 1000, 1000};
  FillRect(rec, &fill, green);
  DeleteEnhMetaFile(CloseEnhMetaFile(rec));
  const std::string wmfPath = TempDir() + "\\pic.wmf";
  HDC wrec = CreateMetaFileA(wmfPath.c_str());
  ASSERT_NE(wrec, nullptr);
  FillRect(wrec, &fill, green);
  DeleteMetaFile(CloseMetaFile(wrec));
  DeleteObject(green);

  Show(emfPath);
  ASSERT_TRUE(Boxes.empty()) << Boxes[0].Text;
  EXPECT_EQ(Form->ImgView->Picture().Kind(), TGraphicKind::Metafile);
  EXPECT_GT(Form->ImgView->Picture().Width(), 0);
  EXPECT_EQ(Info().rfind("原寸＝", 0), 0u);
  Form->ClrBtnClick(nullptr);
  EXPECT_TRUE(Boxes.empty());
  EXPECT_EQ(Form->ImgView->Picture().Kind(), TGraphicKind::Bitmap);
  EXPECT_EQ(Info(), " ");

  Show(wmfPath);
  ASSERT_TRUE(Boxes.empty()) << Boxes[0].Text;
  EXPECT_EQ(Form->ImgView->Picture().Kind(), TGraphicKind::Metafile);
  // Going to the tray clears the preview too, and still reaches the tray.
  Form->GoToTray();
  EXPECT_TRUE(Boxes.empty());
  EXPECT_EQ(Form->ImgView->Picture().Kind(), TGraphicKind::Bitmap);
  EXPECT_TRUE(App->IsIconic());
}

TEST_F(Preview, AThousandPreviewsAndClearsLeaveNoGdiObjectsBehind) {
  const std::string bmp = TempFile("cycle.bmp", Bmp24(64, 48, RGB(1, 2, 3), RGB(4, 5, 6)));
  const std::string ico = TempFile("cycle.ico", testpics::Ico32(RGB(9, 9, 9)));
  Form->AddCandidate(bmp);
  Form->AddCandidate(ico);
  auto cycle = [&](int i) {
    UserSelects(Form->ListBox, i % 2);
    Form->ClearPreview();
  };
  for (int i = 0; i < 4; ++i) cycle(i);  // first use of fonts and brushes
  const int freeBefore = testpics::FreeGdiSlots();
  ASSERT_GT(freeBefore, 1000);
  {  // The measure sees objects kept alive.
    HBRUSH kept[5];
    for (HBRUSH& b : kept) b = CreateSolidBrush(0);
    EXPECT_EQ(testpics::FreeGdiSlots(), freeBefore - 5);
    for (HBRUSH b : kept) DeleteObject(b);
  }
  for (int i = 0; i < 1000; ++i) cycle(i);
  const int freeAfter = testpics::FreeGdiSlots();
  EXPECT_TRUE(Boxes.empty());
  EXPECT_EQ(freeAfter, freeBefore);
}
