// What the settings file stores, as a plain record, with the rules of
// reading it (defaults, clamps, the entry-key count) and the order of the
// writes that store it. Pure code: the profile calls come in as a function.
#pragma once
#include <cstdint>
#include <functional>
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

// The text of section/key, or def when the file, section or key is missing.
using TProfileRead =
    std::function<std::string(const std::string& section, const std::string& key, const std::string& def)>;

// One call of the profile's write function; EraseSection has no key.
struct TProfileWrite {
  std::string Section;
  std::string Key;
  std::string Value;
  bool EraseSection = false;
  bool operator==(const TProfileWrite&) const = default;
};

// Reads Count, the entry keys 1..|Count| (at most kMaxEntryKeys, default
// "s"), On, Random and Min, in that order, with their defaults and clamps.
TStoredSettings ReadStoredSettings(const TProfileRead& read);

// The erase of List, List/1..N with the paths in full, List/Count, then
// Freq/On, Freq/Min and Freq/Random, the values written as they are.
std::vector<TProfileWrite> StoredSettingsWrites(const TStoredSettings& s);

}  // namespace sorvane
