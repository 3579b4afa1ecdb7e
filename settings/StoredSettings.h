// What the settings file stores, as a plain record, with the rules of
// reading it (defaults, clamps, the entry-key count) and the order of the
// writes that store it. Pure code: the profile calls come in through the
// TProfile interface.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "base/Kinds.h"
#include "base/ShortStr.h"

namespace sorvane {

// Paths pass through the window's work string.
constexpr std::size_t kMaxPathBytes = TShortStr::kMax;
// At most this many entry keys are read, whatever Count says: far more than
// dropping builds, few enough that a hand-edited Count cannot stall start-up.
constexpr std::int32_t kMaxEntryKeys = 1000;

struct TStoredSettings {
  std::vector<std::string> Paths;  // List/1..n; read: cut, not yet tested for existence
  bool AutoChange = false;         // Freq/On
  std::int32_t Period = 1;         // Freq/Min
  TChangeOrder Order = coRandom;   // Freq/Random
};

// The settings file as the record sees it: its profile calls.
class TProfile {
 public:
  virtual ~TProfile() = default;
  // A whole section in one read, its lines as SectionValue takes them (none
  // for a missing file or section); false when the section cannot be had
  // whole, and its keys are then read one by one.
  virtual bool ReadSection(const char* section, std::string& lines) const = 0;
  // The text of section/key, or def when the file, section or key is missing.
  virtual std::string ReadString(const char* section, const char* key, const char* def) const = 0;
  // Whether the file holds a section of that name.
  virtual bool HasSection(const char* section) const = 0;
  // Replaces the section's keys with the lines (AppendLine), making the
  // section at the end of the file when it is missing.
  virtual void WriteSection(const char* section, const std::string& lines) const = 0;
  virtual void WriteString(const char* section, const char* key, const std::string& value) const = 0;
  virtual void EraseSection(const char* section) const = 0;
};

// Reads List and Freq, one call each: Count, the entry keys 1..|Count| (at
// most kMaxEntryKeys, default "s"), On, Random and Min, with their defaults
// and clamps, exactly as reading each key on its own gives them.
TStoredSettings ReadStoredSettings(const TProfile& file);

// The erase of List, then List written in one call (1..N with the paths in
// full, then Count), then Freq/On, Freq/Min and Freq/Random, the values
// written as they are. The file ends as the key-by-key writes of old left
// it: should another List section (made by hand) remain after the erase, the
// list goes into it key by key, as those writes did. A write that raises
// stops the rest.
void WriteStoredSettings(const TStoredSettings& s, const TProfile& file);

// Whether the file holds what WriteStoredSettings stores of s: List/Count,
// every entry key and the three Freq values each read back as a read of the
// line written gives it. A save checks its copy with this before the copy
// replaces the file.
bool HoldsStoredSettings(const TStoredSettings& s, const TProfile& file);

}  // namespace sorvane
