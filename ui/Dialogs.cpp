#include "ui/Dialogs.h"

#include <commdlg.h>

#include <cstring>

#include "ui/Host.h"

TColorDialog::TColorDialog(TComponent* owner) : TComponent(owner) {
  for (COLORREF& c : CustomColors) c = RGB(255, 255, 255);
}

bool TColorDialog::Execute() {
  COLORREF custom[16];
  std::memcpy(custom, CustomColors, sizeof custom);
  CHOOSECOLORA cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = Host->Handle();
  cc.rgbResult = Color;
  cc.lpCustColors = custom;
  cc.Flags = CC_RGBINIT;
  // The chooser's library is loaded on first use only: it is not needed to
  // start, and loading it costs time and memory.
  static auto choose = reinterpret_cast<BOOL(WINAPI*)(LPCHOOSECOLORA)>(
      reinterpret_cast<void*>(GetProcAddress(LoadLibraryA("comdlg32.dll"), "ChooseColorA")));
  TModalScope modal;
  if (!choose || !choose(&cc)) return false;  // cancelled, or the chooser failed
  Color = cc.rgbResult;
  std::memcpy(CustomColors, custom, sizeof custom);
  return true;
}
