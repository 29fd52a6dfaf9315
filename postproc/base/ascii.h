// ASCII character classes and case folding for the program's file formats and expression
// texts. They never consult the C locale: under a Turkish locale tolower('I') is not 'i', and
// bytes above 127 (Windows-1252 letters) have no case here.
#pragma once

#include <string>
#include <string_view>

inline bool is_ascii_digit(char c) { return c >= '0' && c <= '9'; }

inline char ascii_lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whether `a` and `b` are the same text apart from the case of ASCII letters.
bool equal_ignoring_case(std::string_view a, std::string_view b);

// Whether the NUL-terminated `text` begins with `prefix`, ignoring the case of ASCII letters;
// reads no further than the end of `text`.
bool starts_with_ignoring_case(const char *text, std::string_view prefix);

// The text as a decimal integer: optional blanks, an optional sign, the leading digits;
// anything else counts as 0, and values beyond the int range stop at its ends.
int read_decimal(const std::string &text);
