#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/cformat.h"

namespace {

struct DoubleCase {
  const char *name;
  const char *format;
  double value;
  const char *expected;
};

const DoubleCase kDoubleCases[] = {
    {"e_small", "%e", 0.001, "1.000000e-003"},
    {"e_one", "%e", 1.0, "1.000000e+000"},
    {"e_zero", "%e", 0.0, "0.000000e+000"},
    {"e_negative", "%e", -2.5e10, "-2.500000e+010"},
    {"e_three_digit_exponent", "%e", 1e-300, "1.000000e-300"},
    {"E_upper", "%E", 12345.678, "1.234568E+004"},
    {"e_precision", "%.2e", 6.02214e23, "6.02e+023"},
    {"g_seconds", "%G sec", 1.5e-05, "1.5E-005 sec"},
    {"g_plain", "%g", 0.125, "0.125"},
    {"g_large", "%g", 1e6, "1e+006"},
    {"g_precision", "%.3g", 123456.0, "1.23e+005"},
    {"G_no_exponent", "%G", 100.0, "100"},
    {"g_alternate", "%#g", 1e-5, "1.00000e-005"},
    {"width_right", "%15e", 0.001, "  1.000000e-003"},
    {"width_left", "%-15e|", 0.001, "1.000000e-003  |"},
    {"width_zero", "%015e", -0.001, "-01.000000e-003"},
    {"width_zero_wider", "%016.2e", 3.0, "00000003.00e+000"},
    {"plus_flag", "%+e", 1.0, "+1.000000e+000"},
    {"space_flag", "% e", 1.0, " 1.000000e+000"},
    {"width_already_wide", "%5e", 1.0, "1.000000e+000"},
    {"f_untouched", "%f", 0.001, "0.001000"},
    {"f_width", "%8.3f", 3.14159, "   3.142"},
};

TEST(CFormat, DoubleConversionsHaveThreeDigitExponents) {
  for (const DoubleCase &c : kDoubleCases) {
    EXPECT_EQ(c_format(c.format, c.value), c.expected) << c.name;
  }
}

TEST(CFormat, SeveralConversionsInOneFormat) {
  EXPECT_EQ(c_format("x=%g y=%e n=%d s=%s", 2.0, 1e-3, -7, "ab"), "x=2 y=1.000000e-003 n=-7 s=ab");
  EXPECT_EQ(c_format("%G sec and %G sec", 1.5e-05, 0.1), "1.5E-005 sec and 0.1 sec");
}

TEST(CFormat, NonFiniteValuesAreNotPadded) {
  double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(c_format("%e", inf), "inf");
  EXPECT_EQ(c_format("%G", -inf), "-INF");
  EXPECT_EQ(c_format("%08e", inf), "     inf");
  EXPECT_EQ(c_format("%e", std::nan("")).find("nan") != std::string::npos, true);
}

TEST(CFormat, IntegersStringsAndPercent) {
  EXPECT_EQ(c_format("%d", 304), "304");
  EXPECT_EQ(c_format("ULMO0X%d", 5), "ULMO0X5");
  EXPECT_EQ(c_format("%5d|%-5d|%05d", 42, 42, -42), "   42|42   |-0042");
  EXPECT_EQ(c_format("%u %x %X %o", 7u, 255u, 255u, 8u), "7 ff FF 10");
  EXPECT_EQ(c_format("%ld %lld", 123456789L, 1234567890123LL), "123456789 1234567890123");
  EXPECT_EQ(c_format("%c%c", 'o', 'k'), "ok");
  EXPECT_EQ(c_format("'%s' '%10s' '%-4s' '%.2s'", "a", "right", "l", "cut"), "'a' '     right' 'l   ' 'cu'");
  EXPECT_EQ(c_format("100%%"), "100%");
}

TEST(CFormat, StarWidthAndPrecision) {
  EXPECT_EQ(c_format("%*e", 15, 0.001), "  1.000000e-003");
  EXPECT_EQ(c_format("%.*e", 1, 0.001), "1.0e-003");
  EXPECT_EQ(c_format("%-*d|", 4, 7), "7   |");
}

TEST(CFormat, LongResultsAreComplete) {
  std::string long_text(1000, 'x');
  EXPECT_EQ(c_format("%s%e", long_text.c_str(), 1.0), long_text + "1.000000e+000");
  EXPECT_EQ(c_format("%.300f", 1.0).size(), 302u);
}

TEST(CFormat, IntoFixedBufferCutsAndTerminates) {
  char buffer[8];
  EXPECT_EQ(c_format_into(buffer, sizeof buffer, "%e", 0.001), 7u);
  EXPECT_STREQ(buffer, "1.00000");
  EXPECT_EQ(c_format_into(buffer, sizeof buffer, "%d", 12), 2u);
  EXPECT_STREQ(buffer, "12");
  EXPECT_EQ(c_format_into(buffer, 0, "%d", 12), 0u);
}

}  // namespace
