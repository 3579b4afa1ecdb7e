// The settings file's name, derived from the executable's path.
#pragma once
#include <string>
#include <string_view>

namespace sorvane {

// From an already upper-cased path: the text up to and including the "." of
// the first ".EXE", followed by "INI"; "INI" alone when there is none.
std::string IniNameFromUpper(std::string_view upperPath);
// The executable's path (GetModuleFileNameA, 261 bytes; where that loses
// characters, the form of the wide path that reaches the same file),
// CharUpperBuffA, then IniNameFromUpper.
std::string IniNameFromModule();

}  // namespace sorvane
