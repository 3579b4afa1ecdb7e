#include <condition_variable>
#include <mutex>
#include <thread>

#include "TaskBar/TaskBar.h"

// The thread is created on the first start only, so a worker that is never
// started costs nothing. At rest it blocks on a condition variable.
struct TTm::Impl {
  std::thread Thread;
  std::mutex Lock;
  std::condition_variable Wake;
  bool Run = false;        // asked to run (not at rest)
  bool Stop = false;       // the loop is to end
  bool InStep = false;     // inside a step
};

TTm::TTm(TTaskBar* owner) : FTaskBar(owner), FImpl(new Impl) {}

TTm::~TTm() {
  {
    std::lock_guard<std::mutex> g(FImpl->Lock);
    FImpl->Stop = true;
  }
  FImpl->Wake.notify_all();
  if (FImpl->Thread.joinable()) FImpl->Thread.join();
  delete FImpl;
}

bool TTm::Running() const {
  std::lock_guard<std::mutex> g(FImpl->Lock);
  return FImpl->Run;
}

void TTm::Start() {
  {
    std::lock_guard<std::mutex> g(FImpl->Lock);
    FImpl->Run = true;
  }
  if (!FImpl->Thread.joinable()) FImpl->Thread = std::thread([this] { Execute(); });
  FImpl->Wake.notify_all();
}

void TTm::Rest() {
  std::unique_lock<std::mutex> g(FImpl->Lock);
  FImpl->Run = false;
  FImpl->Wake.notify_all();
  FImpl->Wake.wait(g, [this] { return !FImpl->InStep; });
}

void TTm::Execute() {
  std::unique_lock<std::mutex> g(FImpl->Lock);
  for (;;) {
    // Idle: wait until asked to run with frames present and the tray on.
    FImpl->Wake.wait_for(g, std::chrono::milliseconds(FImpl->Run ? 50 : 0x7FFFFFFF), [this] {
      return FImpl->Stop || (FImpl->Run && !FTaskBar->FAnimList.empty() && FTaskBar->FEnableTaskTray);
    });
    if (FImpl->Stop) return;
    if (!FImpl->Run || FTaskBar->FAnimList.empty() || !FTaskBar->FEnableTaskTray) continue;
    FImpl->InStep = true;
    std::vector<TTrayFrame*>& list = FTaskBar->FAnimList;
    ++FFrameIndex;
    if (FFrameIndex >= std::int32_t(list.size())) FFrameIndex = 0;
    TTrayFrame* frame = list[size_t(FFrameIndex)];
    const std::uint32_t delay = frame->Delay;
    {
      std::lock_guard<std::mutex> icon(FTaskBar->FIconDataLock);
      FTaskBar->FIconData.hIcon = frame->Icon.Handle();
      FTaskBar->Notify(NIM_MODIFY);
    }
    g.unlock();
    if (delay) Sleep(delay);
    g.lock();
    FImpl->InStep = false;
    FImpl->Wake.notify_all();
  }
}
