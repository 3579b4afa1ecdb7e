#include "base/AnsiPath.h"

#include <windows.h>

namespace sorvane {

namespace {

std::string Convert(std::wstring_view text, DWORD flags, BOOL* lost) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(CP_ACP, flags, text.data(), int(text.size()), nullptr, 0, nullptr, lost);
  if (n <= 0) return {};
  std::string s(std::size_t(n), '\0');
  WideCharToMultiByte(CP_ACP, flags, text.data(), int(text.size()), s.data(), n, nullptr, lost);
  return s;
}

// The text in the ANSI code page, or nothing when a character would be lost.
std::optional<std::string> Spelled(std::wstring_view text) {
  // UTF-8 as the ANSI code page spells everything and takes neither the
  // flag nor the report.
  if (GetACP() == CP_UTF8) return Convert(text, 0, nullptr);
  BOOL lost = FALSE;
  std::string s = Convert(text, WC_NO_BEST_FIT_CHARS, &lost);
  if (lost || s.empty() != text.empty()) return std::nullopt;
  return s;
}

std::optional<std::string> ShortForm(const std::wstring& path) {
  const DWORD need = GetShortPathNameW(path.c_str(), nullptr, 0);
  if (need == 0) return std::nullopt;
  std::wstring s(need, L'\0');
  const DWORD got = GetShortPathNameW(path.c_str(), s.data(), need);
  if (got == 0 || got >= need) return std::nullopt;
  s.resize(got);
  // Where the volume keeps no short names, the long ones come back.
  return Spelled(s);
}

}  // namespace

std::optional<std::string> AnsiPathOf(const std::wstring& path) {
  if (auto whole = Spelled(path)) return whole;
  // Only the folder is the problem: the file's own name stays as the user
  // sees it (and the executable's name still gives its settings file's).
  const std::size_t sep = path.find_last_of(L"\\/");
  if (sep != std::wstring::npos && sep > 0 && sep + 1 < path.size()) {
    const auto name = Spelled(std::wstring_view(path).substr(sep + 1));
    const auto folder = name ? ShortForm(path.substr(0, sep)) : std::nullopt;
    if (folder) return *folder + char(path[sep]) + *name;
  }
  return ShortForm(path);
}

std::string AnsiText(std::wstring_view text) { return Convert(text, 0, nullptr); }

}  // namespace sorvane
