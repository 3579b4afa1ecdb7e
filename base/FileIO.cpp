#include "base/FileIO.h"

namespace sorvane {

namespace {

// Network redirectors have refused single reads of many megabytes.
constexpr std::size_t kReadChunk = 8u << 20;
constexpr std::size_t kPageBytes = 4096;

// Fresh memory (a picture's section, a large heap block) gets its pages on
// first write. Under Wine a read that lands on pages not yet there took
// about 1.6 times as long as writing to each page first and then reading
// (36 MB); the read overwrites the zeros.
void TouchPages(unsigned char* p, std::size_t n) {
  for (std::size_t i = 0; i < n; i += kPageBytes) static_cast<volatile unsigned char*>(p)[i] = 0;
}

}  // namespace

bool ReadFileBytes(HANDLE file, void* dst, std::size_t n) {
  auto* out = static_cast<unsigned char*>(dst);
  for (std::size_t done = 0; done < n;) {
    const DWORD want = DWORD(n - done < kReadChunk ? n - done : kReadChunk);
    DWORD got = 0;
    TouchPages(out + done, want);
    if (!ReadFile(file, out + done, want, &got, nullptr) || got == 0) return false;
    done += got;
  }
  return true;
}

bool ReadWholeFile(HANDLE file, std::size_t most, std::string& bytes) {
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file, &size) || std::uint64_t(size.QuadPart) > most) return false;
  bytes.assign(std::size_t(size.QuadPart), '\0');
  return SetFilePointer(file, 0, nullptr, FILE_BEGIN) == 0 && ReadFileBytes(file, bytes.data(), bytes.size());
}

bool WriteAt(HANDLE file, std::size_t at, const char* data, std::size_t n) {
  DWORD put = 0;
  return SetFilePointer(file, LONG(at), nullptr, FILE_BEGIN) == at &&
         (n == 0 || (WriteFile(file, data, DWORD(n), &put, nullptr) && put == n));
}

bool EndAt(HANDLE file, std::size_t at) {
  return SetFilePointer(file, LONG(at), nullptr, FILE_BEGIN) == at && SetEndOfFile(file);
}

}  // namespace sorvane
