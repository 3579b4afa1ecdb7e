// Win32 locking for the tray component: a critical section usable with
// std::lock_guard/std::unique_lock. Plain Win32 keeps the threading run-time
// library (and its size) out of the executable.
#pragma once
#include <windows.h>

class TCriticalSection {
 public:
  TCriticalSection() { InitializeCriticalSection(&FSection); }
  ~TCriticalSection() { DeleteCriticalSection(&FSection); }
  TCriticalSection(const TCriticalSection&) = delete;
  TCriticalSection& operator=(const TCriticalSection&) = delete;
  void lock() { EnterCriticalSection(&FSection); }
  void unlock() { LeaveCriticalSection(&FSection); }

 private:
  CRITICAL_SECTION FSection;
};

// Scoped hold of a TCriticalSection.
class TLock {
 public:
  explicit TLock(TCriticalSection& cs) : FCs(cs) { FCs.lock(); }
  ~TLock() { FCs.unlock(); }
  TLock(const TLock&) = delete;
  TLock& operator=(const TLock&) = delete;

 private:
  TCriticalSection& FCs;
};
