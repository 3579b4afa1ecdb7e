// Tab-stop navigation the dialog manager cannot give a window whose pages
// are windows of their own.
#pragma once
#include <windows.h>

#include <vector>

// The tab stops below root in the order Tab visits them: z-order, each
// stop followed by what it contains (a container is entered, a tab strip
// is a stop of its own and then entered), hidden and disabled windows and
// everything inside them left out.
std::vector<HWND> TabStops(HWND root);
// Gives a control the focus as the dialog manager does: an edit's text is
// selected whole.
void FocusControl(HWND control);
