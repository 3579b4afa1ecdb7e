#include "settings/Registry.h"

#include "base/Platform.h"

#include <optional>

#include "base/AnsiPath.h"
#include "base/Error.h"
#include "base/Mbcs.h"

namespace sorvane {

namespace {

const char kDesktop[] = "desktop";
const char kColors[] = "Colors";

bool IsStringType(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

// No desktop value means anything beyond this; a larger one is refused
// rather than allocated (in a 32-bit process it may not even fit).
constexpr DWORD kMaxRegValueBytes = 64u << 10;

[[noreturn]] void FetchFailed(const char* name) { throw EError(FormatS("'%s' の取得に失敗しました", name)); }

[[noreturn]] void BadType(const char* name) { throw EError(FormatS("'%s' のﾃﾞｰﾀ型が不正です", name)); }

LONG QueryValue(HKEY key, const char* name, DWORD* type, void* data, DWORD* size) {
  return RegQueryValueExA(key, name, nullptr, type, static_cast<BYTE*>(data), size);
}

LONG QueryValue(HKEY key, const wchar_t* name, DWORD* type, void* data, DWORD* size) {
  return RegQueryValueExW(key, name, nullptr, type, static_cast<BYTE*>(data), size);
}

// A string value's text cut at its first zero character; nothing when the
// value is missing. Raises, naming shownName, for a value that is not a
// string, is larger than 64 Ki characters or cannot be fetched.
template <class Char>
std::optional<std::basic_string<Char>> FetchString(HKEY key, const Char* name, const char* shownName) {
  DWORD type = 0, size = 0;
  if (QueryValue(key, name, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
  if (!IsStringType(type)) BadType(shownName);
  if (size == 0) return std::basic_string<Char>();
  if (size > kMaxRegValueBytes * sizeof(Char)) FetchFailed(shownName);
  Platform().BeforeRegFetch(key, shownName);
  std::basic_string<Char> data(size / sizeof(Char) + 1, Char());
  DWORD got = size;
  if (QueryValue(key, name, &type, data.data(), &got) != ERROR_SUCCESS) FetchFailed(shownName);
  if (!IsStringType(type)) BadType(shownName);
  data.resize((got < size ? got : size) / sizeof(Char));
  const std::size_t zero = data.find(Char());
  if (zero != std::basic_string<Char>::npos) data.resize(zero);
  return data;
}

}  // namespace

TDesktopRegistry::TDesktopRegistry() {
  HKEY key = nullptr;
  // Left closed when it cannot be created: every read then gives its default
  // and the first write reports that "desktop" cannot be created.
  if (RegCreateKeyExA(HKEY_CURRENT_USER, "Control panel", 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                      nullptr, &key, nullptr) == ERROR_SUCCESS)
    FControlPanel.Reset(key);
}

bool TDesktopRegistry::OpenSubkey(const char* subkey, TRegKey& key) const {
  for (const REGSAM access : {REGSAM(KEY_ALL_ACCESS), REGSAM(KEY_READ)}) {
    HKEY h = nullptr;
    if (RegOpenKeyExA(FControlPanel.Get(), subkey, 0, access, &h) == ERROR_SUCCESS) {
      key.Reset(h);
      return true;
    }
  }
  return false;
}

std::string TDesktopRegistry::ReadString(const char* name, const char* def) {
  TRegKey key;
  if (!FControlPanel || !OpenSubkey(kDesktop, key)) return def;
  const auto value = FetchString(key.Get(), name, name);
  return value ? *value : def;
}

std::string TDesktopRegistry::ReadPath(const char* name) {
  TRegKey key;
  if (!FControlPanel || !OpenSubkey(kDesktop, key)) return {};
  const std::wstring wideName(name, name + std::char_traits<char>::length(name));
  const auto value = FetchString(key.Get(), wideName.c_str(), name);
  if (!value) return {};
  // The ANSI read would give "?" (or a look-alike) for a character outside
  // the code page; the form that reaches the file goes in its place, and
  // when there is none, the text the ANSI read gives.
  const auto reach = AnsiPathOf(*value);
  return reach ? *reach : AnsiText(*value);
}

void TDesktopRegistry::WriteString(const char* name, const std::string& value) { WriteValue(kDesktop, name, value); }

void TDesktopRegistry::WriteColorString(const char* name, const std::string& value) {
  WriteValue(kColors, name, value);
}

void TDesktopRegistry::WriteValue(const char* subkey, const char* name, const std::string& value) {
  {
    HKEY h = nullptr;
    if (!FControlPanel ||
        RegCreateKeyExA(FControlPanel.Get(), subkey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &h,
                        nullptr) != ERROR_SUCCESS)
      throw EError(FormatS("ｷｰ %s の作成に失敗しました", subkey));
    TRegKey created;
    created.Reset(h);
  }
  TRegKey key;
  // A subkey that exists but cannot be opened cannot take the value either.
  if (!OpenSubkey(subkey, key) || RegSetValueExA(key.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                          DWORD(value.size() + 1)) != ERROR_SUCCESS)
    throw EError(FormatS("'%s' の設定に失敗しました", name));
}

}  // namespace sorvane
