// The control state rules: every display style with both check marks and
// both orders, and the "選択画像" position-0 rule.
#include "Fixture.h"

namespace {

bool On(TWinControl* c) { return IsWindowEnabled(c->Handle()) != 0; }

}  // namespace

class CommandsRules : public SorvaneTest {
 protected:
  void SetUp() override {
    RemoveIni();
    SetDesktopValue("Wallpaper", "");
    CreateForm();
  }
};

TEST_F(CommandsRules, ResultingStateForEveryStyleOriginAndAutomaticChange) {
  for (int style = 0; style < 4; ++style)
    for (int setBase = 0; setBase < 2; ++setBase)
      for (int autoChg = 0; autoChg < 2; ++autoChg)
        for (int order = 0; order < 2; ++order) {
          SCOPED_TRACE("style " + std::to_string(style) + " SetBase " + std::to_string(setBase) + " AutoChg " +
                       std::to_string(autoChg) + " order " + std::to_string(order));
          // Start from an open state with an origin typed in and a selection.
          Form->DispType->SetItemIndex(1);
          Form->ClearCandidates();
          Form->AddCandidate("C:\\A.BMP");
          Form->AddCandidate("C:\\B.BMP");
          Form->SelectCandidate(1);
          Form->SetBase->SetChecked(false);
          Form->AutoChg->SetChecked(false);
          Form->ChgMode->SetItemIndex(order);
          Form->SetBase->SetChecked(true);
          Form->OrgX->SetText("12");
          Form->OrgY->SetText("-34");
          Form->SetBase->SetChecked(setBase != 0);
          Form->AutoChg->SetChecked(autoChg != 0);
          Form->DispType->SetItemIndex(style);  // its click runs the rules

          const bool none = style == 0;
          const bool origin = !none && setBase;
          const bool automatic = !none && autoChg;
          // Which controls take input; the last four are never touched by the rules.
          const std::pair<TWinControl*, bool> enabled[] = {
              {Form->ListBox, !none},      {Form->DelBtn, !none},
              {Form->ClrBtn, !none},       {Form->SetBase, style == 1},
              {Form->OrgX, origin},        {Form->OrgY, origin},
              {Form->AutoChg, !none},      {Form->TabConfig, automatic},
              {Form->ChgMode, automatic},  {Form->ChgMode->Button(0), automatic},
              {Form->FreqView, automatic}, {Form->Freq, automatic},
              {Form->BtnOK, true},         {Form->BtnCancel, true},
              {Form->ColChgBtn, true},     {Form->ColorView, false}};
          for (const auto& [control, on] : enabled) EXPECT_EQ(On(control), on) << control->Name();
          EXPECT_EQ(Form->Candidates().Selected(), none ? -1 : 1);
          EXPECT_EQ(Form->SetBase->Checked(), origin);
          EXPECT_EQ(SendMessageA(Form->SetBase->Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED, origin);
          EXPECT_EQ(Form->OrgX->Text(), origin ? "12" : "0");
          EXPECT_EQ(Form->OrgY->Text(), origin ? "-34" : "0");
          for (TLabel* bracket : {Form->LKakko, Form->Kanma, Form->RKakko})
            EXPECT_EQ(bracket->Font().Color, origin ? clWindowText : clInactiveCaption) << bracket->Name();
          EXPECT_EQ(Form->AutoChg->Checked(), automatic);
          EXPECT_EQ(Form->PopSend->Enabled(), automatic);
          EXPECT_EQ(Form->PopPause->Enabled(), automatic);
          EXPECT_EQ(Form->PopRew->Enabled(), automatic && order == 0);
          const UINT rew = GetMenuState(Form->PopMenu->Handle(), 1, MF_BYPOSITION);
          EXPECT_EQ((rew & MF_GRAYED) == 0, automatic && order == 0);
          EXPECT_TRUE(Form->PopQuit->Enabled());
          EXPECT_EQ(Form->ChgMode->ItemIndex(), order);
          EXPECT_EQ(Form->DispType->ItemIndex(), style);
        }
  EXPECT_FALSE(Form->Timer->Enabled());
  EXPECT_TRUE(Boxes.empty());
}

TEST_F(CommandsRules, NoWallpaperClearsThePreviewAndKeepsTheTimer) {
  Form->DispType->SetItemIndex(1);
  Form->AutoChg->SetChecked(true);
  Form->Timer->SetEnabled(true);
  Form->BmpInfo->SetCaption("原寸＝1×1");
  Form->DispType->SetItemIndex(0);
  EXPECT_EQ(Form->BmpInfo->Caption(), " ");
  EXPECT_EQ(Form->ImgView->Picture().Kind(), TGraphicKind::Bitmap);
  EXPECT_FALSE(Form->AutoChg->Checked());
  EXPECT_TRUE(Form->Timer->Enabled());
}

TEST_F(CommandsRules, DeleteButtonFollowsPositionZeroNotNoSelection) {
  Form->DispType->SetItemIndex(1);
  Form->AddCandidate("C:\\A.BMP");
  Form->AddCandidate("C:\\B.BMP");
  Form->UpdateControls();
  EXPECT_TRUE(On(Form->DelBtn)) << "no selection";
  EXPECT_TRUE(On(Form->ClrBtn));

  Form->SelectCandidate(0);
  Form->SetBase->SetChecked(true);  // a click on SetBase runs the rules
  EXPECT_FALSE(On(Form->DelBtn)) << "first entry selected";

  // A later selection leaves the button as it is until the rules run again.
  Form->SelectCandidate(1);
  EXPECT_FALSE(On(Form->DelBtn));
  Form->AutoChg->SetChecked(true);
  EXPECT_TRUE(On(Form->DelBtn));

  // Setting a check mark to the value it has runs nothing.
  Form->SelectCandidate(0);
  Form->AutoChg->SetChecked(true);
  EXPECT_TRUE(On(Form->DelBtn));

  Form->ClearCandidates();
  Form->UpdateControls();
  EXPECT_FALSE(On(Form->ClrBtn));
  EXPECT_TRUE(On(Form->DelBtn));
}

TEST_F(CommandsRules, OtherStylesKeepTheOriginWhileDisablingItsCheckBox) {
  Form->DispType->SetItemIndex(1);
  Form->SetBase->SetChecked(true);
  Form->OrgX->SetText("5");
  Form->DispType->SetItemIndex(2);
  EXPECT_FALSE(On(Form->SetBase));
  EXPECT_TRUE(Form->SetBase->Checked());
  EXPECT_TRUE(On(Form->OrgX));
  EXPECT_EQ(Form->OrgX->Text(), "5");
  // Unchecking puts "0" back at once.
  Form->DispType->SetItemIndex(1);
  Form->SetBase->SetChecked(false);
  EXPECT_EQ(Form->OrgX->Text(), "0");
  EXPECT_FALSE(On(Form->OrgX));
}
