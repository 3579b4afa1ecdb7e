// The error box's text rule. Pure code.
#pragma once
#include <string>
#include <string_view>

namespace sorvane {

// The message as the error box shows it: "." is appended when the message is
// not empty and its last character (a double-byte character counts as one),
// compared as a byte string, sorts after ".".
std::string ErrorBoxText(std::string_view message);

}  // namespace sorvane
