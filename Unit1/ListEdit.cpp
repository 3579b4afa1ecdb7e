// Candidate list editing and the preview.
#include "Unit1/Unit1.h"

void TForm1::WMDropFiles(HDROP drop) {
  DragFinish(drop);
  UpdateControls();
}

void TForm1::ListBoxClick(TObject*) {}

void TForm1::DelBtnClick(TObject*) {
  if (ListBox->ItemIndex() >= 0) DeleteSelected();
}

void TForm1::ClrBtnClick(TObject*) {
  if (ListBox->Count() == 0) return;
  ListBox->Clear();
  ClearPreview();
  UpdateControls();
}

void TForm1::DeleteSelected() {
  ListBox->Delete(ListBox->ItemIndex());
  ClearPreview();
  UpdateControls();
}

void TForm1::ClearPreview() {
  TPicture& pic = ImgView->Picture();
  if (pic.Empty()) pic.SetBlankBitmap(ImgView->Width(), ImgView->Height());
  pic.FillBitmap(GetSysColor(COLOR_BTNFACE));
  ImgView->Invalidate();
  BmpInfo->SetCaption(" ");
}
