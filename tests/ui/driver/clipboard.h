// The clipboard's text as a user's other program would read and write it.
#pragma once

#include <string>

// Waits until the clipboard offers `format` (CF_TEXT, CF_METAFILEPICT ...), which a program
// that copies puts there last.
bool wait_for_clipboard_format(unsigned format, int timeout_ms);

// The CF_TEXT text, or empty when there is none.
std::string clipboard_text();
bool put_clipboard_text(const std::string &text);
void empty_clipboard();
