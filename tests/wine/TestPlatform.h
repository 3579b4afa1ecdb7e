// The one platform the in-process tests install: each call goes to the
// test's handler when one is set; boxes are never shown (unset, they are
// answered "OK").
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tray/TaskBar.h"
#include "base/Platform.h"

using sorvane::TBoxKind;

struct TTestPlatform : sorvane::TPlatform {
  std::function<int(TBoxKind, const std::string&)> Box;
  void (*Wallpaper)(const char* path) = nullptr;
  void (*Shell)(DWORD message, const TNotifyIconDataV1& data) = nullptr;  // any thread
  BOOL (*ShellAnswer)(DWORD message) = nullptr;  // with Shell: what the shell answers (TRUE unset)
  std::vector<std::pair<HWND, UINT>> Allowed;  // the message filter's calls
  void (*RegFetch)(HKEY key, const char* name) = nullptr;
  void (*FileRead)(HANDLE file) = nullptr;
  std::function<bool(HWND)> WindowAnimation;             // the per-window switch
  std::function<void(UINT, ANIMATIONINFO&)> Animation;  // the desktop-wide setting
  int FailedDestroys = 0;  // windows destroyed again, after they were gone

  int AnswerBox(TBoxKind kind, const std::string& text) override { return Box ? Box(kind, text) : IDOK; }
  void SetDeskWallpaper(const char* path) override {
    if (Wallpaper) Wallpaper(path);
    else TPlatform::SetDeskWallpaper(path);
  }
  BOOL NotifyIcon(DWORD message, void* data) override {
    if (!Shell) return TPlatform::NotifyIcon(message, data);
    Shell(message, *static_cast<const TNotifyIconDataV1*>(data));
    return ShellAnswer ? ShellAnswer(message) : TRUE;
  }
  void AllowMessage(HWND wnd, UINT message) override {
    Allowed.push_back({wnd, message});
    TPlatform::AllowMessage(wnd, message);
  }
  bool NoWindowAnimation(HWND wnd) override {
    return WindowAnimation ? WindowAnimation(wnd) : TPlatform::NoWindowAnimation(wnd);
  }
  void DesktopAnimation(UINT action, ANIMATIONINFO& ai) override {
    if (Animation) Animation(action, ai);
    else TPlatform::DesktopAnimation(action, ai);
  }
  void DestroyWindow(HWND wnd) override {
    if (!::DestroyWindow(wnd)) ++FailedDestroys;
  }
  void BeforeRegFetch(HKEY key, const char* name) override {
    if (RegFetch) RegFetch(key, name);
  }
  void BeforeFileRead(HANDLE file) override {
    if (FileRead) FileRead(file);
  }
};

// Installed before the first test runs.
TTestPlatform& TestPlatform();

// A box the test answered in place of the user.
struct TBoxRecord {
  TBoxKind Kind;
  std::string Text;
};

// Dispatches every message waiting for this thread.
inline void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}
