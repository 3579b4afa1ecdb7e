// A whole picture file read into memory with ReadFile. (A mapped view
// would spare the copy, but a file shortened by another program, or a read
// error on a network or removable drive, turns each access to it into a
// fault that no handler of the program can catch.)
#pragma once
#include <cstddef>
#include <string>

namespace sorvane {

class TFileBytes {
 public:
  TFileBytes(TFileBytes&& o) noexcept : FData(o.FData), FSize(o.FSize) {
    o.FData = nullptr;
    o.FSize = 0;
  }
  TFileBytes(const TFileBytes&) = delete;
  TFileBytes& operator=(const TFileBytes&) = delete;
  TFileBytes& operator=(TFileBytes&&) = delete;
  ~TFileBytes();

  // The file's bytes; raises EError "ﾌｧｲﾙ %s は開けません" when the file
  // cannot be opened or read whole, or is larger than picture files are
  // allowed to be.
  static TFileBytes Read(const std::string& path);

  const unsigned char* data() const { return FData; }
  std::size_t size() const { return FSize; }
  bool empty() const { return FSize == 0; }
  unsigned char operator[](std::size_t i) const { return FData[i]; }

 private:
  TFileBytes(unsigned char* data, std::size_t size) : FData(data), FSize(size) {}
  unsigned char* FData = nullptr;
  std::size_t FSize = 0;
};

}  // namespace sorvane
