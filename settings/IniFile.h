// The settings file, reached only through the private-profile calls; nothing
// is held open between two calls.
#pragma once
#include <cstdint>
#include <string>

namespace sorvane {

class TIniFile {
 public:
  explicit TIniFile(std::string fileName) : FFileName(std::move(fileName)) {}

  // At most 1023 bytes; def when the file, section or key is missing.
  std::string ReadString(const char* section, const std::string& key, const std::string& def) const;
  // The text converted like every stored number; def when it is no number.
  std::int32_t ReadInteger(const char* section, const std::string& key, std::int32_t def) const;
  // Each raises EError "<file> に書き込めません" when the platform refuses.
  void WriteString(const char* section, const std::string& key, const std::string& value) const;
  void EraseSection(const char* section) const;

 private:
  [[noreturn]] void WriteFailed() const;
  std::string FFileName;
};

}  // namespace sorvane
