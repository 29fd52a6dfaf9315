// Span measurements: time-weighted, cut at the span's ends, over sweeps.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "base/span.h"

namespace {

struct SpanRow {
  const char *name;
  std::vector<double> x, y;
  double x1, x2;
  int count;
  double width, integral, minimum, maximum, mean, rms;
};

const SpanRow kSpans[] = {
    // The points average 4/3; the plateau lasts twice as long as the rise.
    // Of y squared, a line from a to b over w gives w (a^2 + ab + b^2) / 3: 4/3 and 8 here.
    {"uneven steps weigh by time", {0, 1, 3}, {0, 2, 2}, 0, 3, 3, 3, 5, 0, 2, 5.0 / 3, std::sqrt(28.0 / 9)},
    {"ends between points are interpolated", {0, 2, 4}, {0, 4, 0}, 1, 3, 3, 2, 6, 2, 4, 3, std::sqrt(28.0 / 3)},
    {"the ends in either order", {0, 2, 4}, {0, 4, 0}, 3, 1, 3, 2, 6, 2, 4, 3, std::sqrt(28.0 / 3)},
    {"within one step", {0, 10}, {0, 10}, 2, 4, 2, 2, 6, 2, 4, 3, std::sqrt(28.0 / 3)},
    {"no width: the value there", {0, 10}, {0, -10}, 5, 5, 1, 0, 0, -5, -5, -5, 5},
    {"no width on a point", {0, 1, 2}, {1, 3, 5}, 1, 1, 1, 0, 0, 3, 3, 3, 3},
    {"the span misses the curve", {0, 1}, {2, 2}, 2, 3, 0, 0, 0, 0, 0, 0, 0},
    {"a span beyond an end covers what the curve does", {0, 1}, {2, 2}, -1, 0.5, 2, 0.5, 1, 2, 2, 2, 2},
    {"the curve ends on the span's start", {0, 1}, {2, 4}, 1, 3, 1, 0, 0, 4, 4, 4, 4},
    {"falling x", {4, 2, 0}, {0, 4, 0}, 1, 3, 3, 2, 6, 2, 4, 3, std::sqrt(28.0 / 3)},
    // The step back from x 2 to 0 starts the second sweep and is not measured.
    {"two sweeps pooled", {0, 2, 0, 2}, {1, 1, 3, 3}, 0, 2, 4, 4, 8, 1, 3, 2, std::sqrt(5.0)},
    {"a step in y at one x", {0, 1, 1, 2}, {0, 0, 1, 1}, 0, 2, 4, 2, 1, 0, 1, 0.5, std::sqrt(0.5)},
    {"one point", {5}, {7}, 0, 10, 1, 0, 0, 7, 7, 7, 7},
    {"the way is the first step's that moves", {3, 3, 1}, {1, 2, 2}, 1, 3, 3, 2, 4, 1, 2, 2, 2},
    {"no points", {}, {}, 0, 1, 0, 0, 0, 0, 0, 0, 0},
};

TEST(Span, Table) {
  for (const SpanRow &row : kSpans) {
    SpanMeasures s = measure_span(row.x.data(), row.y.data(), static_cast<int>(row.x.size()), row.x1, row.x2);
    EXPECT_EQ(s.count, row.count) << row.name;
    EXPECT_DOUBLE_EQ(s.width, row.width) << row.name;
    EXPECT_DOUBLE_EQ(s.integral, row.integral) << row.name;
    EXPECT_DOUBLE_EQ(s.minimum, row.minimum) << row.name;
    EXPECT_DOUBLE_EQ(s.maximum, row.maximum) << row.name;
    EXPECT_DOUBLE_EQ(s.mean, row.mean) << row.name;
    EXPECT_DOUBLE_EQ(s.rms, row.rms) << row.name;
    EXPECT_DOUBLE_EQ(s.peak_to_peak, row.maximum - row.minimum) << row.name;
  }
}

// A sine over whole periods on a crowded then sparse time grid: the time average is near
// zero and the RMS near 1/sqrt(2) whatever the steps, which a point average is not.
TEST(Span, UnevenGridOfASine) {
  std::vector<double> t, y;
  for (int i = 0; i <= 4000; i++) {
    double u = i / 4000.0;
    t.push_back(u < 0.5 ? u * 0.2 : 0.1 + (u - 0.5) * 1.8);   // 2000 steps in 0.1, 2000 in 0.9
    y.push_back(std::sin(2 * M_PI * 4 * t.back()));
  }
  SpanMeasures s = measure_span(t.data(), y.data(), static_cast<int>(t.size()), 0, 1);
  EXPECT_NEAR(s.mean, 0, 1e-4);
  EXPECT_NEAR(s.rms, std::sqrt(0.5), 1e-4);
  EXPECT_NEAR(s.integral, 0, 1e-4);
  EXPECT_NEAR(s.width, 1, 1e-12);
  EXPECT_EQ(s.count, 4001);
}

TEST(Span, NoArrays) {
  EXPECT_EQ(measure_span(nullptr, nullptr, 3, 0, 1).count, 0);
  double x = 1;
  EXPECT_EQ(measure_span(&x, &x, -1, 0, 2).count, 0);
}

}  // namespace
