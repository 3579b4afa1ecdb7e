// Control state rules and the window's commands.
#include "window/Unit1.h"
#include "ui/Host.h"
#include "base/Kinds.h"
#include "window/ControlRules.h"

void TForm1::UpdateControls() {
  sorvane::TRuleInput in;
  in.Style = DisplayStyle();
  in.Origin = SetBase->Checked();
  in.AutoChange = AutoChg->Checked();
  in.Order = ChangeOrder();
  in.Count = Candidates().Count();
  in.Selected = Candidates().Selected();
  const sorvane::TControlState s = sorvane::DecideControls(in);

  // Block 1: display style. A check mark cleared here runs the rules again at
  // once, nested, as a click does; that run ends in this same state.
  ListBox->SetEnabled(s.ListEnabled);
  if (s.Deselect) {
    SelectCandidate(-1);
    ClearPreview();
  }
  DelBtn->SetEnabled(s.DelEnabled);
  ClrBtn->SetEnabled(s.ClrEnabled);
  SetBase->SetChecked(s.SetBaseChecked);
  SetBase->SetEnabled(s.SetBaseEnabled);
  AutoChg->SetChecked(s.AutoChgChecked);
  AutoChg->SetEnabled(s.AutoChgEnabled);

  // Block 2: origin.
  const COLORREF bracket = s.OriginOn ? clWindowText : clInactiveCaption;
  LKakko->SetFontColor(bracket);
  if (!s.OriginOn) OrgX->SetText("0");
  OrgX->SetEnabled(s.OriginOn);
  Kanma->SetFontColor(bracket);
  if (!s.OriginOn) OrgY->SetText("0");
  OrgY->SetEnabled(s.OriginOn);
  RKakko->SetFontColor(bracket);

  // Block 3: automatic change.
  TabConfig->SetEnabled(s.ConfigEnabled);
  ChgMode->SetEnabled(s.ConfigEnabled);
  FreqView->SetEnabled(s.ConfigEnabled);
  Freq->SetEnabled(s.ConfigEnabled);
  PopSend->SetEnabled(s.PopSendEnabled);
  PopRew->SetEnabled(s.PopRewEnabled);
  PopPause->SetEnabled(s.PopPauseEnabled);
}

void TForm1::SetBaseClick(TObject*) { UpdateControls(); }
void TForm1::AutoChgClick(TObject*) { UpdateControls(); }
void TForm1::DispTypeClick(TObject*) {
  // A style the user chooses is written as chosen.
  StyleAsLoaded.reset();
  UpdateControls();
}

void TForm1::GoToTray() {
  ClearPreview();
  Host->Minimize();
  TaskBar->SetEnableTaskBar(false);
  UpdateTips();
}

void TForm1::FormPaint(TObject*) {
  if (Painted) return;
  GoToTray();
  Painted = true;
}

void TForm1::TaskBarTrayClick(TMouseButton button) {
  if (button != mbLeft) return;
  PageControl->SetActivePageIndex(0);
  Host->Restore();
  TaskBar->SetEnableTaskBar(true);
  // An open window another program covers comes to the front: the shell
  // lets the program whose icon was clicked take the foreground.
  if (IsVisible()) Show();
}

void TForm1::BtnOKClick(TObject*) {
  SetFreq(Freq->Position());
  FreqMin = Freq->Position();
  SaveSettings();
  Schedule.TakeSelection(ChangeOrder(), Candidates().Selected());
  Timer->SetEnabled(AutoChg->Checked());
  UpdateControls();
  GoToTray();
}

void TForm1::BtnCancelClick(TObject*) {
  ClearCandidates();
  LoadSettings();
  GoToTray();
}

void TForm1::ColChgBtnClick(TObject*) {
  if (ColorDialog->Execute()) ColorView->SetColor(ColorDialog->Color);
}
