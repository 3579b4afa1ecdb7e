// TTm: the tray component's animation worker, which shows the frames of
// its frame list one after another.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>

class TTaskBar;

// The animation worker. It is created at rest and its thread is created on
// the first Start only, so a worker that is never started costs nothing.
// While running it blocks on an event whenever it has nothing to show and
// is woken by the component (frames added, tray switched on), so it never
// polls.
class TTm {
 public:
  explicit TTm(TTaskBar* owner);
  // A running worker is asked to stop and waited for; a worker at rest
  // takes no further step.
  ~TTm();
  TTm(const TTm&) = delete;
  TTm& operator=(const TTm&) = delete;

  void Start();
  // Returns once the worker is at rest: outside a step and beginning none.
  void Rest();
  bool Running() const;
  // Re-examine the frame list and the tray switch (they changed).
  void Wake();
  // Runs change() while no step is under way, so the worker never sees a
  // frame list half changed or a frame being freed.
  template <class Fn>
  void Exclusive(Fn&& change) {
    Hold();
    struct Unhold {
      TTm* Tm;
      ~Unhold() { Tm->Release(); }
    } unhold{this};
    change();
  }

  TTaskBar* FTaskBar;
  std::int32_t FFrameIndex = 0;

 private:
  void Hold();
  void Release();
  void Execute();
  static DWORD WINAPI ThreadProc(LPVOID self);
  bool CanStep() const;
  struct Impl;
  std::unique_ptr<Impl> FImpl;
};
