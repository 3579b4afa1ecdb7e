// The control state rules: each row of the resulting-state table in the real
// window, and the "選択画像" position-0 rule.
#include <initializer_list>

#include "Fixture.h"
#include "tests/host/ControlRulesTable.h"

namespace {

bool On(TWinControl* c) { return IsWindowEnabled(c->Handle()) != 0; }

// One field of the state, shown by several controls that must agree.
bool Shown(const char* field, std::initializer_list<bool> facets) {
  for (bool f : facets) {
    EXPECT_EQ(f, *facets.begin()) << field;
  }
  return *facets.begin();
}

}  // namespace

class CommandsRules : public SorvaneTest {
 protected:
  void SetUp() override {
    RemoveIni();
    SetDesktopValue("Wallpaper", "");
    CreateForm();
  }
  // The state the window shows, read from its controls; the origin typed
  // before is "12", "-34".
  sorvane::TControlState Read(std::int32_t selectedBefore) {
    sorvane::TControlState s;
    s.ListEnabled = On(Form->ListBox);
    const bool blank = Form->BmpInfo->Caption() == " ";
    s.Deselect = blank && Form->Candidates().Selected() == -1;
    EXPECT_TRUE(s.Deselect || (!blank && Form->Candidates().Selected() == selectedBefore))
        << "the selection and the preview are both cleared or both kept";
    s.DelEnabled = On(Form->DelBtn);
    s.ClrEnabled = On(Form->ClrBtn);
    s.SetBaseChecked = Shown("SetBase", {Form->SetBase->Checked(),
                                         SendMessageA(Form->SetBase->Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED});
    s.SetBaseEnabled = On(Form->SetBase);
    s.AutoChgChecked = Shown("AutoChg", {Form->AutoChg->Checked(),
                                         SendMessageA(Form->AutoChg->Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED});
    s.AutoChgEnabled = On(Form->AutoChg);
    const bool kept = Form->OrgX->Text() == "12" && Form->OrgY->Text() == "-34";
    const bool zero = Form->OrgX->Text() == "0" && Form->OrgY->Text() == "0";
    s.OriginOn = Shown("origin", {On(Form->OrgX), On(Form->OrgY), kept, !zero});
    for (TLabel* bracket : {Form->LKakko, Form->Kanma, Form->RKakko})
      Shown(bracket->Name().c_str(), {s.OriginOn, bracket->Font().Color == clWindowText,
                                      bracket->Font().Color != clInactiveCaption});
    s.ConfigEnabled = Shown("config", {On(Form->TabConfig), On(Form->ChgMode), On(Form->ChgMode->Button(0)),
                                       On(Form->FreqView), On(Form->Freq)});
    s.PopSendEnabled = Form->PopSend->Enabled();
    const UINT rew = GetMenuState(Form->PopMenu->Handle(), 1, MF_BYPOSITION);
    s.PopRewEnabled = Shown("PopRew", {Form->PopRew->Enabled(), (rew & MF_GRAYED) == 0});
    s.PopPauseEnabled = Form->PopPause->Enabled();
    return s;
  }
};

TEST_F(CommandsRules, ResultingStateForEveryStyleOriginAndAutomaticChange) {
  for (const rules_table::TRow& row : rules_table::kRows) {
    const sorvane::TRuleInput& in = row.In;
    SCOPED_TRACE(rules_table::Describe(in));
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
