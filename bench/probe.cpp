// Starts Sorvane.exe and the floor program under the same conditions and
// measures them from outside. Prints "metric value" lines for bench/run.sh.
//   probe SORVANE.EXE FLOOR.EXE IDLE_SECONDS
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

double Now() {
  static LARGE_INTEGER f{};
  if (!f.QuadPart) QueryPerformanceFrequency(&f);
  LARGE_INTEGER c;
  QueryPerformanceCounter(&c);
  return double(c.QuadPart) * 1000.0 / double(f.QuadPart);
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

std::string ReadLinuxFile(const std::string& path) {
  HANDLE h = CreateFileA(("Z:" + path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return {};
  std::string s;
  char buf[4096];
  DWORD n = 0;
  while (ReadFile(h, buf, sizeof buf, &n, nullptr) && n) s.append(buf, n);
  CloseHandle(h);
  return s;
}

// The Linux process whose command line names this Windows executable.
int UnixPid(const std::string& exeName) {
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA("Z:\\proc\\*", &fd);
  int found = 0;
  if (h == INVALID_HANDLE_VALUE) return 0;
  do {
    const int pid = atoi(fd.cFileName);
    if (pid <= 0) continue;
    std::string cmd = ReadLinuxFile("\\proc\\" + std::string(fd.cFileName) + "\\cmdline");
    std::replace(cmd.begin(), cmd.end(), '\0', ' ');
    if (cmd.find(exeName) != std::string::npos && cmd.find("probe") == std::string::npos) found = pid;
  } while (!found && FindNextFileA(h, &fd));
  FindClose(h);
  return found;
}

long StatusKb(int pid, const char* key) {
  const std::string s = ReadLinuxFile("\\proc\\" + std::to_string(pid) + "\\status");
  const size_t at = s.find(key);
  return at == std::string::npos ? -1 : atol(s.c_str() + at + strlen(key) + 1);
}

// utime + stime in clock ticks (1/100 s).
long CpuTicks(int pid) {
  const std::string s = ReadLinuxFile("\\proc\\" + std::to_string(pid) + "\\stat");
  size_t p = s.rfind(')');
  if (p == std::string::npos) return -1;
  std::vector<std::string> f;
  size_t i = p + 2;
  while (i < s.size()) {
    size_t j = s.find(' ', i);
    if (j == std::string::npos) j = s.size();
    f.push_back(s.substr(i, j - i));
    i = j + 1;
  }
  return f.size() > 12 ? atol(f[11].c_str()) + atol(f[12].c_str()) : -1;
}

struct EnumCtx {
  DWORD Pid;
  const char* Class;
  std::vector<HWND> Found;
};

BOOL CALLBACK CollectTop(HWND w, LPARAM p) {
  auto* c = reinterpret_cast<EnumCtx*>(p);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  char cls[128] = {};
  GetClassNameA(w, cls, sizeof cls);
  if (pid == c->Pid && (!c->Class || lstrcmpA(cls, c->Class) == 0)) c->Found.push_back(w);
  return TRUE;
}

std::vector<HWND> TopLevel(DWORD pid, const char* cls) {
  EnumCtx c{pid, cls, {}};
  EnumWindows(CollectTop, LPARAM(&c));
  return c.Found;
}

BOOL CALLBACK CollectChild(HWND w, LPARAM p) {
  reinterpret_cast<std::vector<HWND>*>(p)->push_back(w);
  return TRUE;
}

HWND Child(HWND parent, const char* cls, const char* text) {
  std::vector<HWND> v;
  EnumChildWindows(parent, CollectChild, LPARAM(&v));
  for (HWND w : v) {
    char c[128] = {}, t[256] = {};
    GetClassNameA(w, c, sizeof c);
    GetWindowTextA(w, t, sizeof t);
    if (lstrcmpiA(c, cls) == 0 && (!text || lstrcmpA(t, text) == 0)) return w;
  }
  return nullptr;
}

void WriteBmp(const std::string& path, int w, int h) {
  const DWORD stride = DWORD((w * 3 + 3) & ~3), size = stride * DWORD(h);
  BITMAPFILEHEADER fh{};
  BITMAPINFOHEADER ih{};
  fh.bfType = 0x4D42;
  fh.bfOffBits = sizeof fh + sizeof ih;
  fh.bfSize = fh.bfOffBits + size;
  ih.biSize = sizeof ih;
  ih.biWidth = w;
  ih.biHeight = h;
  ih.biPlanes = 1;
  ih.biBitCount = 24;
  std::vector<unsigned char> row(stride);
  for (DWORD x = 0; x < stride; ++x) row[x] = (unsigned char)(x * 7);
  HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD n;
  WriteFile(f, &fh, sizeof fh, &n, nullptr);
  WriteFile(f, &ih, sizeof ih, &n, nullptr);
  for (int y = 0; y < h; ++y) WriteFile(f, row.data(), stride, &n, nullptr);
  CloseHandle(f);
}

struct Proc {
  PROCESS_INFORMATION Pi{};
  int Unix = 0;
  double StartMs = 0;
};

Proc Launch(const std::string& exe, const char* trayClass) {
  Proc p;
  STARTUPINFOA si{sizeof si};
  std::string cmd = "\"" + exe + "\"";
  const std::string dir = exe.substr(0, exe.rfind('\\'));
  const double t0 = Now();
  if (!CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si, &p.Pi)) return p;
  WaitForInputIdle(p.Pi.hProcess, 30000);
  while (TopLevel(p.Pi.dwProcessId, trayClass).empty() && Now() - t0 < 30000) Sleep(1);
  WaitForInputIdle(p.Pi.hProcess, 30000);
  p.StartMs = Now() - t0;
  p.Unix = UnixPid(exe.substr(exe.rfind('\\') + 1));
  return p;
}

void End(Proc& p) {
  TerminateProcess(p.Pi.hProcess, 0);
  WaitForSingleObject(p.Pi.hProcess, 5000);
  CloseHandle(p.Pi.hProcess);
  CloseHandle(p.Pi.hThread);
}

void Print(const char* metric, double v) { printf("%s %.3f\n", metric, v); }

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) return 2;
  const std::string sorvane = argv[1], floorExe = argv[2];
  const int idleSeconds = atoi(argv[3]);
  const std::string dir = sorvane.substr(0, sorvane.rfind('\\'));

  // 73 entries: the large bitmap first, then small ones; automatic change on
  // with a period of 1440 minutes.
  const std::string big = dir + "\\big.bmp";
  if (GetFileAttributesA(big.c_str()) == INVALID_FILE_ATTRIBUTES) WriteBmp(big, 4000, 3000);
  std::string ini = "[List]\r\n";
  for (int k = 1; k <= 73; ++k) {
    std::string path = big;
    if (k > 1) {
      path = dir + "\\small" + std::to_string(k) + ".bmp";
      if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) WriteBmp(path, 64, 48);
    }
    ini += std::to_string(k) + "=" + path + "\r\n";
  }
  ini += "Count=73\r\n[Freq]\r\nOn=1\r\nMin=1440\r\nRandom=0\r\n";
  std::string iniPath = sorvane.substr(0, sorvane.rfind('.')) + ".INI";
  CharUpperBuffA(iniPath.data(), DWORD(iniPath.size()));
  HANDLE f = CreateFileA(iniPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD n;
  WriteFile(f, ini.data(), DWORD(ini.size()), &n, nullptr);
  CloseHandle(f);

  // The first window of a session waits for the desktop process to start;
  // a warm-up start keeps that out of both measurements.
  Proc warm = Launch(floorExe, "TFloorTray");
  End(warm);

  Proc s = Launch(sorvane, "TTaskBarWindow");
  Proc fl = Launch(floorExe, "TFloorTray");
  Print("start_ms.sorvane", s.StartMs);
  Print("start_ms.floor", fl.StartMs);
  Sleep(2000);
  Print("rss_anon_kb.sorvane", StatusKb(s.Unix, "RssAnon:"));
  Print("rss_anon_kb.floor", StatusKb(fl.Unix, "RssAnon:"));
  Print("vm_rss_kb.sorvane", StatusKb(s.Unix, "VmRSS:"));
  Print("vm_rss_kb.floor", StatusKb(fl.Unix, "VmRSS:"));

  // Idle: both wait side by side.
  const long c0s = CpuTicks(s.Unix), c0f = CpuTicks(fl.Unix);
  Sleep(DWORD(idleSeconds) * 1000);
  Print("idle_cpu_ms.sorvane", double(CpuTicks(s.Unix) - c0s) * 10.0);
  Print("idle_cpu_ms.floor", double(CpuTicks(fl.Unix) - c0f) * 10.0);
  End(fl);

  // Ticks: the minute timer's message, sent directly, 1000 times.
  std::vector<HWND> util = TopLevel(s.Pi.dwProcessId, "TPUtilWindow");
  double t0 = Now();
  for (int i = 0; i < 1000; ++i)
    for (HWND w : util) SendMessageA(w, WM_TIMER, 1, 0);
  Print("tick_us.sorvane", (Now() - t0) * 1000.0 / 1000.0);

  // Open the window from the tray (first click paints and returns to the tray).
  HWND tray = TopLevel(s.Pi.dwProcessId, "TTaskBarWindow").front();
  HWND app = TopLevel(s.Pi.dwProcessId, "TApplication").front();
  for (int i = 0; i < 2; ++i) {
    SendMessageA(tray, WM_APP + 100, 1, WM_LBUTTONDOWN);
    Sleep(500);
  }
  HWND main = nullptr;
  for (HWND w : TopLevel(s.Pi.dwProcessId, nullptr))
    if (GetWindow(w, GW_OWNER) == app && IsWindowVisible(w)) main = w;
  HWND list = main ? Child(main, "ListBox", nullptr) : nullptr;
  HWND none = main ? Child(main, "Button", "壁紙なし") : nullptr;
  HWND centre = main ? Child(main, "Button", "画面中央") : nullptr;
  if (list && none && centre) {
    std::vector<double> preview;
    for (int i = 0; i < 101; ++i) {
      if (i == 1) {
        Sleep(1000);
        Print("rss_anon_kb_open_one_preview.sorvane", StatusKb(s.Unix, "RssAnon:"));
      }
      SendMessageA(list, LB_SETCURSEL, 0, 0);
      const double p0 = Now();
      SendMessageA(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE), LPARAM(list));
      preview.push_back(Now() - p0);
      SendMessageA(none, BM_CLICK, 0, 0);    // style 0 clears the preview
      SendMessageA(centre, BM_CLICK, 0, 0);
    }
    Print("preview_ms.sorvane", Median(preview));
    Sleep(1000);
    Print("rss_anon_kb_after_previews.sorvane", StatusKb(s.Unix, "RssAnon:"));
    Print("vm_rss_kb_after_previews.sorvane", StatusKb(s.Unix, "VmRSS:"));
  } else {
    printf("error could not open the window (main %p list %p)\n", (void*)main, (void*)list);
  }
  End(s);

  // A change on every tick: the same list with a period of 1 minute.
  {
    std::string one = ini;
    one.replace(one.find("Min=1440"), 8, "Min=1");
    HANDLE g = CreateFileA(iniPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    WriteFile(g, one.data(), DWORD(one.size()), &n, nullptr);
    CloseHandle(g);
    Proc c = Launch(sorvane, "TTaskBarWindow");
    std::vector<HWND> timers = TopLevel(c.Pi.dwProcessId, "TPUtilWindow");
    std::vector<double> change;
    for (int i = 0; i < 20; ++i) {
      const double p0 = Now();
      for (HWND w : timers) SendMessageA(w, WM_TIMER, 1, 0);
      change.push_back(Now() - p0);
    }
    Print("change_ms.sorvane", Median(change));
    End(c);
  }

  // The platform's own loading of the same file.
  std::vector<double> load;
  for (int i = 0; i < 10; ++i) {
    const double p0 = Now();
    HANDLE h = LoadImageA(nullptr, big.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    load.push_back(Now() - p0);
    DeleteObject(h);
  }
  Print("platform_load_ms", Median(load));
  return 0;
}
