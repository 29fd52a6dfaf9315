// The trace export block, byte for byte.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "data/export.h"

namespace {

std::string exported(const char *legend, const double *x, const double *y, int n) {
  FILE *f = tmpfile();
  EXPECT_NE(f, nullptr);
  EXPECT_TRUE(write_trace_export(f, legend, x, y, n));
  std::string out;
  rewind(f);
  for (int c; (c = fgetc(f)) != EOF;) out += static_cast<char>(c);
  fclose(f);
  return out;
}

TEST(TraceExport, LegendPointsAndAnEmptyLine) {
  const double x[] = {0.001, 1e-9, 0};
  const double y[] = {-2.5, 123456.789, -0.0};
  EXPECT_EQ(exported("db('v(out)')", x, y, 3),
            "db('v(out)')\n"
            "1.000000e-003\t-2.500000e+000\n"
            "1.000000e-009\t1.234568e+005\n"
            "0.000000e+000\t-0.000000e+000\n"
            "\n");
}

TEST(TraceExport, TwoTracesAreTwoBlocks) {
  const double x[] = {1, 2};
  const double y[] = {3, 4};
  EXPECT_EQ(exported("a", x, y, 2) + exported("b", x, y, 1),
            "a\n1.000000e+000\t3.000000e+000\n2.000000e+000\t4.000000e+000\n\n"
            "b\n1.000000e+000\t3.000000e+000\n\n");
}

TEST(TraceExport, NoPoints) { EXPECT_EQ(exported("empty", nullptr, nullptr, 0), "empty\n\n"); }

}  // namespace
