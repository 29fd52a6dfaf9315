#include "ascii.h"

#include <climits>

bool equal_ignoring_case(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); i++)
    if (ascii_lower(a[i]) != ascii_lower(b[i])) return false;
  return true;
}

bool starts_with_ignoring_case(const char *text, std::string_view prefix) {
  for (size_t i = 0; i < prefix.size(); i++)
    if (!text[i] || ascii_lower(text[i]) != ascii_lower(prefix[i])) return false;
  return true;
}

// Never fails, like the C library's atoi, but saturating instead of overflowing: an edit
// or a hand-written file holds whatever was typed.
int read_decimal(const std::string &text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) i++;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && is_ascii_digit(text[i]); i++) {
    value = value * 10 + (text[i] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) value = -value;
  if (value > INT_MAX) value = INT_MAX;
  return static_cast<int>(value);
}
