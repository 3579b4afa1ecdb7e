#include "window/Unit1.h"

#include "ui/Host.h"

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
  Host->WarnBox(text, false);
}

void TForm1::BtnQuitClick(TObject*) {
  MessageBeep(0);
  if (Host->WarnBox("「Sorvane」を終了します", true) != IDYES) return;
  Timer->SetEnabled(false);
  Host->Terminate();
}

void TForm1::PopQuitClick(TObject* sender) { BtnQuitClick(sender); }
