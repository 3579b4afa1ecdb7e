// A section's lines as the platform gives them: any bytes parse, a lookup
// gives the default or a piece of the lines, and lines written for a key
// read back as written.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "settings/IniSection.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string lines(reinterpret_cast<const char*>(data), size);
  for (const char* key : {"1", "Count", "72"}) {
    const std::string v = sorvane::SectionValue(lines, key, "\x01");
    if (v != "\x01" && lines.find(v) == std::string::npos) std::abort();
  }
  // A value without zero bytes, outer spaces, tabs or quotes comes back whole.
  std::string value = lines.substr(0, lines.find('\0'));
  const std::size_t first = value.find_first_not_of(" \t\"'");
  value = first == std::string::npos ? "" : value.substr(first, value.find_last_not_of(" \t\"'") - first + 1);
  std::string written;
  sorvane::AppendLine(written, "Count", "0");
  sorvane::AppendLine(written, "7", value);
  sorvane::AppendLine(written, "7", "later");
  if (sorvane::SectionValue(written, "7", "") != value || sorvane::SectionValue(written, "count", "") != "0")
    std::abort();
  return 0;
}
