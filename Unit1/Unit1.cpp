#include "Unit1/Unit1.h"

#include "app/Application.h"
#include "app/WarnBox.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(TComponent* owner) : TForm(owner) {
  Form1 = this;
  SetName("Form1");
  FCaption = "Sorvane";
  ClientWidth = 529;
  ClientHeight = 422;
  SetWindowState(TWindowState::Minimized);
}

void TForm1::Warn(const std::string& text) {
  MessageBeep(0);
  ShowWarnBox(text, false);
}

void TForm1::BtnQuitClick(TObject*) {
  MessageBeep(0);
  if (ShowWarnBox("「Sorvane」を終了します", true) != IDYES) return;
  Timer->SetEnabled(false);
  Application->Terminate();
}

void TForm1::PopQuitClick(TObject* sender) { BtnQuitClick(sender); }
