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

#include "Fixture.h"
#include "tray/TaskBar.h"

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
  std::size_t Count() { return Calls().size(); }
  void Clear() {
    std::lock_guard<std::mutex> g(FLock);
    FCalls.clear();
  }
  // The messages of the calls, in order; with their tips ("add Sorvane").
  std::vector<DWORD> Messages() {
    std::vector<DWORD> r;
    for (const TShellCall& c : Calls()) r.push_back(c.Message);
    return r;
  }
  std::vector<std::string> Sent() {
    static const char* const kNames[] = {"add ", "modify ", "delete "};
    std::vector<std::string> r;
    for (const TShellCall& c : Calls()) r.push_back((c.Message < 3 ? kNames[c.Message] : "other ") + c.Tip());
    return r;
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

// An application object as at start, with no main window; boxes answered OK.
class TrayTestBase : public SorvaneTest {
 protected:
  void SetUp() override { CreateApp(IDOK); }
  ShellRecorder Shell;
};
