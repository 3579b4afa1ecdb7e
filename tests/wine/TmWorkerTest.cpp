// The animation worker, started by the tests (the program never starts it):
// frame order, delays, the tray switch, and the two rules shared with the
// user-interface thread. Each case repeats many times in one process.
#include "TaskBarRecorder.h"

namespace {

double NowMs() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return double(c.QuadPart) * 1000.0 / double(f.QuadPart);
}

// Distinct pictures for the frames.
HICON AnyIcon(int i) {
  static const LPCSTR kIds[] = {IDI_APPLICATION, IDI_HAND, IDI_QUESTION, IDI_EXCLAMATION, IDI_ASTERISK};
  return LoadIconA(nullptr, kIds[i % 5]);
}

// Positions of the frames shown by the worker, looked up by icon handle.
std::vector<int> ShownPositions(const std::vector<TShellCall>& calls, const std::vector<HICON>& frames) {
  std::vector<int> r;
  for (const TShellCall& c : calls) {
    int pos = -1;
    for (std::size_t i = 0; i < frames.size(); ++i)
      if (frames[i] == c.Data.hIcon) pos = int(i);
    r.push_back(pos);
  }
  return r;
}

// Checks made inside every send: after StopAnimation has returned nothing is
// sent, and a frame's icon is still alive when the worker sends it.
std::atomic<bool> gStopped{false};
std::atomic<int> gLateSends{0};
std::atomic<int> gDeadIcons{0};
void CheckSend(const TShellCall& c) {
  if (gStopped) ++gLateSends;
  ICONINFO info{};
  if (c.Message == NIM_MODIFY && GetIconInfo(c.Data.hIcon, &info)) {
    if (info.hbmMask) DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
  } else if (c.Message == NIM_MODIFY) {
    ++gDeadIcons;
  }
}

}  // namespace

class TmWorker : public TrayTestBase {
 protected:
  struct TAnimated {
    TTaskBar* Tb;
    std::vector<HICON> Frames;  // the frames' own icons
  };
  // A component with its icon on and n frames, made after the record is cleared.
  TAnimated NewAnimated(int n, std::uint32_t delay) {
    Shell.Clear();
    TAnimated a{new TTaskBar(nullptr), {}};
    a.Tb->SetTips("anim");
    a.Tb->SetEnableTaskTray(true);
    for (int i = 0; i < n; ++i) a.Tb->AddFrame(AnyIcon(i), delay);
    for (std::size_t i = 0; i < a.Tb->FrameCount(); ++i) a.Frames.push_back(a.Tb->Frame(i)->Icon.Handle());
    return a;
  }
};

TEST_F(TmWorker, StepsShowPositionsOneToNMinusOneThenZero) {
  for (int round = 0; round < 30; ++round) {
    const int n = 2 + round % 4;
    auto [tb, frames] = NewAnimated(n, 0);
    EXPECT_EQ(tb->Thread()->FFrameIndex, 0);
    tb->StartAnimation();
    ASSERT_TRUE(Shell.WaitForWorkerCalls(std::size_t(3 * n))) << "round " << round;
    tb->StopAnimation();
    const std::vector<TShellCall> calls = Shell.WorkerCalls();
    const std::vector<int> shown = ShownPositions(calls, frames);
    for (std::size_t i = 0; i < shown.size(); ++i) {
      ASSERT_EQ(shown[i], int((i + 1) % std::size_t(n))) << "round " << round << " step " << i;
      EXPECT_EQ(calls[i].Message, DWORD(NIM_MODIFY));
      EXPECT_EQ(calls[i].Tip(), "anim") << "the worker sends the component's tip";
      EXPECT_EQ(calls[i].Data.hWnd, tb->Window());
    }
    EXPECT_EQ(tb->Thread()->FFrameIndex, shown.back()) << "the position of the frame shown last";
    EXPECT_EQ(tb->FrameCount(), 0u);
    EXPECT_FALSE(tb->Thread()->Running());
    delete tb;
  }
}

TEST_F(TmWorker, OneFrameIsShownAtEveryStepAndAShortenedListRestartsAtZero) {
  for (int round = 0; round < 20; ++round) {
    auto [tb, frames] = NewAnimated(1, 0);
    tb->StartAnimation();
    ASSERT_TRUE(Shell.WaitForWorkerCalls(5));
    tb->StopAnimation();
    for (int pos : ShownPositions(Shell.WorkerCalls(), frames)) ASSERT_EQ(pos, 0);
    EXPECT_EQ(tb->Thread()->FFrameIndex, 0);

    // The position is beyond the new, shorter list: the next step wraps.
    tb->AddFrame(AnyIcon(4), 0);
    tb->AddFrame(AnyIcon(3), 0);
    frames = {tb->Frame(0)->Icon.Handle(), tb->Frame(1)->Icon.Handle()};
    tb->Thread()->FFrameIndex = 2;
    Shell.Clear();
    tb->StartAnimation();
    ASSERT_TRUE(Shell.WaitForWorkerCalls(2));
    tb->StopAnimation();
    const std::vector<int> shown = ShownPositions(Shell.WorkerCalls(), frames);
    EXPECT_EQ(shown[0], 0);
    EXPECT_EQ(shown[1], 1);
    delete tb;
  }
}

