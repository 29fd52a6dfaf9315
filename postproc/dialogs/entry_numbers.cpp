// Whole numbers of the format dialogs: the arrows beside them and the messages that refuse
// them. An edit holds whatever the user typed; read_decimal (base/ascii.h) reads it.
#include "entry_numbers.h"

#include <climits>

#include "../base/ascii.h"
#include "../resources/resource_ids.h"

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
