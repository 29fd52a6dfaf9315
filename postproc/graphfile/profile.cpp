// Typed reads and writes over the key functions.
//
// The integer read mirrors the private-profile one because hand-written files rely on it:
// "12pt" reads as 12 and "abc" as 0. Reals are stricter: a range that is not a number would
// leave the axis nothing to draw on, so such a key counts as missing.
#include "profile.h"

#include <cmath>
#include <cstdlib>

#include "../base/cformat.h"
#include "../base/ascii.h"

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }

bool is_quote(char c) { return c == '"' || c == '\''; }

}  // namespace

std::string without_quotes(const std::string &value) {
  if (value.size() >= 2 && is_quote(value.front()) && value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

std::string stored_text(const std::string &value, bool always_quoted) {
  std::string line = value;
  for (char &c : line)
    if (c == '\r' || c == '\n') c = ' ';
  bool changed_by_read = !line.empty() && (is_blank(line.front()) || is_blank(line.back()) ||
                                           without_quotes(line) != line);
  if (always_quoted || changed_by_read) return '"' + line + '"';
  return line;
}

bool has_key(const ProfileFunctions &file, const char *section, const char *key) {
  std::string value;
  return file.read(file.context, section, key, value);
}

std::string read_text(const ProfileFunctions &file, const char *section, const char *key,
                      const std::string &fallback) {
  std::string value;
  if (!file.read(file.context, section, key, value) || value.empty()) return fallback;
  return value;
}

int read_number(const ProfileFunctions &file, const char *section, const char *key, int fallback) {
  std::string value;
  if (!file.read(file.context, section, key, value) || value.empty()) return fallback;
  return read_decimal(value);
}

bool read_real(const ProfileFunctions &file, const char *section, const char *key, double &value) {
  std::string text;
  if (!file.read(file.context, section, key, text)) return false;
  const char *start = text.c_str();
  char *end = nullptr;
  double v = strtod(start, &end);
  if (end == start || !std::isfinite(v)) return false;
  while (is_blank(*end)) end++;
  if (*end) return false;
  value = v;
  return true;
}

bool write_text(ProfileFunctions &file, const char *section, const char *key, const std::string &value) {
  return file.write(file.context, section, key, value.c_str());
}

bool write_number(ProfileFunctions &file, const char *section, const char *key, int value) {
  return write_text(file, section, key, c_format("%d", value));
}

bool write_real(ProfileFunctions &file, const char *section, const char *key, double value) {
  return write_text(file, section, key, c_format("%g", value));
}
