#include "ascii.h"

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
