// Engineering numbers: the constants of expressions and the numbers typed into dialogs.
#pragma once

#include <cstddef>

enum NumberStatus {
  kNumberOk = 0,
  kNumberMissing = 1,    // the text holds no number; value 0
  kNumberNoMemory = 2,   // value 0
};

struct NumberResult {
  double value;
  int status;
};

// Reads the first number of `text` (10k, 2.5u, 1MEG, 1mil, -1.5e-3); the rest is ignored.
NumberResult parse_number(const char *text);

// The same, also telling which characters the number took: [begin, end) of `text`, empty
// when there is none. What lies outside that span never changes the value.
NumberResult scan_number(const char *text, size_t &begin, size_t &end);
