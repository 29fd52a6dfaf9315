// The string table: every user-visible text of the postprocessor, addressed by its id.
#pragma once

#include <string>

// The text with this id, at most 255 characters (the platform's string buffer); empty when
// there is none. Texts are in the program's ANSI code page (Windows-1252).
std::string load_text(int id);

// Windows-1252 to UTF-8, for output on hosts whose terminals speak UTF-8.
std::string ansi_to_utf8(const std::string &text);
