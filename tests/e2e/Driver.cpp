#include "Driver.h"

#include <shellapi.h>
#include <shlobj.h>

#include <cstdlib>

namespace {

struct EnumCtx {
  DWORD Pid;
  std::vector<HWND> Found;
};

BOOL CALLBACK CollectTopLevel(HWND w, LPARAM p) {
  auto* ctx = reinterpret_cast<EnumCtx*>(p);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  if (pid == ctx->Pid) ctx->Found.push_back(w);
  return TRUE;
}

BOOL CALLBACK CollectChild(HWND w, LPARAM p) {
  reinterpret_cast<std::vector<HWND>*>(p)->push_back(w);
  return TRUE;
}

std::string ExeFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, sizeof path);
  std::string s(path);
  return s.substr(0, s.rfind('\\'));
}

}  // namespace

TWidePath::TWidePath(const std::string& ansi) : W(ansi.size(), L'\0') {
  W.resize(size_t(MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), int(ansi.size()), W.data(), int(W.size()))));
}

DWORD Patience(DWORD ms) {
  static const DWORD factor = [] {
    char value[16] = {};
    GetEnvironmentVariableA("SORVANE_E2E_PATIENCE", value, sizeof value);
    const int n = atoi(value);
    return n > 1 ? DWORD(n) : 1u;
  }();
  return ms * factor;
}

std::string ProductFolder() {
  char path[MAX_PATH] = {};
  if (GetEnvironmentVariableA("SORVANE_E2E_PRODUCT_DIR", path, sizeof path)) return path;
  return ExeFolder();
}

std::string WindowText(HWND wnd) {
  // WM_GETTEXT, not GetWindowText: across processes the latter returns only
  // the stored caption, never an edit control's text. No SMTO_ABORTIFHUNG:
  // a box shown before its thread's first message read (an error at start,
  // seconds after the start on a slow machine) counts as hung to Wine.
  char buf[1024] = {};
  DWORD_PTR got = 0;
  SendMessageTimeoutA(wnd, WM_GETTEXT, sizeof buf, LPARAM(buf), SMTO_NORMAL, Patience(2000), &got);
  return buf;
}

std::string ClassName(HWND wnd) {
  char buf[256] = {};
  GetClassNameA(wnd, buf, sizeof buf);
  return buf;
}

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> v;
  EnumChildWindows(parent, CollectChild, LPARAM(&v));
  return v;
}

HWND FindChild(HWND parent, const std::string& cls, const std::string& text) {
  for (HWND w : Children(parent))
    if ((cls.empty() || ClassName(w) == cls) && WindowText(w) == text) return w;
  return nullptr;
}

void WriteFileBytes(const TWidePath& path, const std::string& bytes) {
  HANDLE h = CreateFileW(path.W.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD n = 0;
  WriteFile(h, bytes.data(), DWORD(bytes.size()), &n, nullptr);
  CloseHandle(h);
}

std::string ReadFileBytes(const std::string& path) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return {};
  std::string s(GetFileSize(h, nullptr), '\0');
  DWORD n = 0;
  ReadFile(h, s.data(), DWORD(s.size()), &n, nullptr);
  CloseHandle(h);
  return s;
}

void WriteList(const std::string& ini, const std::vector<std::string>& paths, const std::string& freq) {
  std::string s = "[List]\r\n";
  for (size_t k = 0; k < paths.size(); ++k) s += std::to_string(k + 1) + "=" + paths[k] + "\r\n";
  WriteFileBytes(ini, s + "Count=" + std::to_string(paths.size()) + "\r\n[Freq]\r\n" + freq);
}

void Click(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

bool CloseBox(HWND box, const std::string& button) {
  for (HWND w : Children(box))
    if (ClassName(w) == "Button" && (button.empty() || WindowText(w) == button)) {
      Click(w);
      return WaitFor([&] { return !IsWindow(box); }, 5000);
    }
  return false;
}

void Select(HWND list, int index, bool post) {
  SendMessageA(list, LB_SETCURSEL, WPARAM(index), 0);
  const WPARAM change = MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE);
  if (post) PostMessageA(GetParent(list), WM_COMMAND, change, LPARAM(list));
  else SendMessageA(GetParent(list), WM_COMMAND, change, LPARAM(list));
}

namespace {
void SendOne(INPUT in) {
  SendInput(1, &in, sizeof in);
  Sleep(30);
}
INPUT MouseInput(DWORD flags) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flags;
  return in;
}
INPUT KeyInput(WORD vk, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return in;
}
}  // namespace

void RealClick(HWND wnd, int x, int y) {
  POINT pt{x, y};
  ClientToScreen(wnd, &pt);
  SetCursorPos(pt.x, pt.y);
  Sleep(30);
  SendOne(MouseInput(MOUSEEVENTF_LEFTDOWN));
  SendOne(MouseInput(MOUSEEVENTF_LEFTUP));
  Sleep(150);
}

