// Screen captures of a window, saved as 24-bit BMP files beside the product.
#pragma once
#include <windows.h>

#include <string>

// Saves the screen area of wnd (frame included) to <product folder>\shots\name.bmp.
bool SaveWindowShot(HWND wnd, const std::string& name);
