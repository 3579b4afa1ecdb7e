#include "base/ErrorText.h"

#include "base/Mbcs.h"

namespace sorvane {

std::string ErrorBoxText(std::string_view message) {
  std::string text(message);
  if (text.empty()) return text;
  const std::string_view last = std::string_view(text).substr(LastCharOffset(text));
  if (last.compare(".") > 0) text += '.';
  return text;
}

}  // namespace sorvane
