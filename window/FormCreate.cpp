// The creation handler: the start-up steps of the main window, in order.
#include "window/Unit1.h"
#include "base/Platform.h"
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
  // Run elevated, a drop from Explorer still arrives: the shell's drag and
  // drop sends these three (0x0049: WM_COPYGLOBALDATA, in no header).
  for (const UINT message : {UINT(WM_DROPFILES), UINT(WM_COPYDATA), UINT(0x0049)})
    sorvane::Platform().AllowMessage(Handle(), message);
  IniName = sorvane::IniNameFromModule();
  MinCount = 0;
  LoadSettings();
  MinCount = 0;
  Timer->SetEnabled(AutoChg->Checked());
  Paused = false;
  Painted = false;
}
