// Picture files read with ReadFile. (A mapped view would spare a copy, but a
// file shortened by another program, or a read error on a network or
// removable drive, turns each access to it into a fault that no handler of
// the program can catch.)
#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

#include "base/Handle.h"

namespace sorvane {

// One picture file open for reading from its start. Every failure raises
// EError "ﾌｧｲﾙ %s は開けません": a file that cannot be opened, one larger
// than picture files are allowed to be, and a read that fails or ends
// before the size taken at opening.
class TFileReader {
 public:
  explicit TFileReader(const std::string& path);
  TFileReader(const TFileReader&) = delete;
  TFileReader& operator=(const TFileReader&) = delete;

  std::size_t Size() const { return FSize; }
  // The next n bytes into dst.
  void Read(void* dst, std::size_t n);
  // The next read starts at offset.
  void Seek(std::size_t offset);
  // Raises the reader's error for this file.
  [[noreturn]] void CannotRead() const;

 private:
  std::string FPath;
  TFileHandle FHandle;
  std::size_t FSize = 0;
  std::size_t FAt = 0;
};

// Bytes on the process heap, freed with the object (a large block goes
// straight back to the system).
class THeapBytes {
 public:
  // n bytes, not cleared; std::bad_alloc when they cannot be had.
  explicit THeapBytes(std::size_t n);
  unsigned char* data() const { return static_cast<unsigned char*>(FData.Get()); }
  std::size_t size() const { return FSize; }

 private:
  struct THeapRelease {
    using Type = void*;
    static void* None() { return nullptr; }
    static void Release(void* p) { HeapFree(GetProcessHeap(), 0, p); }
  };
  THandle<THeapRelease> FData;
  std::size_t FSize = 0;
};

// A whole file (icons and metafiles, which are small).
class TFileBytes {
 public:
  explicit TFileBytes(const std::string& path);
  const unsigned char* data() const { return FBytes.data(); }
  std::size_t size() const { return FBytes.size(); }
  bool empty() const { return size() == 0; }
  unsigned char operator[](std::size_t i) const { return data()[i]; }

 private:
  TFileReader FReader;
  THeapBytes FBytes;
};

}  // namespace sorvane
