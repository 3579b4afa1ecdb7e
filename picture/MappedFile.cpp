#include "picture/MappedFile.h"

#include "base/Error.h"
#include "base/Mbcs.h"

namespace sorvane {

namespace {
// Larger picture files are refused rather than read into a 32-bit process.
constexpr DWORD kMaxFileBytes = 256u << 20;
}  // namespace

TMappedFile::~TMappedFile() {
  if (FView) UnmapViewOfFile(FView);
  if (FMap) CloseHandle(FMap);
}

TMappedFile TMappedFile::Open(const std::string& path) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) throw EError(FormatS("ﾌｧｲﾙ %s は開けません", path));
  DWORD high = 0;
  const DWORD size = GetFileSize(h, &high);
  bool ok = size != INVALID_FILE_SIZE && high == 0 && size <= kMaxFileBytes;
  HANDLE map = nullptr;
  const void* view = nullptr;
  if (ok && size > 0) {
    map = CreateFileMappingA(h, nullptr, PAGE_READONLY, 0, 0, nullptr);
    view = map ? MapViewOfFile(map, FILE_MAP_READ, 0, 0, 0) : nullptr;
    ok = view != nullptr;
  }
  CloseHandle(h);  // the mapping keeps the file
  if (!ok) {
    if (map) CloseHandle(map);
    throw EError(FormatS("ﾌｧｲﾙ %s は開けません", path));
  }
  return TMappedFile(map, static_cast<const unsigned char*>(view), size);
}

}  // namespace sorvane
