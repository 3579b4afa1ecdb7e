// Paths for the ANSI calls (FindFirstFileA, the profile calls, the wallpaper
// call) from the platform's wide names, which may hold characters that the
// ANSI code page cannot spell.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace sorvane {

// The ANSI form of a wide path that reaches the same file: the path itself
// when the code page spells every character of it (a look-alike counts as
// lost); else the path with its folder in short (8.3) form, the file keeping
// its own name where that can be spelled; else the whole path in short
// form. Nothing when no such form exists (a volume without short names, or
// nothing there).
std::optional<std::string> AnsiPathOf(const std::wstring& path);

// The text as the ANSI calls give it: a look-alike or "?" for a character
// the code page lacks.
std::string AnsiText(std::wstring_view text);

}  // namespace sorvane
