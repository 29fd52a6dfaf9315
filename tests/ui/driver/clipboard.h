// The clipboard's text as a user's other program would read and write it.
#pragma once

#include <string>

// The CF_TEXT text, or empty when there is none.
std::string clipboard_text();
bool put_clipboard_text(const std::string &text);
void empty_clipboard();
