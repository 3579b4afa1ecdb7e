// The colour chooser.
#pragma once
#include <windows.h>

#include "ui/Component.h"

class TColorDialog : public TComponent {
 public:
  explicit TColorDialog(TComponent* owner);
  COLORREF Color = 0;
  // Unset slots show white, as the chooser itself shows them.
  COLORREF CustomColors[16];
  // Opens the chooser modally, owned by the application window, with Color
  // preselected. True when the user confirmed; Color and the custom colours
  // then hold the user's choice. Cancel or failure change nothing.
  bool Execute();
};
