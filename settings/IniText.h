// A settings file's bytes, read and changed as the profile calls read and
// change the file, but with no code page in between: every byte of a value
// stays as it is. Pure code.
//
// Lines end in CR LF, in LF alone or at the end of the file; they are
// written back ending in CR LF. A section runs from its header "[name]" to
// the next header. Section names and keys are compared with ASCII letters
// in any case, and of two sections of one name the first is the one read
// and written. Lines that no write touches (comments, hand-made sections
// and keys) are written back as they were.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace sorvane {

class TIniText {
 public:
  explicit TIniText(std::string_view bytes);

  // The section's lines as one section read gives them (IniSection.h),
  // without blank lines and comments; false, and none, with no section.
  bool Section(std::string_view name, std::string& lines) const;
  bool HasSection(std::string_view name) const { return Header(name) != kNone; }
  // The section goes, its header and lines.
  void EraseSection(std::string_view name);
  // The key's line takes the value, the key spelt as it was; a new key
  // follows the section's last line that is not blank, a new section ends
  // the file.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  // The section's lines, up to the blank ones before the next section, are
  // replaced by these (one section write's, AppendLine's form).
  void WriteSection(std::string_view section, std::string_view lines);
  std::string Bytes() const;

 private:
  static constexpr std::size_t kNone = std::size_t(-1);
  std::size_t Header(std::string_view name) const;
  // One past the section's last line that is not blank.
  std::size_t BodyEnd(std::size_t header) const;
  // A new section at the end of the file, returning its header's line.
  std::size_t AddSection(std::string_view name);
  std::vector<std::string> FLines;
};

}  // namespace sorvane
