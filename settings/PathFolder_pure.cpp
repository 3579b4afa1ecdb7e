#include "settings/PathFolder.h"

#include "base/Mbcs.h"

namespace sorvane {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool HasDrive(std::string_view s) {
  return s.size() >= 2 && s[1] == ':' && ((s[0] >= 'A' && s[0] <= 'Z') || (s[0] >= 'a' && s[0] <= 'z'));
}

}  // namespace

std::string FolderOfPath(std::string_view path) {
  std::size_t last = std::string_view::npos;
  int separators = 0;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (IsLeadByte932(static_cast<unsigned char>(path[i]))) {
      ++i;  // its second byte may look like a separator
    } else if (IsSeparator(path[i])) {
      last = i;
      ++separators;
    }
  }
  if (last == std::string_view::npos) return HasDrive(path) ? std::string(path.substr(0, 2)) : std::string();
  std::string folder(path.substr(0, last));
  if (folder.empty() || (folder.size() == 2 && HasDrive(folder))) return folder + path[last];
  // "\\SRV\SHARE\P.BMP": the share is looked up by its root.
  if (IsSeparator(path[0]) && path.size() > 1 && IsSeparator(path[1]) && separators == 4 &&
      !IsSeparator(folder.back()))
    return folder + path[last];
  return folder;
}

}  // namespace sorvane
