// The settings file, reached only through the private-profile calls; nothing
// is held open between two calls.
#pragma once
#include <cstdint>
#include <string>

#include "settings/StoredSettings.h"

namespace sorvane {

class TIniFile : public TProfile {
 public:
  // Write errors name shownName (the file the user knows) when it is given.
  explicit TIniFile(std::string fileName, std::string shownName = {})
      : FFileName(std::move(fileName)), FShownName(std::move(shownName)) {}

  // The whole section, in a buffer sized from the file.
  bool ReadSection(const char* section, std::string& lines) const override;
  // At most 1023 bytes; def when the file, section or key is missing.
  std::string ReadString(const char* section, const char* key, const char* def) const override;
  bool HasSection(const char* section) const override;
  // Each raises EError "<file> に書き込めません" when the platform refuses.
  void WriteSection(const char* section, const std::string& lines) const override;
  void WriteString(const char* section, const char* key, const std::string& value) const override;
  void EraseSection(const char* section) const override;

 private:
  // A section's lines, or with no section the file's section names, in a
  // buffer large enough for all of them; false when none is.
  bool ReadList(const char* section, std::string& list) const;
  [[noreturn]] void WriteFailed() const;
  std::string FFileName;
  std::string FShownName;
};

// Saving a settings file as one step: the writes go to a copy beside the
// file (hand-made sections and keys come along), which then replaces the
// file at once, so a save that fails or is cut short leaves the old file
// whole. Where no copy can be made (a folder that refuses new files, a
// read-only file) the writes go to the file itself, as the profile calls
// would have it.
class TIniReplacement {
 public:
  explicit TIniReplacement(std::string fileName);
  ~TIniReplacement();  // a copy that was not committed is removed
  TIniReplacement(const TIniReplacement&) = delete;
  TIniReplacement& operator=(const TIniReplacement&) = delete;
  // Where the writes go.
  const std::string& Name() const { return FCopy.empty() ? FFileName : FCopy; }
  // Puts the copy in the file's place; raises "<file> に書き込めません" when
  // the file cannot be replaced (held open by another program), leaving it
  // as it was.
  void Commit();

 private:
  std::string FFileName;
  std::string FCopy;  // empty: the writes go to the file itself
};

}  // namespace sorvane
