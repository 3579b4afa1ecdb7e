#include "picture/FileBytes.h"

#include "base/Error.h"
#include "base/Mbcs.h"
#include "base/Platform.h"

namespace sorvane {

namespace {

// Larger picture files are refused rather than read into a 32-bit process.
constexpr DWORD kMaxFileBytes = 256u << 20;
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

TFileReader::TFileReader(const std::string& path) : FPath(path) {
  FHandle.Reset(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!FHandle) CannotRead();
  DWORD high = 0;
  const DWORD size = GetFileSize(FHandle, &high);
  if (size == INVALID_FILE_SIZE || high != 0 || size > kMaxFileBytes) CannotRead();
  FSize = size;
  Platform().BeforeFileRead(FHandle);
}

void TFileReader::CannotRead() const { throw EError(FormatS("ﾌｧｲﾙ %s は開けません", FPath)); }

void TFileReader::Read(void* dst, std::size_t n) {
  auto* out = static_cast<unsigned char*>(dst);
  if (n > FSize - FAt) CannotRead();
  for (std::size_t done = 0; done < n;) {
    const DWORD want = DWORD(n - done < kReadChunk ? n - done : kReadChunk);
    DWORD got = 0;
    TouchPages(out + done, want);
    // A file shortened since its size was taken ends early: it is not the
    // picture it was, and it is refused as unreadable.
    if (!ReadFile(FHandle, out + done, want, &got, nullptr) || got == 0) CannotRead();
    done += got;
  }
  FAt += n;
}

void TFileReader::Seek(std::size_t offset) {
  if (offset > FSize) CannotRead();
  if (offset == FAt) return;
  if (SetFilePointer(FHandle, LONG(offset), nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER) CannotRead();
  FAt = offset;
}

THeapBytes::THeapBytes(std::size_t n, const TFileReader& forFile) : FSize(n) {
  if (n == 0) return;
  FData.Reset(HeapAlloc(GetProcessHeap(), 0, n));
  if (!FData) forFile.CannotRead();
}

TFileBytes::TFileBytes(const std::string& path) : FReader(path), FBytes(FReader.Size(), FReader) {
  FReader.Read(FBytes.data(), FBytes.size());
}

}  // namespace sorvane
