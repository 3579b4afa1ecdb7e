#include "Fixture.h"

namespace {
// The lines the list box shows, read from the control.
std::vector<std::string> ShownLines(HWND list) {
  std::vector<std::string> lines;
  const int n = int(SendMessageA(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < n; ++i) {
    std::string s(std::size_t(SendMessageA(list, LB_GETTEXTLEN, WPARAM(i), 0)) + 1, '\0');
    s.resize(std::size_t(SendMessageA(list, LB_GETTEXT, WPARAM(i), LPARAM(s.data()))));
    lines.push_back(s);
  }
  return lines;
}
}  // namespace

void SorvaneTest::CreateApp(int answer) {
  App = new TApplication();
  TestPlatform().Box = [this, answer](TBoxKind kind, const std::string& text) {
    Boxes.push_back({kind, text});
    return answer;
  };
  App->SetTitle("Sorvane");
}

void SorvaneTest::CreateForm() {
  CreateApp();
  Form = App->CreateForm<TForm1>();
  // Under a heavily loaded machine Wine's desktop has been seen to refuse a
  // new process its windows; say so instead of failing on every check.
  if (!Form->Handle() || !Form->ListBox->Handle())
    ADD_FAILURE() << "the main window or its controls could not be created (error " << GetLastError() << ")";
}

void SorvaneTest::TearDown() {
  // Whatever the test did, the list box shows the candidate list exactly.
  if (HWND list = Form ? Form->ListBox->Handle() : nullptr) {
    EXPECT_EQ(ShownLines(list), Form->Candidates().Paths()) << "the list box's lines";
    EXPECT_EQ(int(SendMessageA(list, LB_GETCURSEL, 0, 0)), Form->Candidates().Selected()) << "the list box's selection";
  }
  TestPlatform().Box = nullptr;
  TestPlatform().FailedDestroys = 0;
  delete App;
  EXPECT_EQ(TestPlatform().FailedDestroys, 0) << "windows destroyed after they were gone";
  App = nullptr;
  Form = nullptr;
  TestPlatform().Wallpaper = nullptr;
  if (FTempDir.empty()) return;
  // Remove the files this test made; folders stay empty in the prefix.
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((FTempDir + "\\*").c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return;
  do {
    const std::string p = FTempDir + "\\" + fd.cFileName;
    if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
      SetFileAttributesA(p.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(p.c_str());
    }
  } while (FindNextFileA(h, &fd));
  FindClose(h);
}

void SorvaneTest::Reload() {
  Form->ClearCandidates();
  Guarded(Form, [&] { Form->LoadSettings(); });
}

void SorvaneTest::RecordWallpaper() {
  WallpaperCalls.clear();
  TestPlatform().Wallpaper = [](const char* path) { WallpaperCalls.push_back(path ? path : "(null)"); };
}

::testing::AssertionResult SorvaneTest::OneBox(const std::string& text, std::optional<TBoxKind> kind) const {
  if (Boxes.size() != 1) return ::testing::AssertionFailure() << Boxes.size() << " boxes";
  if (Boxes[0].Text != text || (kind && Boxes[0].Kind != *kind))
    return ::testing::AssertionFailure() << "a box of kind " << int(Boxes[0].Kind) << ": " << Boxes[0].Text;
  return ::testing::AssertionSuccess();
}

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

std::string SorvaneTest::ListSection(const std::vector<std::string>& paths, const std::string& count) {
  std::string s = "[List]\r\nCount=" + (count.empty() ? std::to_string(paths.size()) : count) + "\r\n";
  for (std::size_t i = 0; i < paths.size(); ++i) s += std::to_string(i + 1) + "=" + paths[i] + "\r\n";
  return s;
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
  WriteIni(content, p);
  return p;
}
