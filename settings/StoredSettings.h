// What the settings file stores, as a plain record, with the rules of
// reading it (defaults, clamps, the entry-key count) and the order of the
// writes that store it. Pure code: the profile calls come in as a function.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "base/Kinds.h"

namespace sorvane {

// Paths pass through the window's work string, which keeps 255 bytes.
constexpr std::size_t kMaxPathBytes = 255;
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
  // The text of section/key, or def when the file, section or key is missing.
  virtual std::string ReadString(const char* section, const char* key, const char* def) const = 0;
  virtual void WriteString(const char* section, const char* key, const std::string& value) const = 0;
  virtual void EraseSection(const char* section) const = 0;
};

// Reads Count, the entry keys 1..|Count| (at most kMaxEntryKeys, default
// "s"), On, Random and Min, in that order, with their defaults and clamps.
TStoredSettings ReadStoredSettings(const TProfile& file);

// The erase of List, List/1..N with the paths in full, List/Count, then
// Freq/On, Freq/Min and Freq/Random, the values written as they are. A
// write that raises stops the rest.
void WriteStoredSettings(const TStoredSettings& s, const TProfile& file);

}  // namespace sorvane
