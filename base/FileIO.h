// Files read with ReadFile, in pieces, by the picture loaders and the
// settings file alike, and written in place by the settings file.
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

// n bytes written at offset at; false unless all of them are.
bool WriteAt(HANDLE file, std::size_t at, const char* data, std::size_t n);
// The file ends at offset at.
bool EndAt(HANDLE file, std::size_t at);

}  // namespace sorvane
