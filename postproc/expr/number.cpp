// The number grammar and parse_number.
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

#include "../base/ascii.h"

namespace {

const long long kExponentClamp = 100000000;

bool is_separator(char c) {
  return c == ' ' || c == '\t' || c == '=' || c == '(' || c == ')' || c == ',' || c == ';';
}

long long clamp_exponent(long long e) {
  if (e > kExponentClamp) return kExponentClamp;
  if (e < -kExponentClamp) return -kExponentClamp;
  return e;
}

}  // namespace

NumberExponent read_exponent(const char *text) {
  char letter = ascii_lower(text[0]);
  if (letter != 'e' && letter != 'd') return {0, false, 0};
  size_t i = 1;
  if (text[i] == '+') i++;
  bool negative = false;
  if (text[i] == '-') negative = true, i++;
  size_t digits = i;
  long long value = 0;
  while (is_ascii_digit(text[i])) value = clamp_exponent(value * 10 + (text[i++] - '0'));
  return {i, i > digits, negative ? -value : value};
}

ScaleSuffix read_scale_suffix(const char *text) {
  if (starts_with_ignoring_case(text, "meg")) return {6, 3, false};
  if (starts_with_ignoring_case(text, "mil")) return {-6, 3, true};
  switch (ascii_lower(text[0])) {
    case 'f': return {-15, 1, false};
    case 'p': return {-12, 1, false};
    case 'n': return {-9, 1, false};
    case 'u': return {-6, 1, false};
    case 'm': return {-3, 1, false};
    case 'k': return {3, 1, false};
    case 'g': return {9, 1, false};
    case 't': return {12, 1, false};
    default: return {0, 0, false};
  }
}

NumberResult scan_number(const char *text, size_t &begin, size_t &end) {
  size_t i = 0;
  while (text[i] && is_separator(text[i])) i++;
  begin = end = i;
  if (text[i] == '+') i++;
  bool negative = false;
  if (text[i] == '-') negative = true, i++;
  if (!is_ascii_digit(text[i]) && text[i] != '.') return {0.0, kNumberMissing};

  std::string literal;
  long long fraction_digits = 0;
  try {
    while (is_ascii_digit(text[i])) literal += text[i++];
    if (text[i] == '.') {
      i++;
      while (is_ascii_digit(text[i])) literal += text[i++], fraction_digits++;
    }
  } catch (const std::bad_alloc &) {
    return {0.0, kNumberNoMemory};
  }

  NumberExponent exponent = read_exponent(text + i);
  i += exponent.length;
  ScaleSuffix suffix = read_scale_suffix(text + i);
  i += suffix.length;
  end = i;

  double value = 0.0;
  if (!literal.empty()) {
    long long power =
        clamp_exponent(exponent.value + suffix.power - clamp_exponent(fraction_digits));
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
