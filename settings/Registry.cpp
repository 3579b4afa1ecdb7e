#include "settings/Registry.h"

#include "base/Platform.h"

#include "base/Error.h"
#include "base/Mbcs.h"

namespace sorvane {

namespace {

const char kDesktop[] = "desktop";
const char kColors[] = "Colors";

bool IsStringType(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

// No desktop value means anything beyond this; a larger one is refused
// rather than allocated (in a 32-bit process it may not even fit).
constexpr DWORD kMaxValueBytes = 64u << 10;

[[noreturn]] void FetchFailed(const char* name) { throw EError(FormatS("'%s' の取得に失敗しました", name)); }

[[noreturn]] void BadType(const char* name) { throw EError(FormatS("'%s' のﾃﾞｰﾀ型が不正です", name)); }

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
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(key.Get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return def;
  if (!IsStringType(type)) BadType(name);
  if (size == 0) return {};
  if (size > kMaxValueBytes) FetchFailed(name);
  Platform().BeforeRegFetch(key.Get(), name);
  std::string data(size, '\0');
  DWORD got = size;
  if (RegQueryValueExA(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &got) !=
      ERROR_SUCCESS)
    FetchFailed(name);
  if (!IsStringType(type)) BadType(name);
  data.resize(got < size ? got : size);
  const std::size_t zero = data.find('\0');
  if (zero != std::string::npos) data.resize(zero);
  return data;
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
