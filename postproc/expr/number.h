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

// The pieces of the number grammar, shared with the expression tokenizer:
//   number   = ["+"] ["-"] mantissa [exponent] [suffix]
//   mantissa = digits ["." digits]
//   exponent = ("E" | "D") ["+"] ["-"] digits
//   suffix   = "F" | "P" | "N" | "U" | "M" | "K" | "G" | "T" | "MEG" | "MIL"
// Letters in either case. The reader takes an exponent without digits as exponent 0.

struct NumberExponent {
  size_t length;     // 0: `text` does not start with an exponent letter
  bool has_digits;
  long long value;   // clamped far beyond the double range
};
NumberExponent read_exponent(const char *text);

struct ScaleSuffix {
  int power;         // of ten
  size_t length;     // 0: none
  bool mil;          // a thousandth of an inch: also times 25.4
};
ScaleSuffix read_scale_suffix(const char *text);
