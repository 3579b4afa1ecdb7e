// The window floor: the least a program with Sorvane's kind of window can
// be. The bare floor's tray icon, 60 s timer and message loop, plus a
// zero-size application window and a hidden main window built the same
// way: common controls loaded, a tab control with three pages and the same
// child windows and fonts, all created at start. No settings, no list
// entries, no handlers: whatever Sorvane costs beyond this is its own.
//
// Built with FLOOR_START_SEQUENCE it is the same-work floor: it also makes
// the platform calls of the tray component's loading, in Sorvane's order and
// with its arguments (the application window shown, the icon added with no
// tip, the tip set, the icon added again and refused, the window shown
// again), before the timer and the minimise of the loop's start.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

namespace {

const char kContainer[] = "TFloorContainer";
const char kGothic[] = "ＭＳ ゴシック";

// Fonts are shared by face, height and style, made on first use.
struct FontEntry {
  const char* Face;
  int Height;
  unsigned Style;  // 1 bold, 2 italic
  HFONT Handle;
};
FontEntry fonts[8];
int fontCount = 0;

HFONT Font(const char* face, int height, unsigned style) {
  for (int i = 0; i < fontCount; ++i)
    if (fonts[i].Face == face && fonts[i].Height == height && fonts[i].Style == style) return fonts[i].Handle;
  HFONT h = CreateFontA(-height, 0, 0, 0, (style & 1) ? FW_BOLD : FW_NORMAL, (style & 2) ? TRUE : FALSE, FALSE, FALSE,
                        SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        DEFAULT_PITCH | FF_DONTCARE, face);
  fonts[fontCount++] = {face, height, style, h};
  return h;
}

HINSTANCE inst;

HWND Child(HWND parent, const char* cls, const char* text, DWORD style, DWORD exStyle, int x, int y, int w, int h,
           HFONT font) {
  HWND c = CreateWindowExA(exStyle, cls, text, style | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, x, y, w, h, parent,
                           nullptr, inst, nullptr);
  SendMessageA(c, WM_SETFONT, WPARAM(font), FALSE);
  return c;
}

HWND Container(HWND parent, const char* text, int x, int y, int w, int h, HFONT font) {
  return Child(parent, kContainer, text, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, x, y, w, h, font);
}

// A group box of radio buttons, laid out from its font's height.
HWND RadioGroup(HWND parent, const char* text, int x, int y, int w, int h, HFONT font, const char* const* items,
                int n, int checked) {
  HWND g = Container(parent, text, x, y, w, h, font);
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  const int room = h - tm.tmHeight - 5, each = room / n, top = tm.tmHeight + 1 + (room % n) / 2;
  for (int i = 0; i < n; ++i) {
    HWND b = Child(g, "BUTTON", items[i], BS_RADIOBUTTON | (i == checked ? WS_TABSTOP : 0), 0, 8, i * each + top,
                   w - 10, each, font);
    SendMessageA(b, BM_SETCHECK, i == checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  return g;
}

LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(w, m, wp, lp);
}

#ifdef FLOOR_START_SEQUENCE
// The minimise as Sorvane's loop starts it: with the minimise animation off
// while it runs.
void MinimizeNoAnimate(HWND w) {
  ANIMATIONINFO ai{sizeof ai, 0};
  SystemParametersInfoA(SPI_GETANIMATION, sizeof ai, &ai, 0);
  const int was = ai.iMinAnimate;
  if (was) {
    ai.iMinAnimate = 0;
    SystemParametersInfoA(SPI_SETANIMATION, sizeof ai, &ai, 0);
  }
  ShowWindow(w, SW_MINIMIZE);
  if (was) {
    ai.iMinAnimate = was;
    SystemParametersInfoA(SPI_SETANIMATION, sizeof ai, &ai, 0);
  }
}
#endif

HWND MainWindow(HWND owner) {
  const DWORD style = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN | DS_MODALFRAME;
  const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
  RECT r{0, 0, 529, 422};
  AdjustWindowRectEx(&r, style, FALSE, exStyle);
  HWND form = CreateWindowExA(exStyle, kContainer, "Floor", style, 0, 0, r.right - r.left, r.bottom - r.top, owner,
                              nullptr, inst, nullptr);
  const HFONT normal = Font(kGothic, 15, 0), command = Font(kGothic, 18, 1), group = Font(kGothic, 17, 0),
              origin = Font(kGothic, 15, 1);
  SendMessageA(form, WM_SETFONT, WPARAM(normal), FALSE);

  const DWORD push = BS_PUSHBUTTON | WS_TABSTOP, check = BS_CHECKBOX | WS_TABSTOP, edit = ES_AUTOHSCROLL | WS_TABSTOP;
  Child(form, "BUTTON", "実行(&X)", push, 0, 8, 280, 97, 33, command);
  Child(form, "BUTTON", "取消(&C)", push, 0, 8, 328, 97, 33, command);
  Child(form, "BUTTON", "終了(&Q)", push, 0, 8, 376, 97, 33, command);

  HWND tab = Child(form, WC_TABCONTROLA, "", TCS_MULTILINE | WS_CLIPCHILDREN | WS_TABSTOP, WS_EX_CONTROLPARENT, 112, 8,
                   409, 409, normal);
  const char* const captions[] = {"壁紙候補　", "自動変更の設定　", "主張箱　"};
  HWND pages[3];
  for (int i = 0; i < 3; ++i) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(captions[i]);
    SendMessageA(tab, TCM_INSERTITEMA, WPARAM(i), LPARAM(&item));
    RECT p{0, 0, 409, 409};
    SendMessageA(tab, TCM_ADJUSTRECT, FALSE, LPARAM(&p));
    pages[i] = Container(tab, "", p.left, p.top, p.right - p.left, p.bottom - p.top, normal);
    if (i) ShowWindow(pages[i], SW_HIDE);
  }

  HWND list = pages[0];
  Child(list, "LISTBOX", "", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 16, 16, 369,
        113, normal);
  Child(list, "BUTTON", "選択画像", push, 0, 216, 136, 97, 25, normal);
  Child(list, "BUTTON", "全て", push, 0, 328, 136, 57, 25, normal);
  const char* const styles[] = {"壁紙なし", "画面中央", "タイル状", "全面拡大"};
  RadioGroup(list, "表示形式　", 8, 176, 121, 113, group, styles, 4, 1);
  Child(list, "BUTTON", "配置基準点指定　", check, 0, 16, 296, 153, 17, group);
  Child(list, "EDIT", "0", edit, 0, 40, 328, 57, 17, origin);
  Child(list, "EDIT", "0", edit, 0, 120, 328, 57, 17, origin);
  Child(list, "EDIT", "　", ES_AUTOHSCROLL | WS_BORDER | WS_DISABLED, 0, 144, 216, 49, 21, normal);
  Child(list, "BUTTON", "設定", push, 0, 144, 248, 49, 25, normal);
  Child(list, "BUTTON", "自動変更　", check, 0, 248, 344, 105, 17, command);

  HWND config = pages[1];
  const char* const orders[] = {"リスト順　", "ランダム　"};
  RadioGroup(config, "表示順　", 24, 32, 137, 73, group, orders, 2, 0);
  HWND freq = Child(config, "SCROLLBAR", "", SBS_HORZ | WS_TABSTOP, 0, 40, 248, 160, 20, normal);
  SetScrollRange(freq, SB_CTL, 1, 1440, FALSE);
  SetScrollPos(freq, SB_CTL, 1, TRUE);
  Child(config, "EDIT", "1", edit, WS_EX_CLIENTEDGE, 88, 216, 65, 23, normal);

  Container(pages[2], "　", 16, 24, 369, 209, normal);
  return form;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  inst = instance;
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES};
  InitCommonControlsEx(&icc);

