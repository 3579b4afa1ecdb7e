#include "picture/FileBytes.h"

#include <windows.h>

#include "base/Error.h"
#include "base/Mbcs.h"
#include "base/Platform.h"

namespace sorvane {

namespace {

// Larger picture files are refused rather than read into a 32-bit process.
constexpr DWORD kMaxFileBytes = 256u << 20;
// Network redirectors have refused single reads of many megabytes.
constexpr DWORD kReadChunk = 8u << 20;

[[noreturn]] void CannotOpen(const std::string& path) { throw EError(FormatS("ﾌｧｲﾙ %s は開けません", path)); }

class THandle {
 public:
  explicit THandle(HANDLE h) : FH(h) {}
  ~THandle() {
    if (FH != INVALID_HANDLE_VALUE) CloseHandle(FH);
  }
  THandle(const THandle&) = delete;
  THandle& operator=(const THandle&) = delete;
  HANDLE Get() const { return FH; }

 private:
  HANDLE FH;
};

}  // namespace

TFileBytes::~TFileBytes() {
  // The process heap gives a large block straight back to the system.
  if (FData) HeapFree(GetProcessHeap(), 0, FData);
}

TFileBytes TFileBytes::Read(const std::string& path) {
  THandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (file.Get() == INVALID_HANDLE_VALUE) CannotOpen(path);
  DWORD high = 0;
  const DWORD size = GetFileSize(file.Get(), &high);
  if (size == INVALID_FILE_SIZE || high != 0 || size > kMaxFileBytes) CannotOpen(path);
  Platform().BeforeFileRead(file.Get());
  // Not cleared first: every byte is read over.
  auto* data = static_cast<unsigned char*>(size ? HeapAlloc(GetProcessHeap(), 0, size) : nullptr);
  if (size && !data) CannotOpen(path);
  TFileBytes bytes(data, size);
  for (DWORD done = 0; done < size;) {
    const DWORD want = size - done < kReadChunk ? size - done : kReadChunk;
    DWORD got = 0;
    // A file shortened since its size was taken ends early: it is not the
    // picture it was, and it is refused as unreadable.
    if (!ReadFile(file.Get(), data + done, want, &got, nullptr) || got == 0) CannotOpen(path);
    done += got;
  }
  return bytes;
}

}  // namespace sorvane
