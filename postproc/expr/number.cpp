// parse_number.
//
// The value is sign x mantissa x 10^(exponent + scale - fraction digits). The digits and the
// decimal exponent are handed to strtod as one integer literal ("25e-7" for 2.5u), so the
// result is the correctly rounded double of the decimal number typed, not a product of
// rounded powers of ten. The literal carries no decimal point, so the C locale's radix
// character does not matter. Exponents are clamped far beyond the double range, so no digit
// count or exponent an input can hold overflows an integer.
#include "number.h"

#include <cstdlib>
#include <new>
#include <string>

namespace {

const long long kExponentClamp = 100000000;

bool is_separator(char c) {
  return c == ' ' || c == '\t' || c == '=' || c == '(' || c == ')' || c == ',' || c == ';';
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

long long clamp_exponent(long long e) {
  if (e > kExponentClamp) return kExponentClamp;
  if (e < -kExponentClamp) return -kExponentClamp;
  return e;
}

// The scale suffix at text[i]: its power of ten and length; MIL also multiplies by 25.4.
struct Suffix {
  int power;
  size_t length;
  bool mil;
};

Suffix read_suffix(const char *text, size_t i) {
  switch (lower(text[i])) {
    case 'f': return {-15, 1, false};
    case 'p': return {-12, 1, false};
    case 'n': return {-9, 1, false};
    case 'u': return {-6, 1, false};
    case 'k': return {3, 1, false};
    case 'g': return {9, 1, false};
    case 't': return {12, 1, false};
    case 'm':
      if (lower(text[i + 1]) == 'e' && lower(text[i + 2]) == 'g') return {6, 3, false};
      if (lower(text[i + 1]) == 'i' && lower(text[i + 2]) == 'l') return {-6, 3, true};
      return {-3, 1, false};
    default: return {0, 0, false};
  }
}

}  // namespace

NumberResult scan_number(const char *text, size_t &begin, size_t &end) {
  size_t i = 0;
  while (text[i] && is_separator(text[i])) i++;
  begin = end = i;
  if (text[i] == '+') i++;
  bool negative = false;
  if (text[i] == '-') negative = true, i++;
  if (!is_digit(text[i]) && text[i] != '.') return {0.0, kNumberMissing};

  std::string literal;
  long long fraction_digits = 0;
  try {
    while (is_digit(text[i])) literal += text[i++];
    if (text[i] == '.') {
      i++;
      while (is_digit(text[i])) literal += text[i++], fraction_digits++;
    }
  } catch (const std::bad_alloc &) {
    return {0.0, kNumberNoMemory};
  }

  long long exponent = 0;
  char c = text[i];
  if (c == 'E' || c == 'e' || c == 'D' || c == 'd') {
    i++;
    if (text[i] == '+') i++;
    bool exponent_negative = false;
    if (text[i] == '-') exponent_negative = true, i++;
    while (is_digit(text[i])) exponent = clamp_exponent(exponent * 10 + (text[i++] - '0'));
    if (exponent_negative) exponent = -exponent;
  }

  Suffix suffix = read_suffix(text, i);
  i += suffix.length;
  end = i;

  double value = 0.0;
  if (!literal.empty()) {
    long long power = clamp_exponent(exponent + suffix.power - clamp_exponent(fraction_digits));
    try {
      literal += 'e';
      literal += std::to_string(power);
    } catch (const std::bad_alloc &) {
      return {0.0, kNumberNoMemory};
    }
    value = strtod(literal.c_str(), nullptr);
  }
  if (suffix.mil) value *= 25.4;
  return {negative ? -value : value, kNumberOk};
}

NumberResult parse_number(const char *text) {
  size_t begin, end;
  return scan_number(text, begin, end);
}
