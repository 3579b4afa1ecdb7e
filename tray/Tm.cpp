// The animation worker and the frame list of TTaskBar.
#include <atomic>

#include "tray/TaskBar.h"

// Lock protects the flags and the frame list's changes; a step runs outside
// the lock with InStep set, and nothing changes the list while it is set.
// Wake (auto-reset) tells the worker to look again; StepDone (manual-reset)
// is set whenever no step is under way.
struct TTm::Impl {
  TKernelHandle Thread;  // created on the first Start
  TCriticalSection Lock;
  TKernelHandle Wake{CreateEventA(nullptr, FALSE, FALSE, nullptr)};
  TKernelHandle StepDone{CreateEventA(nullptr, TRUE, TRUE, nullptr)};
  std::atomic<bool> Run{false};   // not at rest
  std::atomic<bool> Stop{false};  // the loop is to end
  std::atomic<int> Holds{0};      // changes waiting for the end of a step
  bool InStep = false;

  // Returns with Lock held and no step under way.
  void LockBetweenSteps() {
    for (;;) {
      Lock.lock();
      if (!InStep) return;
      Lock.unlock();
      WaitForSingleObject(StepDone, INFINITE);
    }
  }
};

DWORD WINAPI TTm::ThreadProc(LPVOID self) {
  static_cast<TTm*>(self)->Execute();
  return 0;
}

TTm::TTm(TTaskBar* owner) : FTaskBar(owner), FImpl(std::make_unique<Impl>()) {}

TTm::~TTm() {
  FImpl->Stop = true;
  Wake();
  if (FImpl->Thread) WaitForSingleObject(FImpl->Thread, INFINITE);
}

bool TTm::Running() const { return FImpl->Run.load(); }

void TTm::Start() {
  FImpl->Run = true;
  if (!FImpl->Thread) {
    FImpl->Thread.Reset(CreateThread(nullptr, 0, ThreadProc, this, 0, nullptr));
  } else {
    Wake();
  }
}

void TTm::Rest() {
  FImpl->Run = false;  // seen before the next step begins
  FImpl->LockBetweenSteps();
  FImpl->Lock.unlock();
}

void TTm::Wake() { SetEvent(FImpl->Wake); }

// A pending change keeps the worker from beginning new steps, so a worker
// with a delay of 0 cannot starve it.
void TTm::Hold() {
  ++FImpl->Holds;
  FImpl->LockBetweenSteps();  // kept locked until Release
}

void TTm::Release() {
  --FImpl->Holds;
  FImpl->Lock.unlock();
  Wake();
}

bool TTm::CanStep() const {
  return FImpl->Run && FImpl->Holds == 0 && !FTaskBar->FAnimList.empty() && FTaskBar->FEnableTaskTray.load();
}

void TTm::Execute() {
  for (;;) {
    // At rest or idle: blocked until woken, never polling.
    FImpl->Lock.lock();
    while (!FImpl->Stop && !CanStep()) {
      FImpl->Lock.unlock();
      WaitForSingleObject(FImpl->Wake, INFINITE);
      FImpl->Lock.lock();
    }
    if (FImpl->Stop) {
      FImpl->Lock.unlock();
      return;
    }
    FImpl->InStep = true;
    ResetEvent(FImpl->StepDone);
    FImpl->Lock.unlock();

    const auto& list = FTaskBar->FAnimList;
    std::int32_t next = FFrameIndex + 1;
    if (next >= std::int32_t(list.size())) next = 0;
    const TTrayFrame* frame = list[std::size_t(next)].get();
    // The tray may have been switched off since the check; then no step.
    if (FTaskBar->ShowFrame(frame->Icon.Handle())) {
      FFrameIndex = next;
      Sleep(frame->Delay);
    }

    FImpl->Lock.lock();
    FImpl->InStep = false;
    SetEvent(FImpl->StepDone);
    FImpl->Lock.unlock();
  }
}

// ------------------------------------------------------- TTaskBar animation

void TTaskBar::AddFrame(HICON icon, std::uint32_t delay) {
  auto frame = std::make_unique<TTrayFrame>();
  frame->Icon.Assign(icon);
  frame->Delay = delay;
  FThread->Exclusive([&] { FAnimList.push_back(std::move(frame)); });
  FThread->Wake();
}

void TTaskBar::StartAnimation() { FThread->Start(); }

void TTaskBar::StopAnimation() {
  FThread->Rest();
  FThread->Exclusive([this] {
    while (!FAnimList.empty()) FAnimList.pop_back();
  });
}
