// The settings file, reached only through the private-profile calls; nothing
// is held open between two calls.
#pragma once
#include <cstddef>
#include <string>

#include "settings/StoredSettings.h"

namespace sorvane {

// Larger settings files are not read; the program writes a few kilobytes.
constexpr std::size_t kMaxSettingsBytes = 16u << 20;

// Raises EError "<fileName> に書き込めません".
[[noreturn]] void CannotWrite(const std::string& fileName);

// The file the profile calls take for name: a name without a folder is one
// in the Windows folder.
std::string ProfilePath(const std::string& name);

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

// Saving a settings file as one step. The writes go to a copy of the file
// (hand-made sections and keys come along), which is read back and must
// hold what was to be stored before it takes the file's place: a full disk
// that cuts the copy or a save that fails leaves the old file byte for
// byte. The copy lives beside the file and replaces it by a rename, so
// that even a process ended in the middle of the save leaves the old file
// or the new one, whole. Where the folder takes no new file (a prepared
// file in a protected folder) the copy lives in the temporary folder and
// its bytes go over the file's own, those past the old end first, so that
// a disk too full for them is found before any old byte is overwritten;
// there a process ended between those two writes, or the power lost, can
// leave the old file's head before the new file's tail.
class TIniReplacement {
 public:
  // Raises "<file> に書き込めません" when no copy can be made anywhere, or
  // the file is read-only.
  explicit TIniReplacement(const std::string& fileName);
  ~TIniReplacement();  // the copy goes, whatever happened
  TIniReplacement(const TIniReplacement&) = delete;
  TIniReplacement& operator=(const TIniReplacement&) = delete;
  // Where the writes go.
  const std::string& Name() const { return FCopy; }
  // Puts the copy in the file's place once it holds s as stored, read
  // through copy (the way the writes went); raises "<file> に書き込めません"
  // when it does not, or when the file cannot be replaced (held open by
  // another program), leaving the file as it was.
  void Commit(const TStoredSettings& s, const TProfile& copy);

 private:
  [[noreturn]] void Failed() const;
  void OverwriteFile() const;
  std::string FShownName;
  std::string FFileName;  // bare names resolved as the profile calls do
  std::string FCopy;
  bool FBeside = false;   // the copy replaces the file by a rename
  bool FFileWasThere = false;
};

}  // namespace sorvane
