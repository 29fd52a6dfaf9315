// Whole numbers of the format dialogs. An edit holds whatever the user typed, so reading never
// fails: like the C library's atoi, but saturating instead of overflowing.
#include "entry_numbers.h"

#include <climits>

#include "../base/ascii.h"
#include "../resources/resource_ids.h"

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

int step_digits(int digits, bool up) {
  if (up) return digits < kMaxLabelDigits ? digits + 1 : digits;
  return digits > 0 ? digits - 1 : digits;
}

int step_count(int count, bool up) {
  if (up) return count < INT_MAX ? count + 1 : count;
  return count >= 2 ? count - 1 : count;
}

int digits_message(int digits) {
  if (digits < 0) return IDS_DIGITS_NEGATIVE;
  if (digits > kMaxLabelDigits) return IDS_DIGITS_TOO_MANY;
  return 0;
}

int symbol_message(int period, int size) {
  if (period < 1) return IDS_SYMBOL_PERIOD;
  if (size < 1) return IDS_SYMBOL_SIZE;
  return 0;
}
