// The main window as the form description builds it: places, sizes,
// captions, fonts, first values, tab order and the frame.
#include "Fixture.h"

namespace {

struct Place {
  const char* Name;
  int Left, Top, Width, Height;
};

RECT ChildRect(HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

}  // namespace

class FormLayout : public SorvaneTest {
 protected:
  void SetUp() override {
    RemoveIni();
    CreateForm();
  }
};

TEST_F(FormLayout, WindowedControlsStandWhereTheDescriptionPutsThem) {
  const Place places[] = {
      {"BtnOK", 8, 280, 97, 33},       {"BtnCancel", 8, 328, 97, 33},  {"BtnQuit", 8, 376, 97, 33},
      {"PageControl", 112, 8, 409, 409}, {"ListBox", 16, 16, 369, 113}, {"DelBtn", 216, 136, 97, 25},
      {"ClrBtn", 328, 136, 57, 25},    {"DispType", 8, 176, 121, 113}, {"SetBase", 16, 296, 153, 17},
      {"OrgX", 40, 328, 57, 17},       {"OrgY", 120, 328, 57, 17},     {"ColorView", 144, 216, 49, 21},
      {"ColChgBtn", 144, 248, 49, 25}, {"AutoChg", 248, 344, 105, 17}, {"ChgMode", 24, 32, 137, 73},
      {"Freq", 40, 248, 160, 20},      {"FreqView", 88, 216, 65, 23},  {"Panel1", 16, 24, 369, 209},
  };
  for (const Place& p : places) {
    TWinControl* c = nullptr;  // every one is windowed
    for (TComponent* owned : Form->Components())
      if (owned->Name() == p.Name) c = static_cast<TWinControl*>(owned);
    ASSERT_NE(c, nullptr) << p.Name;
    ASSERT_NE(c->Handle(), nullptr) << p.Name;
    const RECT r = ChildRect(c->Handle());
    EXPECT_EQ(r.left, p.Left) << p.Name;
    EXPECT_EQ(r.top, p.Top) << p.Name;
    EXPECT_EQ(r.right - r.left, p.Width) << p.Name;
    EXPECT_EQ(r.bottom - r.top, p.Height) << p.Name;
  }
}

TEST_F(FormLayout, ClientAreaIsFixedAndTheFrameHasNoButtons) {
  RECT r;
  GetClientRect(Form->Handle(), &r);
  EXPECT_EQ(r.right, 529);
  EXPECT_EQ(r.bottom, 422);
  const LONG_PTR style = GetWindowLongPtrA(Form->Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_FALSE(style & WS_SYSMENU);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_EQ(GetWindow(Form->Handle(), GW_OWNER), App->Handle());
  char caption[64] = {};
  GetWindowTextA(Form->Handle(), caption, sizeof caption);
  EXPECT_STREQ(caption, "Sorvane");
  // The application window's system menu offers neither Size nor Maximize.
  HMENU sys = GetSystemMenu(App->Handle(), FALSE);
  ASSERT_NE(sys, nullptr);
  EXPECT_EQ(GetMenuState(sys, SC_SIZE, MF_BYCOMMAND), UINT(-1));
  EXPECT_EQ(GetMenuState(sys, SC_MAXIMIZE, MF_BYCOMMAND), UINT(-1));
  EXPECT_NE(GetMenuState(sys, SC_MINIMIZE, MF_BYCOMMAND), UINT(-1));
  RECT app;
  GetWindowRect(App->Handle(), &app);
  EXPECT_EQ(app.right - app.left, 0);
  EXPECT_EQ(app.bottom - app.top, 0);
}

TEST_F(FormLayout, CaptionsAndFirstValues) {
  EXPECT_EQ(Form->BtnOK->Caption(), "実行(&X)");
  EXPECT_EQ(Form->BtnCancel->Caption(), "取消(&C)");
  EXPECT_EQ(Form->BtnQuit->Caption(), "終了(&Q)");
  EXPECT_EQ(Form->PageControl->PageCount(), 3);
  EXPECT_EQ(Form->TabList->Caption(), "壁紙候補　");
  EXPECT_EQ(Form->TabConfig->Caption(), "自動変更の設定　");
  EXPECT_EQ(Form->TabAbout->Caption(), "主張箱　");
  EXPECT_EQ(Form->PageControl->ActivePageIndex(), 0);
  EXPECT_EQ(Form->DispType->ItemCount(), 4);
  EXPECT_EQ(Form->ChgMode->ItemCount(), 2);
  EXPECT_EQ(Form->Freq->Min(), 1);
  EXPECT_EQ(Form->Freq->Max(), 1440);
  EXPECT_EQ(Form->ColorView->Text(), "　");
  EXPECT_FALSE(Form->ColorView->Enabled());
  EXPECT_FALSE(Form->ColorView->TabStop());
  EXPECT_EQ(Form->Label2->Caption(), "候補から除外");
  EXPECT_EQ(Form->Label5->Caption(), "Sorvane");
  EXPECT_EQ(Form->Label9->Caption(), "version 3.02");
  EXPECT_FALSE(Form->Timer->Enabled());
  EXPECT_EQ(Form->Timer->Interval(), 60000u);
  ASSERT_EQ(Form->PopMenu->Count(), 6);
  const char* items[] = {"次の画像", "前の画像", "-", "タイマー停止", "-", "終了"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(Form->PopMenu->Item(i)->Caption(), items[i]);
}

TEST_F(FormLayout, GraphicControlsAndFonts) {
  EXPECT_EQ(Form->ImgView->Left(), 216);
  EXPECT_EQ(Form->ImgView->Width(), 169);
  EXPECT_EQ(Form->ImgView->Height(), 113);
  EXPECT_EQ(Form->BmpInfo->Font().Height, 13);
  EXPECT_EQ(Form->BtnOK->Font().Height, 18);
  EXPECT_EQ(Form->BtnOK->Font().Style, fsBold);
  EXPECT_STREQ(Form->Label5->Font().Face, "ＭＳ 明朝");
  EXPECT_EQ(Form->Label5->Font().Color, RGB(255, 255, 0));
  EXPECT_EQ(Form->Panel1->Color(), RGB(128, 128, 128));
}

TEST_F(FormLayout, TabOrderOfTheCandidatePage) {
  // Z-order of the page's windows is the tab order.
  std::vector<HWND> order;
  for (HWND w = GetWindow(Form->TabList->Handle(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) order.push_back(w);
  const std::vector<HWND> expected = {Form->ListBox->Handle(), Form->DelBtn->Handle(), Form->ClrBtn->Handle(),
                                      Form->DispType->Handle(), Form->ColChgBtn->Handle(), Form->SetBase->Handle(),
                                      Form->OrgX->Handle(), Form->OrgY->Handle(), Form->AutoChg->Handle(),
                                      Form->ColorView->Handle()};
  EXPECT_EQ(order, expected);
}

// A window that the program did not make is never taken for one of its
// controls, whatever its user data holds: its click reaches no control.
TEST_F(FormLayout, AWindowNotMadeByTheProgramIsNoControl) {
  const HWND stranger =
      CreateWindowExA(0, "BUTTON", "", WS_CHILD, 0, 0, 8, 8, Form->Handle(), nullptr, nullptr, nullptr);
  SetWindowLongPtrA(stranger, GWLP_USERDATA, LONG_PTR(static_cast<TWinControl*>(Form->DispType->Button(3))));
  ASSERT_NE(Form->DispType->ItemIndex(), 3);
  SendMessageA(Form->Handle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), LPARAM(stranger));
  EXPECT_NE(Form->DispType->ItemIndex(), 3);
  DestroyWindow(stranger);
}
