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

#include "base/Handle.h"
#include "base/ShortStr.h"
#include "tray/Sync.h"
#include "tray/Tm.h"
#include "ui/Component.h"
#include "ui/Menus.h"
#include "ui/UtilWindow.h"

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
  TIcon(const TIcon&) = delete;
  TIcon& operator=(const TIcon&) = delete;
  bool Empty() const { return !FHandle; }
  HICON Handle() const { return FHandle; }
  // Takes a copy of h's image (h stays the caller's); null empties the icon.
  // Either way OnChange runs. A handle that cannot be copied raises and
  // leaves the icon as it was.
  void Assign(HICON h);
  // Frees the image without telling anyone (used when the owner goes).
  void Clear();
  TNotifyEvent OnChange;

 private:
  TIconHandle FHandle;
};

// One animation frame: its own picture and how long it stays.
struct TTrayFrame {
  TIcon Icon;
  std::uint32_t Delay = 0;  // milliseconds
};

class TTaskBar : public TComponent, private TMessageSink {
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
  const std::string& Tips() const { return FTips.Str(); }
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
  const TTrayFrame* Frame(std::size_t i) const { return FAnimList[i].get(); }
  TTm* Thread() const { return FThread.get(); }

  const TNotifyIconDataV1& IconData() const { return FIconData; }
  HWND Window() const { return FWindow.Handle(); }

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
  void StopRetries();
  void IconChanged(TObject* sender);
  LRESULT SinkProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
  void PopupAt(TPopupMenu* TTaskBar::*menu, POINT pt);
  HICON ChosenIcon() const;
  void CopyTip();
  bool Notify(DWORD message);
  // One worker step: shows the frame's picture unless the tray is off.
  bool ShowFrame(HICON icon);

  TNotifyIconDataV1 FIconData{};
  std::int32_t FEnableTaskBar = -1;
  std::atomic<std::int32_t> FEnableTaskTray{-1};  // also read by the worker
  std::unique_ptr<TIcon> FIcon;
  TShortStr FTips;
  TUtilWindow FWindow{this};  // receives the shell's callbacks
  bool FIconShown = false;  // the shell took the icon (UI thread only)
  int FRetries = 0;         // adds tried again since the shell last refused

 public:
  TTrayEvent OnTrayClick;

 private:
  TPopupMenu* FPopupMenuLeft = nullptr;
  TPopupMenu* FPopupMenuMiddle = nullptr;
  TPopupMenu* FPopupMenuRight = nullptr;
  std::vector<std::unique_ptr<TTrayFrame>> FAnimList;
  std::unique_ptr<TTm> FThread;
  // Writing FIconData and sending it is one act on either thread.
  TCriticalSection FIconDataLock;
};
