// Case-insensitive comparison of the installer's texts: ASCII letters only, bytes otherwise,
// so the result never depends on the C library's locale.
#pragma once

#include <string>

inline unsigned char ascii_lower(unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }

// <0, 0 or >0 like strcmp, ignoring the case of ASCII letters.
inline int ascii_icompare(const std::string& a, const std::string& b) {
  size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    int d = int(ascii_lower(a[i])) - int(ascii_lower(b[i]));
    if (d != 0) return d;
  }
  return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

inline bool ascii_iequal(const std::string& a, const std::string& b) {
  return a.size() == b.size() && ascii_icompare(a, b) == 0;
}

inline bool ascii_icontains(const std::string& text, const std::string& word) {
  if (word.size() > text.size()) return false;
  for (size_t at = 0; at + word.size() <= text.size(); ++at)
    if (ascii_iequal(text.substr(at, word.size()), word)) return true;
  return false;
}
