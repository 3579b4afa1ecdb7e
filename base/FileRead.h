// Files read with ReadFile, in pieces, by the picture loaders and the
// settings file alike.
#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace sorvane {

// n bytes from where the file stands into dst; false when a read fails or
// the file ends first (another program shortened it).
bool ReadFileBytes(HANDLE file, void* dst, std::size_t n);

// The whole of an open file, read from its start; false when it holds more
// than most bytes or cannot be read whole.
bool ReadWholeFile(HANDLE file, std::size_t most, std::string& bytes);

}  // namespace sorvane
