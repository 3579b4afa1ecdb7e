#include "window/CandidateList.h"

bool TCandidateList::Remove(std::int32_t index) {
  if (index < 0 || index >= Count()) return false;
  FPaths.erase(FPaths.begin() + index);
  if (FSelected == index) FSelected = -1;
  else if (FSelected > index) --FSelected;
  return true;
}

void TCandidateList::Clear() {
  FPaths.clear();
  FSelected = -1;
}

void TCandidateList::Select(std::int32_t index) { FSelected = index >= 0 && index < Count() ? index : -1; }
