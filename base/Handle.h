// The one owner of a platform handle: it releases the handle with its
// release call when replaced or destroyed, and can be moved, never copied.
// Its release description R gives the handle type, the value that means
// none and the call:
//   struct R { using Type = HKEY; static HKEY None(); static void Release(HKEY); };
// TOwned<H, Fn> describes the usual case: none is null, Fn(h) releases.
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

// A window whose procedure finds its object through GWLP_USERDATA: the link
// is cut first, so that no message of the destruction reaches an object
// that is going.
struct TWindowRelease {
  using Type = HWND;
  static HWND None() { return nullptr; }
  static void Release(HWND w) {
    SetWindowLongPtrA(w, GWLP_USERDATA, 0);
    DestroyWindow(w);
  }
};
using TWindowHandle = THandle<TWindowRelease>;

// The screen's device context, from GetDC(nullptr).
struct TScreenDCRelease {
  using Type = HDC;
  static HDC None() { return nullptr; }
  static void Release(HDC dc) { ReleaseDC(nullptr, dc); }
};
using TScreenDC = THandle<TScreenDCRelease>;
