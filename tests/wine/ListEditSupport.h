// Helpers for the list and preview tests: picture files made in code, drops
// built in memory as the shell builds them, and a user's selection.
#pragma once
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "ui/ExtCtrls.h"
#include "ui/StdCtrls.h"

namespace testpics {

inline void Put16(std::string& s, std::size_t at, std::uint16_t v) {
  s[at] = char(v & 0xFF);
  s[at + 1] = char(v >> 8);
}
inline void Put32(std::string& s, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) s[at + std::size_t(i)] = char((v >> (8 * i)) & 0xFF);
}

// A 24-bit bottom-up bitmap file: the left half in `left`, the right half in
// `right` (COLORREF values).
inline std::string Bmp24(int w, int h, COLORREF left, COLORREF right) {
  const std::uint32_t stride = (std::uint32_t(w) * 3 + 3) & ~3u;
  const std::uint32_t pixels = stride * std::uint32_t(h);
  std::string f(54 + pixels, '\0');
  f[0] = 'B';
  f[1] = 'M';
  Put32(f, 2, std::uint32_t(f.size()));
  Put32(f, 10, 54);
  Put32(f, 14, 40);
  Put32(f, 18, std::uint32_t(w));
  Put32(f, 22, std::uint32_t(h));
  Put16(f, 26, 1);
  Put16(f, 28, 24);
  Put32(f, 34, pixels);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const COLORREF c = x < w / 2 ? left : right;
      const std::size_t at = 54 + std::size_t(y) * stride + std::size_t(x) * 3;
      f[at] = char(GetBValue(c));
      f[at + 1] = char(GetGValue(c));
      f[at + 2] = char(GetRValue(c));
    }
  return f;
}

// A 32×32 icon file with one 32-bit image of a single colour.
inline std::string Ico32(COLORREF color) {
  const int n = 32;
  const std::uint32_t xorBytes = n * n * 4, andBytes = n * 4;  // mask rows padded to 4 bytes
  const std::uint32_t imageBytes = 40 + xorBytes + andBytes;
  std::string f(6 + 16 + imageBytes, '\0');
  Put16(f, 2, 1);  // type icon
  Put16(f, 4, 1);  // one image
  f[6] = char(n);
  f[7] = char(n);
  Put16(f, 6 + 4, 1);
  Put16(f, 6 + 6, 32);
  Put32(f, 6 + 8, imageBytes);
  Put32(f, 6 + 12, 22);
  const std::size_t hdr = 22;
  Put32(f, hdr, 40);
  Put32(f, hdr + 4, n);
  Put32(f, hdr + 8, 2 * n);  // colour and mask
  Put16(f, hdr + 12, 1);
  Put16(f, hdr + 14, 32);
  for (std::uint32_t i = 0; i < std::uint32_t(n * n); ++i) {
    const std::size_t at = hdr + 40 + i * 4;
    f[at] = char(GetBValue(color));
    f[at + 1] = char(GetGValue(color));
    f[at + 2] = char(GetRValue(color));
    f[at + 3] = char(0xFF);
  }
  return f;  // the mask is all zero: every pixel opaque
}

// A drop handle as the shell makes it: DROPFILES, then the CP932 names, each
// NUL-terminated, and a final NUL. The receiver owns it.
inline HDROP MakeDrop(const std::vector<std::string>& names) {
  std::size_t bytes = sizeof(DROPFILES) + 1;
  for (const std::string& n : names) bytes += n.size() + 1;
  HGLOBAL h = GlobalAlloc(GHND, bytes);
  auto* df = static_cast<DROPFILES*>(GlobalLock(h));
  df->pFiles = sizeof(DROPFILES);
  df->fWide = FALSE;
  char* p = reinterpret_cast<char*>(df) + sizeof(DROPFILES);
  for (const std::string& n : names) {
    std::memcpy(p, n.c_str(), n.size() + 1);
    p += n.size() + 1;
  }
  GlobalUnlock(h);
  return HDROP(h);
}

// Selects an entry as a user does: the list box changes its selection and
// tells its parent, whose message handling runs the click handler.
inline void UserSelects(TListBox* list, int index) {
  list->SetItemIndex(index);
  HWND lb = list->Handle();
  SendMessageA(GetParent(lb), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(lb), LBN_SELCHANGE), LPARAM(lb));
}

// The preview as the image control paints it, into a bitmap of its size.
struct TRendered {
  std::vector<COLORREF> Pixels;
  int Width = 0, Height = 0;
  COLORREF At(int x, int y) const { return Pixels[std::size_t(y) * std::size_t(Width) + std::size_t(x)]; }
};

inline TRendered Render(TImage* image) {
  TRendered r;
  r.Width = image->Width();
  r.Height = image->Height();
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, r.Width, r.Height);
  HGDIOBJ old = SelectObject(mem, bmp);
  RECT all{0, 0, r.Width, r.Height};
  HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255));  // shows what was not painted
  FillRect(mem, &all, magenta);
  DeleteObject(magenta);
  image->Paint(mem);
  for (int y = 0; y < r.Height; ++y)
    for (int x = 0; x < r.Width; ++x) r.Pixels.push_back(GetPixel(mem, x, y));
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return r;
}

// Free GDI handle slots of the process: GDI objects are created until the
// platform refuses one, then all are deleted again. A leak of n objects
// shows as n fewer free slots. (GetGuiResources counts nothing under Wine.)
inline int FreeGdiSlots() {
  std::vector<HBRUSH> made;
  made.reserve(70000);
  while (made.size() < 200000) {
    HBRUSH b = CreateSolidBrush(RGB(1, 2, 3));
    if (!b) break;
    made.push_back(b);
  }
  for (HBRUSH b : made) DeleteObject(b);
  return int(made.size());
}

}  // namespace testpics
