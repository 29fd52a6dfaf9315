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

struct CursorSpanRow {
  const char *name;
  double x1, x2;
  int drawn;   // drawn point count
  double minimum, maximum, mean, rms;
};

// The integral of the square of the line from a to b over a width w.
constexpr double squared(double a, double b, double w) { return w * (a * a + a * b + b * b) / 3; }

// Points at uneven steps: x 0, 1, 2, 4, 8 with y 1, -2, 3, 4, -1.
const CursorSpanRow kCursorSpans[] = {
    // The trapezoids: -0.5, 0.5, 7, 6 over 8.
    {"the whole trace, time-weighted", 0, 8, 5, -2, 4, 13.0 / 8,
     std::sqrt((squared(1, -2, 1) + squared(-2, 3, 1) + squared(3, 4, 2) + squared(4, -1, 4)) / 8)},
    {"cursor 2 left of cursor 1", 8, 0, 5, -2, 4, 13.0 / 8,
     std::sqrt((squared(1, -2, 1) + squared(-2, 3, 1) + squared(3, 4, 2) + squared(4, -1, 4)) / 8)},
    // y at 1.5 is 0.5 and at 3 is 3.5.
    {"cursors between points", 1.5, 3, 5, 0.5, 3.5, (0.5 * (0.5 + 3) / 2 + (3 + 3.5) / 2) / 1.5,
     std::sqrt((squared(0.5, 3, 0.5) + squared(3, 3.5, 1)) / 1.5)},
    {"both cursors in one step", 4.5, 5.5, 5, 2.125, 3.375, 2.75, std::sqrt(squared(3.375, 2.125, 1))},
    {"no width: the value there", 6, 6, 5, 1.5, 1.5, 1.5, 1.5},
    {"only the drawn points count", 0, 8, 4, -2, 4, 7.0 / 4,
     std::sqrt((squared(1, -2, 1) + squared(-2, 3, 1) + squared(3, 4, 2)) / 4)},
};

TEST_F(SpanTest, TimeWeightedBetweenTheCursors) {
  make_graph();
  Trace *t = add({0, 1, 2, 4, 8}, {1, -2, 3, 4, -1}, "a");
  for (const CursorSpanRow &row : kCursorSpans) {
    t->drawn_point_count = row.drawn;
    SpanStatistics s = span_statistics(*t, row.x1, row.x2);
    EXPECT_GT(s.count, 0) << row.name;
    EXPECT_DOUBLE_EQ(s.minimum, row.minimum) << row.name;
    EXPECT_DOUBLE_EQ(s.maximum, row.maximum) << row.name;
    EXPECT_DOUBLE_EQ(s.mean, row.mean) << row.name;
    EXPECT_DOUBLE_EQ(s.rms, row.rms) << row.name;
    EXPECT_DOUBLE_EQ(s.peak_to_peak, row.maximum - row.minimum) << row.name;
  }
  t->drawn_point_count = 5;
  SpanStatistics none = span_statistics(*t, 9, 12);
  EXPECT_EQ(none.count, 0);
  EXPECT_EQ(none.minimum, 0);
  EXPECT_EQ(none.rms, 0);
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
