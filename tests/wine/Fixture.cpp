#include "Fixture.h"

#include <fstream>

namespace {
const char kDesktop[] = "Control Panel\\desktop";
}

void SorvaneTest::CreateForm() {
  App = new TApplication();
  TestPlatform().Box = [this](TBoxKind kind, const std::string& text) {
    Boxes.push_back({kind, text});
    return NextAnswer;
  };
  App->SetTitle("Sorvane");
  Form = App->CreateForm<TForm1>();
  // Under a heavily loaded machine Wine's desktop has been seen to refuse a
  // new process its windows; say so instead of failing on every check.
  if (!Form->Handle() || !Form->ListBox->Handle())
    ADD_FAILURE() << "the main window or its controls could not be created (error " << GetLastError() << ")";
}

void SorvaneTest::TearDown() {
  // Whatever the test did, the list box shows the candidate list exactly.
  if (Form && Form->ListBox->Handle()) {
    EXPECT_EQ(ShownLines(Form->ListBox->Handle()), Form->Candidates().Paths()) << "the list box's lines";
    EXPECT_EQ(ShownSelection(Form->ListBox->Handle()), Form->Candidates().Selected()) << "the list box's selection";
  }
  TestPlatform().Box = nullptr;
  delete App;
  App = nullptr;
  Form = nullptr;
  if (!FTempDir.empty()) {
    std::string cmd = FTempDir;
    // Remove the files this test made; folders stay empty in the prefix.
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((FTempDir + "\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
      do {
        const std::string p = FTempDir + "\\" + fd.cFileName;
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
          SetFileAttributesA(p.c_str(), FILE_ATTRIBUTE_NORMAL);
          DeleteFileA(p.c_str());
        }
      } while (FindNextFileA(h, &fd));
      FindClose(h);
    }
  }
}

std::vector<std::string> SorvaneTest::ShownLines(HWND list) {
  std::vector<std::string> lines;
  const int n = int(SendMessageA(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < n; ++i) {
    std::string s(std::size_t(SendMessageA(list, LB_GETTEXTLEN, WPARAM(i), 0)) + 1, '\0');
    s.resize(std::size_t(SendMessageA(list, LB_GETTEXT, WPARAM(i), LPARAM(s.data()))));
    lines.push_back(s);
  }
  return lines;
}

int SorvaneTest::ShownSelection(HWND list) { return int(SendMessageA(list, LB_GETCURSEL, 0, 0)); }

std::string SorvaneTest::IniPath() {
  char path[MAX_PATH + 1] = {};
  const DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  CharUpperBuffA(path, n);
  std::string s(path, n);
  return s.substr(0, s.find(".EXE") + 1) + "INI";
}

void SorvaneTest::WriteIni(const std::string& content, const std::string& p) {
  SetFileAttributesA(p.c_str(), FILE_ATTRIBUTE_NORMAL);
  HANDLE h = CreateFileA(p.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(h, content.data(), DWORD(content.size()), &written, nullptr);
  CloseHandle(h);
}

std::string SorvaneTest::ReadIni(const std::string& path) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return {};
  std::string s(GetFileSize(h, nullptr), '\0');
  DWORD got = 0;
  ReadFile(h, s.data(), DWORD(s.size()), &got, nullptr);
  CloseHandle(h);
  s.resize(got);
  return s;
}

void SorvaneTest::RemoveIni() {
  SetFileAttributesA(IniPath().c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileA(IniPath().c_str());
}

void SorvaneTest::SetDesktopValue(const char* name, const std::string& value) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kDesktop, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), DWORD(value.size() + 1));
  RegCloseKey(key);
}

void SorvaneTest::DeleteDesktopValue(const char* name) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kDesktop, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
  RegDeleteValueA(key, name);
  RegCloseKey(key);
}

std::string SorvaneTest::DesktopValue(const char* name, bool* exists) {
  if (exists) *exists = false;
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kDesktop, 0, KEY_READ, &key) != ERROR_SUCCESS) return {};
  char buf[2048] = {};
  DWORD size = sizeof buf - 1, type = 0;
  const LONG r = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buf), &size);
  RegCloseKey(key);
  if (r != ERROR_SUCCESS) return {};
  if (exists) *exists = true;
  return std::string(buf);
}

std::string SorvaneTest::TempDir() {
  if (FTempDir.empty()) {
    char base[MAX_PATH] = {};
    GetTempPathA(sizeof base, base);
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    FTempDir = std::string(base) + "sorvane_" + info->test_suite_name() + "_" + info->name();
    CreateDirectoryA(FTempDir.c_str(), nullptr);
  }
  return FTempDir;
}

std::string SorvaneTest::TempFile(const std::string& name, const std::string& content) {
  const std::string p = TempDir() + "\\" + name;
  HANDLE h = CreateFileA(p.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    WriteFile(h, content.data(), DWORD(content.size()), &written, nullptr);
    CloseHandle(h);
  }
  return p;
}

void SorvaneTest::Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}
