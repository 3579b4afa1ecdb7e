// The ANSI form of wide paths, on the platform's own file names.
#include <gtest/gtest.h>
#include <windows.h>

#include "base/AnsiPath.h"

namespace {

std::wstring LongPathOf(const std::wstring& path) {
  wchar_t buf[1024] = {};
  const DWORD n = GetLongPathNameW(path.c_str(), buf, 1024);
  return n > 0 && n < 1024 ? buf : L"";
}

std::wstring WideOf(const std::string& ansi) {
  wchar_t buf[1024] = {};
  MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, buf, 1024);
  return buf;
}

}  // namespace

TEST(AnsiPath, ANameTheCodePageSpellsStaysAndOtherNamesGetAFormThatReachesTheFile) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring plain = std::wstring(temp) + L"ansipath", odd = plain + L"\\사진 앱";
  CreateDirectoryW(plain.c_str(), nullptr);
  CreateDirectoryW(odd.c_str(), nullptr);
  const std::wstring spelled = plain + L"\\表紙 A.bmp", cafe = plain + L"\\café.bmp",
                     longName = odd + L"\\Sea-3.0.2 long.bmp", missing = odd + L"\\없다.bmp";
  for (const std::wstring& f : {spelled, cafe, longName})
    CloseHandle(CreateFileW(f.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));

  char tempA[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, tempA);
  EXPECT_EQ(sorvane::AnsiPathOf(spelled), std::string(tempA) + "ansipath\\表紙 A.bmp");
  // The look-alike "cafe.bmp" would name another file.
  const auto c = sorvane::AnsiPathOf(cafe);
  ASSERT_TRUE(c);
  EXPECT_EQ(LongPathOf(WideOf(*c)), LongPathOf(cafe)) << *c;
  // Only the folder is shortened: the file keeps its long name.
  const auto l = sorvane::AnsiPathOf(longName);
  ASSERT_TRUE(l);
  EXPECT_TRUE(l->ends_with("\\Sea-3.0.2 long.bmp")) << *l;
  EXPECT_EQ(LongPathOf(WideOf(*l)), LongPathOf(longName)) << *l;
  // No file, no short form.
  EXPECT_FALSE(sorvane::AnsiPathOf(missing));
}
