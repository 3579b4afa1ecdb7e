// Records every record the tray component hands to the shell, from either
// thread, in the order the component sends them.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

#include "tray/TaskBar.h"
#include "TestPlatform.h"
#include "app/Application.h"

struct TShellCall {
  DWORD Message;
  TNotifyIconDataV1 Data;
  DWORD Thread;
  std::string Tip() const { return std::string(Data.szTip, strnlen(Data.szTip, sizeof Data.szTip)); }
};

class ShellRecorder {
 public:
  ShellRecorder() {
    Current = this;
    TestPlatform().Shell = &Hook;
  }
  ~ShellRecorder() {
    TestPlatform().Shell = nullptr;
    Current = nullptr;
  }
  std::vector<TShellCall> Calls() {
    std::lock_guard<std::mutex> g(FLock);
    return FCalls;
  }
  std::size_t Count() {
    std::lock_guard<std::mutex> g(FLock);
    return FCalls.size();
  }
  void Clear() {
    std::lock_guard<std::mutex> g(FLock);
    FCalls.clear();
  }
  // Calls made from another thread than this one (the worker's).
  std::vector<TShellCall> WorkerCalls() {
    std::vector<TShellCall> r;
    for (const TShellCall& c : Calls())
      if (c.Thread != FUiThread) r.push_back(c);
    return r;
  }
  // Waits (pumping nothing) until the worker has sent at least n records.
  bool WaitForWorkerCalls(std::size_t n, DWORD timeoutMs = 10000) {
    const DWORD start = GetTickCount();
    while (WorkerCalls().size() < n) {
      if (GetTickCount() - start > timeoutMs) return false;
      Sleep(1);
    }
    return true;
  }
  // Runs inside the component's send, on the sending thread.
  void (*Check)(const TShellCall&) = nullptr;

 private:
  static void Hook(DWORD message, const TNotifyIconDataV1& data) {
    TShellCall c{message, data, GetCurrentThreadId()};
    if (Current->Check) Current->Check(c);
    std::lock_guard<std::mutex> g(Current->FLock);
    Current->FCalls.push_back(c);
  }
  static inline ShellRecorder* Current = nullptr;
  std::mutex FLock;
  std::vector<TShellCall> FCalls;
  DWORD FUiThread = GetCurrentThreadId();
};

// An application object as at start, with boxes recorded instead of shown.
class TrayTestBase : public ::testing::Test {
 protected:
  void SetUp() override {
    App = new TApplication();
    App->SetTitle("Sorvane");
    TestPlatform().Box = [this](TBoxKind kind, const std::string& text) {
      Boxes.push_back({kind, text});
      return IDOK;
    };
  }
  void TearDown() override {
    TestPlatform().Box = nullptr;
    delete App;
    App = nullptr;
  }
  static void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  struct Box {
    TBoxKind Kind;
    std::string Text;
  };
  ShellRecorder Shell;
  TApplication* App = nullptr;
  std::vector<Box> Boxes;
};
