// The control state rules: each row of the resulting-state table in the real
// window, and the "選択画像" position-0 rule.
#include "Fixture.h"
#include "tests/host/ControlRulesTable.h"

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
  // The state the window shows. The controls that show one field agree; the
  // origin typed before ("12", "-34") is kept or "0".
  sorvane::TControlState Read(std::int32_t selectedBefore) {
    const bool blank = Form->BmpInfo->Caption() == " ", origin = On(Form->OrgX), config = On(Form->TabConfig);
    EXPECT_EQ(Form->Candidates().Selected(), blank ? -1 : selectedBefore) << "cleared with the preview";
    EXPECT_EQ(On(Form->OrgY), origin);
    EXPECT_EQ(Form->OrgX->Text() + " " + Form->OrgY->Text(), origin ? "12 -34" : "0 0");
    for (TLabel* l : {Form->LKakko, Form->Kanma, Form->RKakko})
      EXPECT_EQ(l->Font().Color, origin ? clWindowText : clInactiveCaption) << l->Name();
    TWinControl* const configs[] = {Form->ChgMode, Form->ChgMode->Button(0), Form->FreqView, Form->Freq};
    for (TWinControl* c : configs) EXPECT_EQ(On(c), config) << c->Name();
    for (TCheckBox* box : {Form->SetBase, Form->AutoChg})
      EXPECT_EQ(SendMessageA(box->Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED, box->Checked()) << box->Name();
    const UINT rew = GetMenuState(Form->PopMenu->Handle(), 1, MF_BYPOSITION);
    EXPECT_EQ((rew & MF_GRAYED) == 0, Form->PopRew->Enabled());
    return {.ListEnabled = On(Form->ListBox), .Deselect = blank, .DelEnabled = On(Form->DelBtn),
            .ClrEnabled = On(Form->ClrBtn), .SetBaseChecked = Form->SetBase->Checked(),
            .SetBaseEnabled = On(Form->SetBase), .AutoChgChecked = Form->AutoChg->Checked(),
            .AutoChgEnabled = On(Form->AutoChg), .OriginOn = origin, .ConfigEnabled = config,
            .PopSendEnabled = Form->PopSend->Enabled(), .PopRewEnabled = Form->PopRew->Enabled(),
            .PopPauseEnabled = Form->PopPause->Enabled()};
  }
};

TEST_F(CommandsRules, ResultingStateForEveryStyleOriginAndAutomaticChange) {
  for (const rules_table::TRow& row : rules_table::kRows) {
    const sorvane::TRuleInput& in = row.In;
    SCOPED_TRACE("row " + std::to_string(&row - rules_table::kRows));
    // Reach the row from another style, with an origin typed in: the last
    // step is the user's choice of the row's style, whose click runs the rules.
    Form->DispType->SetItemIndex(in.Style == sorvane::dsCenter ? sorvane::dsTile : sorvane::dsCenter);
    Form->ClearCandidates();
    for (int i = 0; i < in.Count; ++i) Form->AddCandidate("C:\\" + std::to_string(i) + ".BMP");
    Form->SelectCandidate(in.Selected);
    Form->SetBase->SetChecked(false);
    Form->AutoChg->SetChecked(false);
    Form->ChgMode->SetItemIndex(in.Order);
    Form->SetBase->SetChecked(true);
    Form->OrgX->SetText("12");
    Form->OrgY->SetText("-34");
    Form->SetBase->SetChecked(in.Origin);
    EXPECT_TRUE(in.Origin || Form->OrgX->Text() == "0") << "unchecking puts 0 back at once";
    Form->AutoChg->SetChecked(in.AutoChange);
    Form->BmpInfo->SetCaption("原寸＝1×1");
    Form->DispType->SetItemIndex(in.Style);

    EXPECT_EQ(rules_table::Words(Read(in.Selected)), row.Want);
    // Never touched by the rules.
    for (TWinControl* c : {Form->BtnOK, Form->BtnCancel, Form->ColChgBtn}) EXPECT_TRUE(On(c)) << c->Name();
    EXPECT_FALSE(On(Form->ColorView));
    EXPECT_TRUE(Form->PopQuit->Enabled());
    EXPECT_EQ(Form->ChgMode->ItemIndex(), in.Order);
    EXPECT_EQ(Form->DispType->ItemIndex(), in.Style);
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
  EXPECT_TRUE(Form->Timer->Enabled());
}

TEST_F(CommandsRules, DeleteButtonFollowsPositionZeroNotNoSelection) {
  Form->DispType->SetItemIndex(1);
  Form->AddCandidate("C:\\A.BMP");
  Form->AddCandidate("C:\\B.BMP");
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
}
