// The main window as the form description builds it: places, sizes,
// captions, fonts, first values, tab order and the frame.
#include "Fixture.h"

namespace {

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

TEST_F(FormLayout, WindowedControlsLieWithinTheirPagesWithoutOverlapping) {
  const char* names[] = {"BtnOK",    "BtnCancel", "BtnQuit", "PageControl", "ListBox",   "DelBtn",
                         "ClrBtn",   "DispType",  "SetBase", "OrgX",        "OrgY",      "ColorView",
                         "ColChgBtn", "AutoChg",  "ChgMode", "Freq",        "FreqView",  "Panel1"};
  std::vector<HWND> placed;
  for (const char* name : names) {
    auto* c = dynamic_cast<TWinControl*>(Form->FindComponent(name));
    ASSERT_NE(c, nullptr) << name;
    ASSERT_NE(c->Handle(), nullptr) << name;
    const RECT r = ChildRect(c->Handle());
    RECT parent, inside;
    GetClientRect(GetParent(c->Handle()), &parent);
    EXPECT_FALSE(IsRectEmpty(&r)) << name;
    EXPECT_TRUE(IntersectRect(&inside, &r, &parent) && EqualRect(&inside, &r)) << name << " is cut off";
    for (HWND other : placed) {
      const RECT o = ChildRect(other);
      EXPECT_FALSE(GetParent(other) == GetParent(c->Handle()) && IntersectRect(&inside, &r, &o)) << name;
    }
    placed.push_back(c->Handle());
  }
  // The three commands stand in a column left of the pages, in order.
  const RECT ok = ChildRect(Form->BtnOK->Handle()), cancel = ChildRect(Form->BtnCancel->Handle()),
             quit = ChildRect(Form->BtnQuit->Handle()), pages = ChildRect(Form->PageControl->Handle());
  EXPECT_EQ(ok.left, cancel.left);
  EXPECT_EQ(ok.left, quit.left);
  EXPECT_LT(ok.top, cancel.top);
  EXPECT_LT(cancel.top, quit.top);
  EXPECT_LT(ok.right, pages.left);
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
