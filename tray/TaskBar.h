// TTaskBar: a reusable component that owns one notification-area icon, its
// tip, its mouse events and pop-up menus, and the visibility of the
// application's taskbar button; TTm animates the icon through a frame list.
#pragma once
#include <windows.h>

#include <shellapi.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "tray/Sync.h"
#include "ui/Component.h"
#include "ui/Menus.h"

enum TMouseButton : int { mbLeft = 0, mbRight = 1, mbMiddle = 2 };
using TTrayEvent = TEvent<TMouseButton>;

constexpr UINT WM_TRAYNOTIFY = WM_APP + 100;  // 32868

// The shell's record in its first (ANSI) form: 88 bytes on 32-bit Windows,
// the same fields with natural alignment on 64-bit.
struct TNotifyIconDataV1 {
  DWORD cbSize;
  HWND hWnd;
  UINT uID;
  UINT uFlags;
  UINT uCallbackMessage;
  HICON hIcon;
  CHAR szTip[64];
};
static_assert(sizeof(TNotifyIconDataV1) == NOTIFYICONDATAA_V1_SIZE, "first form of NOTIFYICONDATAA");
static_assert(offsetof(TNotifyIconDataV1, szTip) == offsetof(NOTIFYICONDATAA, szTip));
#if !defined(_WIN64)
static_assert(sizeof(TNotifyIconDataV1) == 88, "NOTIFYICONDATAA first form is 88 bytes");
static_assert(offsetof(TNotifyIconDataV1, szTip) == 24);
#endif

// An icon object that owns its image; empty until an image is assigned.
class TIcon {
 public:
  TIcon() = default;
  ~TIcon() { Clear(); }
  TIcon(const TIcon&) = delete;
  TIcon& operator=(const TIcon&) = delete;
  bool Empty() const { return FHandle == nullptr; }
  HICON Handle() const { return FHandle; }
  // Takes a copy of h's image (h stays the caller's); null empties the icon.
  // Either way OnChange runs. A handle that cannot be copied raises and
  // leaves the icon as it was.
  void Assign(HICON h);
  // Frees the image without telling anyone (used when the owner goes).
  void Clear();
  TNotifyEvent OnChange;

 private:
  HICON FHandle = nullptr;
};

class TTaskBar;

// One animation frame: its own picture and how long it stays.
struct TTrayFrame {
  TIcon Icon;
  std::uint32_t Delay = 0;  // milliseconds
};

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

class TTaskBar : public TComponent {
 public:
  explicit TTaskBar(TComponent* owner);
  ~TTaskBar() override;

  // Published properties, in their stored order. No assignment is skipped
  // as unchanged.
  TIcon* Icon() { return FIcon.get(); }
  void SetIcon(HICON icon);  // copies the image; null empties the own icon
  bool EnableTaskBar() const { return FEnableTaskBar != 0; }
  void SetEnableTaskBar(bool on);
  bool EnableTaskTray() const { return FEnableTaskTray.load() != 0; }
  void SetEnableTaskTray(bool on);
  const std::string& Tips() const { return FTips; }
  void SetTips(const std::string& tips);  // kept to 255 bytes
  TPopupMenu* PopupMenuLeft() const { return FPopupMenuLeft; }
  void SetPopupMenuLeft(TPopupMenu* m);
  TPopupMenu* PopupMenuMiddle() const { return FPopupMenuMiddle; }
  void SetPopupMenuMiddle(TPopupMenu* m);
  TPopupMenu* PopupMenuRight() const { return FPopupMenuRight; }
  void SetPopupMenuRight(TPopupMenu* m);

  void Loaded() override;

  // Animation, for programs that want it (this one never animates).
  void AddFrame(HICON icon, std::uint32_t delay);
  void StartAnimation();
  // Rests the worker, then frees every frame, last first.
  void StopAnimation();
  std::size_t FrameCount() const { return FAnimList.size(); }
  const TTrayFrame* Frame(std::size_t i) const { return FAnimList[i]; }
  TTm* Thread() const { return FThread; }

  const TNotifyIconDataV1& IconData() const { return FIconData; }
  HWND Window() const { return FWindow; }

  // Asks the component of the program whose application window this is (in
  // another process) to add its icon again, as after a new shell.
  static void AskForIconAgain(HWND appWindow);

 protected:
  void Notification(TComponent* c, TOperation op) override;

 private:
  friend class TTm;
  void AddTrayIcon();
  void ModifyTrayIcon();
  void DeleteTrayIcon();
  void IconChanged(TObject* sender);
  LRESULT TrayWndProc(UINT msg, WPARAM wParam, LPARAM lParam);
  void PopupAt(TPopupMenu* TTaskBar::*menu, POINT pt);
  static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
  HICON ChosenIcon() const;
  void CopyTip();
  bool Notify(DWORD message);
  // One worker step: shows the frame's picture unless the tray is off.
  bool ShowFrame(HICON icon);

  TNotifyIconDataV1 FIconData{};
  std::int32_t FEnableTaskBar = -1;
  std::atomic<std::int32_t> FEnableTaskTray{-1};  // also read by the worker
  std::unique_ptr<TIcon> FIcon;
  std::string FTips;
  HWND FWindow = nullptr;
  bool FIconShown = false;  // the shell took the icon (UI thread only)
  int FRetries = 0;         // adds tried again since the shell last refused

 public:
  TTrayEvent OnTrayClick;

 private:
  TPopupMenu* FPopupMenuLeft = nullptr;
  TPopupMenu* FPopupMenuMiddle = nullptr;
  TPopupMenu* FPopupMenuRight = nullptr;
  std::vector<TTrayFrame*> FAnimList;
  TTm* FThread = nullptr;
  // Writing FIconData and sending it is one act on either thread.
  TCriticalSection FIconDataLock;
};
