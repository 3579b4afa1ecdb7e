// A whole file, mapped read-only rather than copied: a large bitmap is read
// once, straight into its section, and no buffer of its size is allocated
// and cleared first. (The platform refuses to shorten a file while a view of
// it exists.)
#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

namespace sorvane {

class TMappedFile {
 public:
  TMappedFile() = default;
  TMappedFile(TMappedFile&& o) noexcept : FMap(o.FMap), FView(o.FView), FSize(o.FSize) {
    o.FMap = nullptr;
    o.FView = nullptr;
    o.FSize = 0;
  }
  TMappedFile(const TMappedFile&) = delete;
  TMappedFile& operator=(const TMappedFile&) = delete;
  TMappedFile& operator=(TMappedFile&&) = delete;
  ~TMappedFile();

  // The file's bytes; raises EError with the run-time's text when the file
  // cannot be opened or is larger than picture files are allowed to be.
  static TMappedFile Open(const std::string& path);

  const unsigned char* data() const { return FView; }
  std::size_t size() const { return FSize; }
  bool empty() const { return FSize == 0; }
  unsigned char operator[](std::size_t i) const { return FView[i]; }

 private:
  TMappedFile(HANDLE map, const unsigned char* view, std::size_t size) : FMap(map), FView(view), FSize(size) {}
  HANDLE FMap = nullptr;
  const unsigned char* FView = nullptr;
  std::size_t FSize = 0;
};

}  // namespace sorvane
