// TTaskBar: a reusable component that owns one notification-area icon, its
// tip, its mouse events and pop-up menus, and the visibility of the
// application's taskbar button; TTm animates the icon through a frame list.
#pragma once
#include <windows.h>

#include <shellapi.h>

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "ui/Component.h"
#include "ui/Menus.h"

enum TMouseButton : int { mbLeft = 0, mbRight = 1, mbMiddle = 2 };
using TTrayEvent = TEvent<TMouseButton>;

constexpr UINT WM_TRAYNOTIFY = WM_APP + 100;  // 32868

// The shell's record in its first (ANSI) form: 88 bytes on 32-bit Windows.
struct TNotifyIconDataV1 {
  DWORD cbSize;
  HWND hWnd;
  UINT uID;
  UINT uFlags;
  UINT uCallbackMessage;
  HICON hIcon;
  CHAR szTip[64];
};
#if !defined(_WIN64)
static_assert(sizeof(TNotifyIconDataV1) == 88, "NOTIFYICONDATAA first form is 88 bytes");
#endif

// An icon object the component owns; empty until an image is assigned.
class TIcon {
 public:
  TIcon() = default;
  ~TIcon() { Clear(); }
  TIcon(const TIcon&) = delete;
  TIcon& operator=(const TIcon&) = delete;
  bool Empty() const { return FHandle == nullptr; }
  HICON Handle() const { return FHandle; }
  // Copies the image of h (which stays the caller's); null empties it.
  void Assign(HICON h);
  void Clear();
  TNotifyEvent OnChange;

 private:
  HICON FHandle = nullptr;
};

class TTaskBar;

struct TTrayFrame {
  TIcon Icon;
  std::uint32_t Delay = 0;  // milliseconds
};

// The animation worker: created at rest; the thread exists only once started.
class TTm {
 public:
  explicit TTm(TTaskBar* owner);
  ~TTm();  // a running worker is asked to stop and waited for
  void Start();
  // Brings the worker to rest between steps (returns once it is there).
  void Rest();
  bool Running() const;
  TTaskBar* FTaskBar;
  std::int32_t FFrameIndex = 0;

 private:
  void Execute();
  struct Impl;
  Impl* FImpl;
};

class TTaskBar : public TComponent {
 public:
  explicit TTaskBar(TComponent* owner);
  ~TTaskBar() override;

  // Published properties, in their stored order.
  TIcon* Icon() { return &FIcon; }
  void SetIcon(HICON icon);  // copies the image; null empties the own icon
  bool EnableTaskBar() const { return FEnableTaskBar != 0; }
  void SetEnableTaskBar(bool on);
  bool EnableTaskTray() const { return FEnableTaskTray != 0; }
  void SetEnableTaskTray(bool on);
  const std::string& Tips() const { return FTips; }
  void SetTips(const std::string& tips);
  TTrayEvent OnTrayClick;
  TPopupMenu* PopupMenuLeft() const { return FPopupMenuLeft; }
  void SetPopupMenuLeft(TPopupMenu* m);
  TPopupMenu* PopupMenuMiddle() const { return FPopupMenuMiddle; }
  void SetPopupMenuMiddle(TPopupMenu* m);
  TPopupMenu* PopupMenuRight() const { return FPopupMenuRight; }
  void SetPopupMenuRight(TPopupMenu* m);

  void Loaded() override;

  // For tests and the worker.
  const TNotifyIconDataV1& IconData() const { return FIconData; }
  HWND Window() const { return FWindow; }
  std::vector<TTrayFrame*>& AnimList() { return FAnimList; }
  TTm* Thread() { return FThread; }
  void StopAnimation();

 protected:
  void Notification(TComponent* c, TOperation op) override;

 private:
  friend class TTm;
  void AddTrayIcon();
  void ModifyTrayIcon();
  void DeleteTrayIcon();
  void IconChanged(TObject* sender);
  LRESULT TrayWndProc(UINT msg, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
  HICON ChosenIcon() const;
  void CopyTip();
  // Writes FIconData and hands it to the shell as one act (either thread).
  void Notify(DWORD message);

  TNotifyIconDataV1 FIconData{};
  std::int32_t FEnableTaskBar = -1;
  std::int32_t FEnableTaskTray = -1;
  TIcon FIcon;
  std::string FTips;
  HWND FWindow = nullptr;
  TPopupMenu* FPopupMenuLeft = nullptr;
  TPopupMenu* FPopupMenuMiddle = nullptr;
  TPopupMenu* FPopupMenuRight = nullptr;
  std::vector<TTrayFrame*> FAnimList;
  TTm* FThread = nullptr;
  std::mutex FIconDataLock;
};
