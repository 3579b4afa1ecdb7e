// The candidate list as data: the full paths in the order added (duplicates
// allowed) and the selected position, -1 for none, with the rules that keep
// the selection true to its entry. Pure code; the main window mirrors it in
// its list box.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

class TCandidateList {
 public:
  // A drop appends only while this many entries or fewer are listed, so
  // dropping brings the list to 73 at most.
  static constexpr std::int32_t kDropLimit = 72;

  const std::vector<std::string>& Paths() const { return FPaths; }
  std::int32_t Count() const { return std::int32_t(FPaths.size()); }
  std::int32_t Selected() const { return FSelected; }
  // The selected entry's path; the list must have a selection.
  const std::string& SelectedPath() const { return FPaths[std::size_t(FSelected)]; }
  bool DropMayAppend() const { return Count() <= kDropLimit; }

  void Add(const std::string& path) { FPaths.push_back(path); }
  // Removes the entry at index: the selection stays with its entry, and is
  // none once its own entry goes. False, and nothing changed, when there is
  // no such entry.
  bool Remove(std::int32_t index);
  void Clear();
  // Selects the entry at index, or none when there is no such entry.
  void Select(std::int32_t index);

 private:
  std::vector<std::string> FPaths;
  std::int32_t FSelected = -1;
};