TEST_F(TmWorker, DelaysHoldEachFrameAndZeroFollowsAtOnce) {
  TTaskBar* tb = NewAnimated(2, 0).Tb;
  double t0 = NowMs();
  tb->StartAnimation();
  ASSERT_TRUE(Shell.WaitForWorkerCalls(200, 5000));
  EXPECT_LT(NowMs() - t0, 5000.0);
  tb->StopAnimation();
  delete tb;

  tb = NewAnimated(2, 40).Tb;
  t0 = NowMs();
  tb->StartAnimation();
  ASSERT_TRUE(Shell.WaitForWorkerCalls(6));
  // Five full delays lie between the first and the sixth step.
  EXPECT_GE(NowMs() - t0, 5 * 40.0 - 5.0);
  tb->StopAnimation();
  delete tb;
}

TEST_F(TmWorker, NothingIsSentWhileTheTrayIsOff) {
  for (int round = 0; round < 30; ++round) {
    TTaskBar* tb = NewAnimated(3, round % 3).Tb;
    tb->SetEnableTaskTray(false);
    tb->StartAnimation();
    Sleep(5);
    EXPECT_TRUE(Shell.WorkerCalls().empty()) << "round " << round;

    tb->SetEnableTaskTray(true);  // wakes the idle worker
    ASSERT_TRUE(Shell.WaitForWorkerCalls(3)) << "round " << round;
    tb->SetEnableTaskTray(false);
    Sleep(5);
    // In the order the shell received them: no worker step after a removal.
    const std::vector<TShellCall> calls = Shell.Calls();
    bool removed = false;
    const DWORD ui = GetCurrentThreadId();
    for (const TShellCall& c : calls) {
      if (c.Thread == ui && c.Message == NIM_DELETE) removed = true;
      if (c.Thread == ui && c.Message == NIM_ADD) removed = false;
      if (c.Thread != ui) {
        ASSERT_FALSE(removed) << "round " << round;
      }
    }
    EXPECT_TRUE(removed);
    EXPECT_TRUE(tb->Thread()->Running()) << "idle, not at rest";
    tb->StopAnimation();
    delete tb;
  }
}

TEST_F(TmWorker, StopAnimationMidRunWaitsForTheStepAndFreesEveryFrame) {
  Shell.Check = &CheckSend;
  for (int round = 0; round < 60; ++round) {
    gStopped = false;
    auto [tb, frames] = NewAnimated(1 + round % 4, std::uint32_t(round % 3));
    tb->StartAnimation();
    ASSERT_TRUE(Shell.WaitForWorkerCalls(1 + std::size_t(round % 5)));
    tb->StopAnimation();
    gStopped = true;
    EXPECT_EQ(tb->FrameCount(), 0u);
    EXPECT_FALSE(tb->Thread()->Running());
    // The frames' own pictures are gone.
    for (HICON h : frames) {
      ICONINFO info{};
      EXPECT_FALSE(GetIconInfo(h, &info)) << "round " << round;
    }
    Sleep(round % 2);
    gStopped = false;
    // The tray keeps the picture sent last until the next modify.
    EXPECT_EQ(tb->IconData().hIcon, frames[std::size_t(tb->Thread()->FFrameIndex)]);
    tb->SetTips("after");
    EXPECT_EQ(tb->IconData().hIcon, App->Icon());
    delete tb;
  }
  EXPECT_EQ(gLateSends.load(), 0);
  EXPECT_EQ(gDeadIcons.load(), 0);

  // A step that has begun is finished, its delay included.
  gStopped = false;
  TTaskBar* tb = NewAnimated(1, 150).Tb;
  tb->StartAnimation();
  ASSERT_TRUE(Shell.WaitForWorkerCalls(1));
  const double seen = NowMs();
  tb->StopAnimation();
  EXPECT_GE(NowMs() - seen, 100.0);
  const std::size_t sent = Shell.Count();
  delete tb;
  EXPECT_EQ(Shell.Count(), sent + 1) << "only the removal follows";
  Shell.Check = nullptr;
}

TEST_F(TmWorker, ReleasingARunningWorkerStopsItAndNeverStartedCostsNothing) {
  for (int round = 0; round < 30; ++round) {
    TTaskBar* tb = NewAnimated(2, std::uint32_t(round % 2)).Tb;
    tb->StartAnimation();
    ASSERT_TRUE(Shell.WaitForWorkerCalls(2));
    delete tb;
    const std::size_t n = Shell.Count();
    Sleep(2);
    const std::vector<TShellCall> calls = Shell.Calls();
    ASSERT_EQ(calls.size(), n) << "nothing after the release";
    EXPECT_EQ(calls.back().Message, DWORD(NIM_DELETE));
  }

  // Never started: no thread runs, the worker sends nothing, and it is
  // released at once.
  TTaskBar* tb = NewAnimated(3, 0).Tb;
  Sleep(20);
  EXPECT_FALSE(tb->Thread()->Running());
  EXPECT_TRUE(Shell.WorkerCalls().empty());
  const double t0 = NowMs();
  delete tb;
  EXPECT_LT(NowMs() - t0, 100.0);
  EXPECT_TRUE(Shell.WorkerCalls().empty());
}
