#include "picture/FileBytes.h"

#include <new>

#include "base/Error.h"
#include "base/FileIO.h"
#include "base/Mbcs.h"
#include "base/Platform.h"

namespace sorvane {

namespace {

// Larger picture files are refused rather than read into a 32-bit process.
constexpr DWORD kMaxFileBytes = 256u << 20;

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
  // A file shortened since its size was taken ends early: it is not the
  // picture it was, and it is refused as unreadable.
  if (n > FSize - FAt || !ReadFileBytes(FHandle, dst, n)) CannotRead();
  FAt += n;
}

void TFileReader::Seek(std::size_t offset) {
  if (offset > FSize) CannotRead();
  if (offset == FAt) return;
  if (SetFilePointer(FHandle, LONG(offset), nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER) CannotRead();
  FAt = offset;
}

THeapBytes::THeapBytes(std::size_t n) : FSize(n) {
  if (n == 0) return;
  FData.Reset(HeapAlloc(GetProcessHeap(), 0, n));
  if (!FData) throw std::bad_alloc();
}

TFileBytes::TFileBytes(const std::string& path) : FReader(path), FBytes(FReader.Size()) {
  FReader.Read(FBytes.data(), FBytes.size());
}

}  // namespace sorvane
