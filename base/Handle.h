// The one owner of a platform handle: it releases the handle with its
// release call when replaced or destroyed, and can be moved, never copied.
// Its release description R gives the handle type, the value that means
// none and the call:
//   struct R { using Type = HKEY; static HKEY None(); static void Release(HKEY); };
// TOwned<H, Fn> describes the usual case: none is null, Fn(h) releases.
// Windows have an owner of their own, which also learns when one goes with
// its parent (ui/Window.h).
#pragma once
#include <windows.h>

template <class R>
class THandle {
 public:
  using H = typename R::Type;
  THandle() = default;
  explicit THandle(H h) : FH(h) {}
  ~THandle() { Reset(); }
  THandle(THandle&& o) noexcept : FH(o.Detach()) {}
  THandle& operator=(THandle&& o) noexcept {
    if (this != &o) Reset(o.Detach());
    return *this;
  }
  THandle(const THandle&) = delete;
  THandle& operator=(const THandle&) = delete;

  H Get() const { return FH; }
  operator H() const { return FH; }  // passed straight to the platform's calls
  explicit operator bool() const { return FH != R::None(); }
  // Releases the handle held (unless it is h itself) and holds h.
  void Reset(H h = R::None()) {
    if (FH != R::None() && FH != h) R::Release(FH);
    FH = h;
  }
  // Gives the handle up without releasing it.
  H Detach() {
    const H h = FH;
    FH = R::None();
    return h;
  }

 private:
  H FH = R::None();
};

template <class H, auto Fn>
struct TReleaseWith {
  using Type = H;
  static H None() { return nullptr; }
  static void Release(H h) { Fn(h); }
};

template <class H, auto Fn>
using TOwned = THandle<TReleaseWith<H, Fn>>;

// A kernel object (event, thread, open file); files say none with
// INVALID_HANDLE_VALUE.
using TKernelHandle = TOwned<HANDLE, CloseHandle>;
struct TFileRelease {
  using Type = HANDLE;
  static HANDLE None() { return INVALID_HANDLE_VALUE; }
  static void Release(HANDLE h) { CloseHandle(h); }
};
using TFileHandle = THandle<TFileRelease>;
// A folder search from FindFirstFileA.
struct TFindRelease {
  using Type = HANDLE;
  static HANDLE None() { return INVALID_HANDLE_VALUE; }
  static void Release(HANDLE h) { FindClose(h); }
};
using TFindHandle = THandle<TFindRelease>;

template <class G>
using TGdiObject = TOwned<G, DeleteObject>;
using TIconHandle = TOwned<HICON, DestroyIcon>;
using TMenuHandle = TOwned<HMENU, DestroyMenu>;
using TMetafileHandle = TOwned<HENHMETAFILE, DeleteEnhMetaFile>;
using TMemoryDC = TOwned<HDC, DeleteDC>;
using TRegKey = TOwned<HKEY, RegCloseKey>;

// The screen's device context, from GetDC(nullptr).
struct TScreenDCRelease {
  using Type = HDC;
  static HDC None() { return nullptr; }
  static void Release(HDC dc) { ReleaseDC(nullptr, dc); }
};
using TScreenDC = THandle<TScreenDCRelease>;

// An object selected into a device context for a scope: the one it replaced
// is selected again at the end.
class TSelectObject {
 public:
  TSelectObject(HDC dc, HGDIOBJ object) : FDC(dc), FOld(SelectObject(dc, object)) {}
  ~TSelectObject() { SelectObject(FDC, FOld); }
  TSelectObject(const TSelectObject&) = delete;
  TSelectObject& operator=(const TSelectObject&) = delete;

 private:
  HDC FDC;
  HGDIOBJ FOld;
};

// A window's paint for a scope: BeginPaint, and EndPaint at the end.
class TPaintDC {
 public:
  explicit TPaintDC(HWND wnd) : FWnd(wnd), FDC(BeginPaint(wnd, &FPaint)) {}
  ~TPaintDC() { EndPaint(FWnd, &FPaint); }
  TPaintDC(const TPaintDC&) = delete;
  TPaintDC& operator=(const TPaintDC&) = delete;
  operator HDC() const { return FDC; }
  // The part to paint.
  const RECT& Rect() const { return FPaint.rcPaint; }

 private:
  HWND FWnd;
  PAINTSTRUCT FPaint;
  HDC FDC;
};
