// The folder part of a stored path, for telling a deleted picture from one
// whose drive, share or folder cannot be reached just now.
#pragma once
#include <string>
#include <string_view>

namespace sorvane {

// The folder that would hold the file a path names, in a form the platform
// can look up: "C:\A" for "C:\A\P.BMP", a root with its separator ("C:\",
// "\\SRV\SHARE\", "\"), "C:" for the drive-relative "C:P.BMP", and empty
// for a bare name, which lives in the current folder. Both "\" and "/"
// separate; a double-byte character whose second byte is 0x5C does not.
std::string FolderOfPath(std::string_view path);

}  // namespace sorvane
