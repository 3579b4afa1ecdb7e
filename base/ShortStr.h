// A counted string of at most 255 bytes: assigning longer text keeps the
// first 255 bytes, cut so that no double-byte character is split.
#pragma once
#include <string>
#include <string_view>

#include "base/Mbcs.h"

class TShortStr {
 public:
  static constexpr std::size_t kMax = 255;
  TShortStr() = default;
  TShortStr& operator=(std::string_view s) {
    FText = sorvane::CutAtCharBoundary(s, kMax);
    return *this;
  }
  TShortStr& operator+=(std::string_view s) {
    FText = sorvane::CutAtCharBoundary(FText + std::string(s), kMax);
    return *this;
  }
  const std::string& Str() const { return FText; }
  const char* c_str() const { return FText.c_str(); }
  bool Empty() const { return FText.empty(); }

 private:
  std::string FText;
};
