// The table of key functions a graph file is read and written through, and the typed reads
// and writes built on it. The Win32 build backs the table with the private-profile
// functions, the native build with ini/ini_store.h; both follow the private-profile rules:
// section and key names compare without regard to case, the first section and the first key
// of a name win, blanks around names and values do not count, and one pair of matching
// quotes (' or ") around a value is removed.
#pragma once

#include <string>

struct ProfileFunctions {
  void *context;
  // The value of `key` in `section`, quotes removed; false when the key is not there.
  bool (*read)(void *context, const char *section, const char *key, std::string &value);
  // Sets `key` in `section` (both made when missing); false when it could not be stored.
  bool (*write)(void *context, const char *section, const char *key, const char *value);
};

// Reads. A key that is missing, or empty, gives `fallback`.
std::string read_text(const ProfileFunctions &file, const char *section, const char *key,
                      const std::string &fallback = std::string());
// The leading decimal number of the value, as the private-profile integer read takes it (an
// optional sign, then digits; no digits give 0), clamped to the range of int.
int read_number(const ProfileFunctions &file, const char *section, const char *key, int fallback);
// A real number; false, leaving `value` alone, when the key is missing or its value is not a
// finite number.
bool read_real(const ProfileFunctions &file, const char *section, const char *key, double &value);
bool has_key(const ProfileFunctions &file, const char *section, const char *key);

// Writes; false when the store refused the key.
bool write_text(ProfileFunctions &file, const char *section, const char *key, const std::string &value);
bool write_number(ProfileFunctions &file, const char *section, const char *key, int value);
// "%g": six significant digits, the exponent in three digits as every build prints it.
bool write_real(ProfileFunctions &file, const char *section, const char *key, double value);

// The value as it must be written so that a read gives it back unchanged: line breaks become
// blanks (a value is one line), and a value that a read would change (blanks at an end, or a
// quote at both ends) is enclosed in double quotes. `always_quoted` quotes it in any case.
std::string stored_text(const std::string &value, bool always_quoted);
// One pair of matching quotes around `value` removed, as a read removes them.
std::string without_quotes(const std::string &value);