void RealKey(WORD vk, std::initializer_list<WORD> mods) {
  for (WORD m : mods) SendOne(KeyInput(m, false));
  SendOne(KeyInput(vk, false));
  SendOne(KeyInput(vk, true));
  for (WORD m : mods) SendOne(KeyInput(m, true));
  Sleep(100);
}

HWND FocusOf(HWND wnd) {
  GUITHREADINFO gti{};
  gti.cbSize = sizeof gti;
  GetGUIThreadInfo(GetWindowThreadProcessId(wnd, nullptr), &gti);
  return gti.hwndFocus;
}

std::vector<std::string> ListItems(HWND list) {
  std::vector<std::string> items;
  const int n = int(SendMessageA(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < n; ++i) {
    // Across processes Wine answers LB_GETTEXT in UTF-16 only.
    wchar_t w[1024] = {};
    SendMessageW(list, LB_GETTEXT, WPARAM(i), LPARAM(w));
    char a[2048] = {};
    WideCharToMultiByte(932, 0, w, -1, a, sizeof a, nullptr, nullptr);
    items.push_back(a);
  }
  return items;
}

std::string BitmapBytes(int w, int h) {
  const int stride = (w * 3 + 3) & ~3;
  std::string s(54 + stride * h, '\x40');
  auto put32 = [&](int at, unsigned v) {
    for (int i = 0; i < 4; ++i) s[size_t(at + i)] = char((v >> (8 * i)) & 0xFF);
  };
  for (int at = 2; at < 54; at += 4) put32(at, 0);
  s[0] = 'B';
  s[1] = 'M';
  put32(2, unsigned(s.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, unsigned(w));
  put32(22, unsigned(h));
  put32(26, 1 | (24u << 16));
  return s;
}

TSorvaneProcess::~TSorvaneProcess() {
  if (FPi.hProcess) {
    if (WaitForSingleObject(FPi.hProcess, 0) == WAIT_TIMEOUT) Kill();
    CloseHandle(FPi.hProcess);
    CloseHandle(FPi.hThread);
  }
}

std::string TSorvaneProcess::PrepareFolder(const std::string& name) {
  char temp[MAX_PATH] = {};
  GetTempPathA(sizeof temp, temp);
  const std::string folder = std::string(temp) + "sorvane_e2e_" + name;
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string ini = folder + "\\SORVANE.INI";
  SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileA(ini.c_str());
  CopyFileA((ProductFolder() + "\\Sorvane.exe").c_str(), (folder + "\\Sorvane.exe").c_str(), FALSE);
  return folder;
}

bool TSorvaneProcess::Start(const TWidePath& folder, int showCmd) {
  STARTUPINFOW si{};
  si.cb = sizeof si;
  if (showCmd >= 0) {
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = WORD(showCmd);
  }
  std::wstring cmd = L"\"" + folder.W + L"\\Sorvane.exe\"";
  return CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.W.c_str(), &si, &FPi) != 0;
}

bool TSorvaneProcess::WaitReady(DWORD ms) {
  return WaitFor([&] { return AppWindow() && MainWindow() && TrayWindow(); }, ms);
}

bool TSorvaneProcess::Attach(DWORD ms) {
  HWND app = nullptr;
  if (!WaitFor([&] { return (app = FindWindowA("TApplication", "Sorvane")) != nullptr; }, ms)) return false;
  GetWindowThreadProcessId(app, &FPi.dwProcessId);
  return WaitReady(ms);
}

bool TSorvaneProcess::Launch(const TWidePath& folder, int showCmd) { return Start(folder, showCmd) && WaitReady(); }

bool TSorvaneProcess::LaunchAndOpen(const TWidePath& folder) { return Launch(folder) && OpenWindow(); }

bool TSorvaneProcess::WaitExit(DWORD ms, DWORD* exitCode) {
  if (WaitForSingleObject(FPi.hProcess, Patience(ms)) != WAIT_OBJECT_0) return false;
  if (exitCode) GetExitCodeProcess(FPi.hProcess, exitCode);
  return true;
}

bool TSorvaneProcess::EndsWithStatusZero(DWORD ms) {
  DWORD code = 1;
  return WaitExit(ms, &code) && code == 0;
}

void TSorvaneProcess::Kill() {
  TerminateProcess(FPi.hProcess, 99);
  WaitForSingleObject(FPi.hProcess, Patience(5000));
}

std::vector<HWND> TSorvaneProcess::TopLevelWindows() const {
  EnumCtx ctx{FPi.dwProcessId, {}};
  EnumWindows(CollectTopLevel, LPARAM(&ctx));
  return ctx.Found;
}

HWND TSorvaneProcess::AppWindow() const {
  for (HWND w : TopLevelWindows())
    if (ClassName(w) == "TApplication") return w;
  return nullptr;
}

HWND TSorvaneProcess::MainWindow() const {
  HWND app = AppWindow();
  if (!app) return nullptr;
  for (HWND w : TopLevelWindows())
    if (GetWindow(w, GW_OWNER) == app && WindowText(w) == "Sorvane" && ClassName(w) == "TSorvaneContainer")
      return w;
  return nullptr;
}

HWND TSorvaneProcess::TrayWindow() const {
  for (HWND w : TopLevelWindows())
    if (ClassName(w) == "TPUtilWindow" && WindowText(w) == "TTaskBar") return w;
  return nullptr;
}

HWND TSorvaneProcess::WaitTopLevel(const std::string& caption, DWORD ms) const {
  HWND found = nullptr;
  WaitFor(
      [&] {
        for (HWND w : TopLevelWindows())
          if (WindowText(w) == caption && IsWindowVisible(w)) found = w;
        return found != nullptr;
      },
      ms);
  return found;
}

HWND TSorvaneProcess::WaitDialog(DWORD ms) const {
  HWND found = nullptr;
  WaitFor(
      [&] {
        for (HWND w : TopLevelWindows())
          if (ClassName(w) == "#32770" && IsWindowVisible(w)) found = w;
        return found != nullptr;
      },
      ms);
  return found;
}

HWND TSorvaneProcess::ClickForWarning(HWND button) const {
  Click(button);
  return WaitTopLevel("警告");
}

bool TSorvaneProcess::DropFiles(HWND target, const std::vector<TWidePath>& paths) const {
  DROPFILES head{};
  head.pFiles = sizeof head;
  head.fWide = TRUE;
  std::string block(reinterpret_cast<const char*>(&head), sizeof head);
  for (const TWidePath& path : paths) block.append(reinterpret_cast<const char*>(path.W.c_str()), 2 * path.W.size() + 2);
  block.append(2, '\0');
  // Wine carries no drop handle from one process to another (the shell's
  // drop reaches a program through its own process), so the block is
  // written straight into the receiver. Its DragFinish cannot free it.
  void* remote = VirtualAllocEx(FPi.hProcess, nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  SIZE_T written = 0;
  return remote && WriteProcessMemory(FPi.hProcess, remote, block.data(), block.size(), &written) &&
         written == block.size() && PostMessageA(target, WM_DROPFILES, WPARAM(remote), 0);
}

void TSorvaneProcess::TrayMouse(UINT mouseMsg) const {
  PostMessageA(TrayWindow(), WM_APP + 100, 1, LPARAM(mouseMsg));
}

bool TSorvaneProcess::OpenWindow() {
  HWND main = MainWindow();
  TrayMouse(WM_LBUTTONDOWN);
  TrayMouse(WM_LBUTTONUP);
  // The first showing ends in the tray again, with the taskbar button hidden.
  if (!WaitFor([&] { return !IsWindowVisible(AppWindow()); }, 10000)) return false;
  TrayMouse(WM_LBUTTONDOWN);
  TrayMouse(WM_LBUTTONUP);
  return WaitFor([&] { return IsWindowVisible(main) != 0; }, 10000);
}

bool TSorvaneProcess::ChooseQuitFromTrayMenu() const {
  TrayMouse(WM_RBUTTONDOWN);
  TrayMouse(WM_RBUTTONUP);
  HWND menu = nullptr;
  if (!WaitFor([&] { return (menu = FindWindowA("#32768", nullptr)) && IsWindowVisible(menu); }, 5000)) return false;
  PostMessageA(menu, WM_KEYDOWN, VK_END, 0);
  PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
  return true;
}

bool TrayShowsAnIcon() {
  HWND tray = FindWindowA("Shell_TrayWnd", nullptr);
  if (!tray || !IsWindowVisible(tray)) return false;
  RECT r;
  GetWindowRect(tray, &r);
  HDC dc = GetDC(nullptr);
  // The icons stand at the right end; further left is the bare bar.
  const COLORREF bar = GetPixel(dc, r.right - 60, (r.top + r.bottom) / 2);
  int differing = 0;
  for (int x = r.right - 24; x < r.right; ++x)
    for (int y = r.top; y < r.bottom; ++y) differing += GetPixel(dc, x, y) != bar;
  ReleaseDC(nullptr, dc);
  return differing > 20;
}

bool RemoveTrayIcon(HWND trayWindow) {
  NOTIFYICONDATAA d{};
  d.cbSize = NOTIFYICONDATAA_V1_SIZE;
  d.hWnd = trayWindow;
  d.uID = 1;
  return Shell_NotifyIconA(NIM_DELETE, &d) != FALSE;
}
