// The program's own warning box: caption "警告", the exclamation icon, the
// word-wrapped text and the buttons "はい(&Y)" (default) and, for a
// question, "いいえ(&N)" (Esc), centred on the screen.
#pragma once
#include <string>

// IDYES for "はい(&Y)"; IDNO for "いいえ(&N)", Esc or closing the box.
int ShowWarnBox(const std::string& text, bool question);
