// The animation worker and the frame list of TTaskBar.
#include <condition_variable>
#include <thread>

#include "TaskBar/TaskBar.h"

// Lock protects the flags and the frame list's changes; a step runs outside
// the lock with InStep set, and nothing changes the list while it is set.
struct TTm::Impl {
  std::thread Thread;  // created on the first Start
  mutable std::mutex Lock;
  std::condition_variable Changed;
  std::atomic<bool> Run{false};   // not at rest
  std::atomic<bool> Stop{false};  // the loop is to end
  std::atomic<int> Holds{0};      // changes waiting for the end of a step
  bool InStep = false;
};

TTm::TTm(TTaskBar* owner) : FTaskBar(owner), FImpl(std::make_unique<Impl>()) {}

TTm::~TTm() {
  FImpl->Stop = true;
  Wake();
  if (FImpl->Thread.joinable()) FImpl->Thread.join();
}

bool TTm::Running() const { return FImpl->Run.load(); }

void TTm::Start() {
  FImpl->Run = true;
  if (!FImpl->Thread.joinable())
    FImpl->Thread = std::thread([this] { Execute(); });
  else
    Wake();
}

void TTm::Rest() {
  FImpl->Run = false;  // seen before the next step begins; no lock needed
  std::unique_lock<std::mutex> g(FImpl->Lock);
  FImpl->Changed.wait(g, [this] { return !FImpl->InStep; });
}

// Taking the lock before notifying means a worker that has just found
// nothing to do is already waiting, so the wake-up is not lost.
void TTm::Wake() {
  { std::lock_guard<std::mutex> g(FImpl->Lock); }
  FImpl->Changed.notify_all();
}

// A pending change keeps the worker from beginning new steps, so a worker
// with a delay of 0 cannot starve it.
void TTm::Hold() {
  ++FImpl->Holds;
  std::unique_lock<std::mutex> g(FImpl->Lock);
  FImpl->Changed.wait(g, [this] { return !FImpl->InStep; });
  g.release();  // kept locked until Release
}

void TTm::Release() {
  --FImpl->Holds;
  FImpl->Lock.unlock();
  FImpl->Changed.notify_all();
}

bool TTm::CanStep() const {
  return FImpl->Run && FImpl->Holds == 0 && !FTaskBar->FAnimList.empty() && FTaskBar->FEnableTaskTray.load();
}

void TTm::Execute() {
  std::unique_lock<std::mutex> g(FImpl->Lock);
  for (;;) {
    // At rest or idle: blocked until woken, never polling.
    FImpl->Changed.wait(g, [this] { return FImpl->Stop || CanStep(); });
    if (FImpl->Stop) return;
    FImpl->InStep = true;
    g.unlock();

    const std::vector<TTrayFrame*>& list = FTaskBar->FAnimList;
    std::int32_t next = FFrameIndex + 1;
    if (next >= std::int32_t(list.size())) next = 0;
    const TTrayFrame* frame = list[std::size_t(next)];
    // The tray may have been switched off since the check; then no step.
    if (FTaskBar->ShowFrame(frame->Icon.Handle())) {
      FFrameIndex = next;
      Sleep(frame->Delay);
    }

    g.lock();
    FImpl->InStep = false;
    FImpl->Changed.notify_all();
  }
}

// ------------------------------------------------------- TTaskBar animation

void TTaskBar::AddFrame(HICON icon, std::uint32_t delay) {
  auto frame = std::make_unique<TTrayFrame>();
  frame->Icon.Assign(icon);
  frame->Delay = delay;
  FThread->Exclusive([&] {
    FAnimList.push_back(frame.get());
    frame.release();
  });
  FThread->Wake();
}

void TTaskBar::StartAnimation() { FThread->Start(); }

void TTaskBar::StopAnimation() {
  FThread->Rest();
  FThread->Exclusive([this] {
    for (auto it = FAnimList.rbegin(); it != FAnimList.rend(); ++it) {
      (*it)->Icon.Clear();
      delete *it;
    }
    FAnimList.clear();
  });
}
