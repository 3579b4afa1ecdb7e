// Control state rules and the window's commands.
#include "window/Unit1.h"
#include "ui/Host.h"
#include "base/Kinds.h"

void TForm1::UpdateControls() {
  // Block 1: display style.
  if (DispType->ItemIndex() == sorvane::dsNone) {
    ListBox->SetEnabled(false);
    SelectCandidate(-1);
    ClearPreview();
    DelBtn->SetEnabled(false);
    ClrBtn->SetEnabled(false);
    SetBase->SetChecked(false);  // runs the rules again, nested
    SetBase->SetEnabled(false);
    AutoChg->SetChecked(false);
    AutoChg->SetEnabled(false);
  } else {
    ListBox->SetEnabled(true);
    DelBtn->SetEnabled(Candidates().Selected != 0);
    ClrBtn->SetEnabled(Candidates().Count() > 0);
    SetBase->SetEnabled(DispType->ItemIndex() == sorvane::dsCenter);
    AutoChg->SetEnabled(true);
  }

  // Block 2: origin.
  const bool origin = SetBase->Checked();
  const COLORREF bracket = origin ? clWindowText : clInactiveCaption;
  LKakko->SetFontColor(bracket);
  if (!origin) OrgX->SetText("0");
  OrgX->SetEnabled(origin);
  Kanma->SetFontColor(bracket);
  if (!origin) OrgY->SetText("0");
  OrgY->SetEnabled(origin);
  RKakko->SetFontColor(bracket);

  // Block 3: automatic change.
  const bool autoChg = AutoChg->Checked();
  TabConfig->SetEnabled(autoChg);
  ChgMode->SetEnabled(autoChg);
  FreqView->SetEnabled(autoChg);
  Freq->SetEnabled(autoChg);
  PopSend->SetEnabled(autoChg);
  PopRew->SetEnabled(autoChg && ChgMode->ItemIndex() == sorvane::coListOrder);
  PopPause->SetEnabled(autoChg);
}

void TForm1::SetBaseClick(TObject*) { UpdateControls(); }
void TForm1::AutoChgClick(TObject*) { UpdateControls(); }
void TForm1::DispTypeClick(TObject*) { UpdateControls(); }

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
}

void TForm1::BtnOKClick(TObject*) {
  SetFreq(Freq->Position());
  FreqMin = Freq->Position();
  SaveSettings();
  Schedule.TakeSelection(sorvane::TChangeOrder(ChgMode->ItemIndex()), Candidates().Selected);
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
