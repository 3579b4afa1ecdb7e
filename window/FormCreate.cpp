// The creation handler: the start-up steps of the main window, in order.
#include "window/Unit1.h"
#include "ui/Host.h"
#include "changer/LocaleTime.h"
#include "changer/Random.h"
#include "settings/IniName.h"

void TForm1::FormCreate(TObject*) {
  sorvane::Randomize();
  sorvane::ReadShortTimeFormat();
  TNotifyEvent reread;
  reread.Code = [](void*, TObject*) { sorvane::ReadShortTimeFormat(); };
  Host->OnSettingChange = reread;
  DragAcceptFiles(Handle(), TRUE);
  DragAcceptFiles(Host->Handle(), TRUE);
  IniName = sorvane::IniNameFromModule();
  MinCount = 0;
  LoadSettings();
  MinCount = 0;
  Timer->SetEnabled(AutoChg->Checked());
  Paused = false;
  Painted = false;
}