  WNDCLASSA wc{};
  wc.lpfnWndProc = Proc;
  wc.hInstance = inst;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = "TFloorApp";
  RegisterClassA(&wc);
  wc.lpszClassName = "TFloorTray";
  RegisterClassA(&wc);
  wc.lpfnWndProc = DefWindowProcA;
  wc.style = CS_DBLCLKS;
  wc.hbrBackground = HBRUSH(COLOR_BTNFACE + 1);
  wc.lpszClassName = kContainer;
  RegisterClassA(&wc);

  // Zero size and centred, so never seen; it owns the main window.
  HWND app = CreateWindowExA(0, "TFloorApp", "Floor", WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                             GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr,
                             nullptr, inst, nullptr);
  HMENU sys = GetSystemMenu(app, FALSE);
  DeleteMenu(sys, SC_MAXIMIZE, MF_BYCOMMAND);
  DeleteMenu(sys, SC_SIZE, MF_BYCOMMAND);
  HWND form = MainWindow(app);  // stays hidden

  HWND tray = CreateWindowExA(WS_EX_TOOLWINDOW, "TFloorTray", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, inst, nullptr);
  NOTIFYICONDATAA nid{};
  nid.cbSize = NOTIFYICONDATAA_V1_SIZE;
  nid.hWnd = tray;
  nid.uID = 1;
  nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  nid.uCallbackMessage = WM_APP + 100;
  nid.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
#ifdef FLOOR_START_SEQUENCE
  // The tray component's loading; the second add is refused by the shell.
  ShowWindow(app, SW_SHOW);
  Shell_NotifyIconA(NIM_ADD, &nid);
  lstrcpyA(nid.szTip, "Sorvane");
  Shell_NotifyIconA(NIM_MODIFY, &nid);
  Shell_NotifyIconA(NIM_ADD, &nid);
  ShowWindow(app, SW_SHOW);
  SetTimer(tray, 1, 60000, nullptr);
  MinimizeNoAnimate(app);
#else
  lstrcpyA(nid.szTip, "Floor");
  Shell_NotifyIconA(NIM_ADD, &nid);
  SetTimer(tray, 1, 60000, nullptr);
  ShowWindow(app, SW_MINIMIZE);
#endif

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (IsDialogMessageA(form, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  Shell_NotifyIconA(NIM_DELETE, &nid);
  return 0;
}
