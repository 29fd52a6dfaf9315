// parse_number: every rule and example, exact values.
#include <gtest/gtest.h>

#include <cmath>

#include "expr/number.h"

namespace {

struct NumberCase {
  const char *text;
  double value;
  int status;
};

const NumberCase kExact[] = {
    {"10k", 1e4, kNumberOk},
    {"2.5u", 2.5e-6, kNumberOk},
    {"1MEG", 1e6, kNumberOk},
    {"1Meg", 1e6, kNumberOk},
    {"1mEg", 1e6, kNumberOk},
    {"3m", 3e-3, kNumberOk},
    {"1ME", 1e-3, kNumberOk},            // MEG needs both letters
    {"1MI", 1e-3, kNumberOk},
    {"-1.5e-3", -1.5e-3, kNumberOk},
    {"1e3k", 1e6, kNumberOk},
    {"1E+3", 1e3, kNumberOk},
    {"1d3", 1e3, kNumberOk},
    {"1D-3", 1e-3, kNumberOk},
    {"1e+-3", 1e-3, kNumberOk},          // "+" then "-", as the exponent rule reads
    {"1e", 1.0, kNumberOk},
    {"2ek", 2e3, kNumberOk},
    {"1f", 1e-15, kNumberOk},
    {"1P", 1e-12, kNumberOk},
    {"1n", 1e-9, kNumberOk},
    {"1U", 1e-6, kNumberOk},
    {"1K", 1e3, kNumberOk},
    {"1g", 1e9, kNumberOk},
    {"1T", 1e12, kNumberOk},
    {"1x", 1.0, kNumberOk},              // no suffix, the rest is ignored
    {"10kOhm", 1e4, kNumberOk},
    {"+5", 5.0, kNumberOk},
    {"+-5", -5.0, kNumberOk},
    {"-+5", 0.0, kNumberMissing},
    {"--5", 0.0, kNumberMissing},
    {".5", 0.5, kNumberOk},
    {"-.5", -0.5, kNumberOk},
    {"5.", 5.0, kNumberOk},
    {".", 0.0, kNumberOk},
    {"  \t=(5)", 5.0, kNumberOk},        // leading separators are skipped
    {",;5", 5.0, kNumberOk},
    {"5;6", 5.0, kNumberOk},
    {"5 k", 5.0, kNumberOk},             // the suffix must touch the number
    {"1.2.3", 1.2, kNumberOk},
    {"0.1", 0.1, kNumberOk},             // correctly rounded, not 1 x 10^-1 in steps
    {"1.23456789", 1.23456789, kNumberOk},
    {"0.000001234", 1.234e-6, kNumberOk},
    {"123456789012345678901234567890", 1.2345678901234568e29, kNumberOk},
    {"4.9406564584124654e-324", 4.9406564584124654e-324, kNumberOk},
    {"1e-400", 0.0, kNumberOk},
    {"abc", 0.0, kNumberMissing},
    {"", 0.0, kNumberMissing},
    {"-", 0.0, kNumberMissing},
    {" = ", 0.0, kNumberMissing},
    {"e3", 0.0, kNumberMissing},
};

TEST(ParseNumber, ExactValuesAndStatus) {
  for (const NumberCase &c : kExact) {
    NumberResult r = parse_number(c.text);
    EXPECT_EQ(r.status, c.status) << c.text;
    EXPECT_EQ(r.value, c.value) << c.text;
  }
}

TEST(ParseNumber, MilIsTwentyFiveFourMicro) {
  EXPECT_DOUBLE_EQ(parse_number("1mil").value, 2.54e-5);
  EXPECT_DOUBLE_EQ(parse_number("1MIL").value, 2.54e-5);
  EXPECT_DOUBLE_EQ(parse_number("10Mil").value, 2.54e-4);
}

TEST(ParseNumber, HugeExponentsSaturateWithoutOverflow) {
  EXPECT_TRUE(std::isinf(parse_number("1e400").value));
  EXPECT_TRUE(std::isinf(parse_number("1e99999999999999999999999").value));
  EXPECT_EQ(parse_number("1e-99999999999999999999999").value, 0.0);
  EXPECT_EQ(parse_number("-1e400").value, -INFINITY);
}

TEST(ParseNumber, ScanTellsTheCharactersThatMakeTheNumber) {
  struct SpanCase {
    const char *text;
    size_t begin, end;
  };
  const SpanCase cases[] = {
      {"10k", 0, 3}, {"  =10kOhm", 3, 6}, {"2.5MEG)", 0, 6}, {"+-1e-3x", 0, 6},
      {"(5)", 1, 2}, {"abc", 0, 0},       {"1ME", 0, 2},     {"1mil;", 0, 4},
  };
  for (const SpanCase &c : cases) {
    size_t begin = 99, end = 99;
    scan_number(c.text, begin, end);
    EXPECT_EQ(begin, c.begin) << c.text;
    EXPECT_EQ(end, c.end) << c.text;
  }
}

// The grammar's pieces, as the tokenizer and the reader both take them.
TEST(NumberGrammar, ExponentsWithAndWithoutDigits) {
  struct Case {
    const char *text;
    size_t length;
    bool has_digits;
    long long value;
  } const cases[] = {
      {"e3", 2, true, 3},      {"E+3", 3, true, 3},    {"d-12", 4, true, -12},
      {"D+-7x", 4, true, -7},  {"e", 1, false, 0},     {"e-k", 2, false, 0},
      {"e-+3", 2, false, 0},   {"k", 0, false, 0},     {"", 0, false, 0},
      {"3", 0, false, 0},      {"e99999999999999999999", 21, true, 100000000},
      {"e-99999999999999999999", 22, true, -100000000},
  };
  for (const Case &c : cases) {
    NumberExponent e = read_exponent(c.text);
    EXPECT_EQ(e.length, c.length) << c.text;
    EXPECT_EQ(e.has_digits, c.has_digits) << c.text;
    EXPECT_EQ(e.value, c.value) << c.text;
  }
}

TEST(NumberGrammar, ScaleSuffixes) {
  struct Case {
    const char *text;
    int power;
    size_t length;
    bool mil;
  } const cases[] = {
      {"f", -15, 1, false},  {"P", -12, 1, false}, {"n", -9, 1, false},    {"U", -6, 1, false},
      {"m", -3, 1, false},   {"K", 3, 1, false},   {"g", 9, 1, false},     {"T", 12, 1, false},
      {"MEG", 6, 3, false},  {"mEgA", 6, 3, false}, {"MIL", -6, 3, true},  {"mils", -6, 3, true},
      {"ME", -3, 1, false},  {"mi", -3, 1, false},  {"x", 0, 0, false},    {"", 0, 0, false},
      {"e", 0, 0, false},    {"µ", 0, 0, false},   // the micro sign is not a suffix
  };
  for (const Case &c : cases) {
    ScaleSuffix s = read_scale_suffix(c.text);
    EXPECT_EQ(s.power, c.power) << c.text;
    EXPECT_EQ(s.length, c.length) << c.text;
    EXPECT_EQ(s.mil, c.mil) << c.text;
  }
}

}  // namespace
