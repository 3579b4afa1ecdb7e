// The desktop values under HKEY_CURRENT_USER\Control panel\desktop, read and
// written as strings. Every key handle is owned by an object, so no path,
// the error paths included, leaves one open.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "base/Handle.h"
#include "settings/DesktopValues.h"

namespace sorvane {

// "Control panel" of the current user, opened (created when missing) for one
// half of LoadSettings or SaveSettings; each value goes through the subkey
// "desktop" (or "Colors"), opened for that one read or write.
class TDesktopRegistry : public TDesktopStore {
 public:
  TDesktopRegistry();

  // The value's text cut at its first zero byte; def when the subkey or the
  // value is missing. Raises EError for a value that is not a string, is
  // larger than 64 KiB or cannot be fetched.
  std::string ReadString(const char* name, const char* def) override;
  // Read wide and given in the ANSI form that reaches the file it names
  // (or, when none does, as ReadString gives it); empty when missing. Raises
  // as ReadString does.
  std::string ReadPath(const char* name) override;
  // Creates "desktop" when missing and sets the value as REG_SZ. Raises
  // EError when the subkey cannot be created or the value cannot be set.
  void WriteString(const char* name, const std::string& value) override;
  // The same under "Colors".
  void WriteColorString(const char* name, const std::string& value) override;

 private:
  void WriteValue(const char* subkey, const char* name, const std::string& value);
  // All access first, read access when that is refused.
  bool OpenSubkey(const char* subkey, TRegKey& key) const;
  TRegKey FControlPanel;
};

}  // namespace sorvane
