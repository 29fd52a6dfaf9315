// The cursor read-outs and the measurements between the cursors.
#include <gtest/gtest.h>

#include <cmath>

#include "graph/cursor_readout.h"
#include "graph_fixture.h"

namespace {

struct ReadoutRow {
  double x, y;
  int digits, format;
  const char *text;
};

TEST(CursorReadout, Formats) {
  const ReadoutRow rows[] = {
      {1.234, 5.0, 3, kCursorDecimal, "(1.234,5.000)"},
      {1.5e-3, -2, 2, kCursorScientific, "(1.50E-003,-2.00E+000)"},
      {1.5e-3, -2, 4, kCursorScientific, "(1.5000E-003,-2.0000E+000)"},
      {-0.5, 1e6, 0, kCursorDecimal, "(-0,1000000)"},
      {2.7, 0, -1, kCursorDecimal, "(3,0)"},               // negative digits: none
      {1, 2, 2, 7, "(1.00E+000,2.00E+000)"},               // any other format is scientific
      {1.0 / 3, 0, 25, kCursorDecimal, "(0.33333333333333331483,0.00000000000000000000)"},  // 20 at most
  };
  for (const ReadoutRow &row : rows)
    EXPECT_EQ(cursor_readout(row.x, row.y, row.digits, row.format), row.text) << row.text;
}

TEST(CursorReadout, DifferenceIsCursorOneMinusCursorTwo) {
  EXPECT_EQ(cursor_difference({3, 1}, {1, 4}, 3, kCursorDecimal), "(2.000,-3.000)");
  EXPECT_EQ(cursor_difference({1, 4}, {3, 1}, 1, kCursorScientific), "(-2.0E+000,3.0E+000)");
}

TEST(CursorReadout, Digits) {
  EXPECT_EQ(cursor_digits(-5), 0);
  EXPECT_EQ(cursor_digits(4), 4);
  EXPECT_EQ(cursor_digits(21), 20);
  EXPECT_EQ(cursor_number(-1.25e-9, 3, kCursorScientific), "-1.250E-009");
}

class SpanTest : public GraphTest {
 protected:
  Trace *add(std::vector<double> x, std::vector<double> y, const char *name) {
    int n = static_cast<int>(x.size());
    double *xs = new double[n], *ys = new double[n];
    std::copy(x.begin(), x.end(), xs);
    std::copy(y.begin(), y.end(), ys);
    return add_trace(graph, 0, 0, 0, 1, name, n, 0, xs, ys, shipped_preferences());
  }
};

TEST_F(SpanTest, StatisticsOfThePointsBetweenTheCursors) {
  make_graph();
  Trace *t = add({0, 1, 2, 3, 4}, {1, -2, 3, 4, -1}, "a");
  for (auto ends : {std::make_pair(1.0, 3.0), std::make_pair(3.0, 1.0)}) {
    SpanStatistics s = span_statistics(*t, ends.first, ends.second);
    EXPECT_EQ(s.count, 3);
    EXPECT_EQ(s.minimum, -2);
    EXPECT_EQ(s.maximum, 4);
    EXPECT_DOUBLE_EQ(s.mean, 5.0 / 3);
    EXPECT_DOUBLE_EQ(s.rms, std::sqrt(29.0 / 3));
    EXPECT_EQ(s.peak_to_peak, 6);
  }
  SpanStatistics none = span_statistics(*t, 1.2, 1.8);
  EXPECT_EQ(none.count, 0);
  EXPECT_EQ(none.minimum, 0);
  EXPECT_EQ(none.rms, 0);
  SpanStatistics one = span_statistics(*t, 2, 2);
  EXPECT_EQ(one.count, 1);
  EXPECT_EQ(one.mean, 3);
  EXPECT_EQ(one.peak_to_peak, 0);
  // Only the drawn points count.
  t->drawn_point_count = 3;
  SpanStatistics drawn = span_statistics(*t, 0, 4);
  EXPECT_EQ(drawn.count, 3);
  EXPECT_EQ(drawn.maximum, 3);
  EXPECT_DOUBLE_EQ(drawn.mean, 2.0 / 3);
}

TEST_F(SpanTest, NearestTraceAtTheCursorsX) {
  make_graph();
  EXPECT_EQ(nearest_trace(*graph, {2, 3}), nullptr);
  Trace *rising = add({0, 10}, {0, 10}, "rising");
  Trace *falling = add({0, 10}, {10, 0}, "falling");
  EXPECT_EQ(nearest_trace(*graph, {2, 3}), rising);      // 2 against 8
  EXPECT_EQ(nearest_trace(*graph, {2, 7}), falling);
  EXPECT_EQ(nearest_trace(*graph, {2.5, 5.4}), falling);  // 2.5 against 7.5: interpolated
  EXPECT_EQ(nearest_trace(*graph, {20, 9}), rising);      // beyond both: their last points
  Trace *late = add({15, 25}, {100, 100}, "late");
  EXPECT_EQ(nearest_trace(*graph, {20, 90}), late);
  EXPECT_EQ(nearest_trace(*graph, {5, 5}), rising);        // a tie keeps the first
}

}  // namespace
