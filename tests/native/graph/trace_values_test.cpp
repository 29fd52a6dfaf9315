// The reduced path compares values instead of converting them: column edges found as values
// must be exact, and the points drawn must be those the point-by-point reduction keeps.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "display_list.h"
#include "graph/coordinates.h"
#include "graph/layout.h"
#include "graph/resources.h"
#include "graph/scaling.h"
#include "graph/segment_clip.h"
#include "graph/trace_drawing.h"
#include "graph/trace_reduction.h"

namespace {

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Noise {
  uint32_t state = 2024;
  double next() {   // in [0, 1)
    state = state * 1664525u + 1013904223u;
    return (state >> 8) / 16777216.0;
  }
};

struct AxisRow {
  const char *name;
  int axis;
  double min, scale, factor;
  int origin;
  double low, high;   // where the values tried lie
};

// Axes as layout leaves them, and the ones whose arithmetic loses digits or clamps.
const AxisRow kAxes[] = {
    {"x 0 .. 10 on the window", 0, 0, 1, 573.8, 926, -1, 11},
    {"y runs downwards", 1, -1, 1, -2070.5, 4309, -1.5, 1.5},
    {"milliseconds", 0, 0, 1e-3, 5738, 926, 0, 1e-3},
    {"a huge minimum and a tiny span", 0, 1e15, 1, 5738 / 0.125, 926, 1e15, 1e15 + 0.125},
    {"zoomed far in: most values clamp", 0, 0.5, 1, 1e12, 926, 0, 1},
    {"denormals", 0, 0, 1, 1e300, 926, 0, 1e-296},
    {"negative values only", 0, -2e-9, 1, 5738 / 1e-9, 926, -2e-9, -1e-9},
};

// Device placements: the window's exact isotropic ratio, y upwards, and a DC's float ratio.
const DeviceTransform kDevices[] = {
    {1200.0 / 7002, 1200.0 / 7002, 0.171, 0.171},
    {0.25, -0.25, 3, 800},
    {static_cast<float>(1199.0 / 7002), static_cast<float>(799.0 / 4668), 0.5f, 0.25f},
};

class TraceValuesTest : public LaidOutGraphTest {
 protected:
  // The row's axis constants, as a layout would leave them.
  void set_axis(const AxisRow &row) {
    Axis &axis = graph->axes[row.axis];
    axis.min = row.min;
    axis.scale = row.scale;
    graph->geometry[row.axis].factor = row.factor;
    graph->geometry[row.axis].origin = row.origin;
  }
};

TEST_F(TraceValuesTest, ColumnValueEdgesAreExact) {
  make_fixed_graph();
  Noise noise;
  for (const AxisRow &row : kAxes) {
    set_axis(row);
    AxisToLogical to_logical(*graph, row.axis);
    ASSERT_TRUE(to_logical.monotone()) << row.name;
    for (const DeviceTransform &device : kDevices) {
      auto column = [&](double v) { return to_device(device, {to_logical(v), 0}).x; };
      for (int i = 0; i < 300; i++) {
        double v = row.low + (row.high - row.low) * noise.next();
        ValueRange values = column_values(to_logical, device, v);
        int c = column(v);
        ASSERT_TRUE(values.contains(v)) << row.name << " at " << v;
        EXPECT_EQ(column(values.low), c) << row.name << " at " << v;
        EXPECT_EQ(column(values.high), c) << row.name << " at " << v;
        if (values.low != -kInf) {
          EXPECT_NE(column(std::nextafter(values.low, -kInf)), c) << row.name << " below " << v;
        }
        if (values.high != kInf) {
          EXPECT_NE(column(std::nextafter(values.high, kInf)), c) << row.name << " above " << v;
        }
      }
    }
  }
}

// The same for one logical coordinate, which a run's y values are compared by.
TEST_F(TraceValuesTest, CoordinateValueEdgesAreExact) {
  make_fixed_graph();
  Noise noise;
  for (const AxisRow &row : kAxes) {
    set_axis(row);
    AxisToLogical to_logical(*graph, row.axis);
    for (int i = 0; i < 300; i++) {
      double v = row.low + (row.high - row.low) * noise.next();
      ValueRange values = coordinate_values(to_logical, v);
      int c = to_logical(v);
      ASSERT_TRUE(values.contains(v)) << row.name << " at " << v;
      EXPECT_EQ(to_logical(values.low), c) << row.name << " at " << v;
      EXPECT_EQ(to_logical(values.high), c) << row.name << " at " << v;
      if (values.low != -kInf) {
        EXPECT_NE(to_logical(std::nextafter(values.low, -kInf)), c) << row.name << " below " << v;
      }
      if (values.high != kInf) {
        EXPECT_NE(to_logical(std::nextafter(values.high, kInf)), c) << row.name << " above " << v;
      }
    }
  }
}

// Values beyond the clamp all land in the edge column: its values run to infinity.
TEST_F(TraceValuesTest, TheClampedColumnsReachInfinity) {
  make_fixed_graph();
  graph->geometry[0].factor = 1e12;
  AxisToLogical to_logical(*graph, 0);
  DeviceTransform device = kDevices[0];
  EXPECT_EQ(column_values(to_logical, device, 5.0).high, kInf);
  EXPECT_EQ(column_values(to_logical, device, -5.0).low, -kInf);
}

// Logarithmic axes and axes without a length keep the conversion of every point.
TEST_F(TraceValuesTest, OnlyLinearAxesWithALengthCompareValues) {
  make_fixed_graph();
  lay_out();
  EXPECT_TRUE(AxisToLogical(*graph, 0).monotone());
  graph->axes[0].base = 10;
  EXPECT_FALSE(AxisToLogical(*graph, 0).monotone());
  graph->axes[0].base = 1;
  graph->geometry[0].factor = 0;
  EXPECT_FALSE(AxisToLogical(*graph, 0).monotone());
  graph->geometry[0].factor = kNaN;
  EXPECT_FALSE(AxisToLogical(*graph, 0).monotone());
}

// A linear axis's coordinate before rounding, as clipping takes it: not a number at 0, far
// values at +-1e300.
double exact_coordinate(const Graph &graph, int axis, double v) {
  double c = (v / graph.axes[axis].scale - graph.axes[axis].min) * graph.geometry[axis].factor +
             graph.geometry[axis].origin;
  if (c != c) return 0;
  return std::max(-1e300, std::min(1e300, c));
}

// A line of the drawing: where it came back within the coordinate limits, the trace's
// points, where it left them.
struct ExpectedLine {
  bool entered = false, left = false;
  LogicalPoint entry{}, exit{};
  std::vector<LogicalPoint> points;
  size_t size() const { return points.size() + entered + left; }
};

// What drawing every point, cut at the coordinate limits, and reducing the trace's points of
// each line point by point keeps; the cut ends stay.
std::vector<std::vector<LogicalPoint>> expected_sweeps(const Graph &graph, const Trace &trace, bool detect,
                                                       const DeviceTransform &device) {
  int count = std::min(trace.point_count, trace.drawn_point_count);
  int d = count > 1 && trace.x_values[1] < trace.x_values[0] ? -1 : 1;
  std::vector<ExpectedLine> lines(1);
  LogicalPoint previous{};
  ExactPoint previous_exact{};
  for (int i = 0; i < count; i++) {
    LogicalPoint p{value_to_logical(&graph, 0, trace.x_values[i]), value_to_logical(&graph, 1, trace.y_values[i])};
    ExactPoint e{exact_coordinate(graph, 0, trace.x_values[i]), exact_coordinate(graph, 1, trace.y_values[i])};
    bool inside = within_coordinate_limits(e), was_inside = within_coordinate_limits(previous_exact);
    bool breaks = i > 0 && detect && d * p.x < d * previous.x;
    if (breaks) lines.emplace_back();
    ExactPoint from = previous_exact, to = e;
    if (i > 0 && !breaks && !(inside && was_inside) && clip_to_coordinate_limits(from, to)) {
      if (was_inside) {
        lines.back().left = true;
        lines.back().exit = logical_point(to);
        lines.emplace_back();
      } else if (inside) {
        lines.back().entered = true;
        lines.back().entry = logical_point(from);
      } else {
        lines.back().points = {logical_point(from), logical_point(to)};
        lines.emplace_back();
      }
    }
    if (inside) lines.back().points.push_back(p);
    previous = p;
    previous_exact = e;
  }
  std::vector<std::vector<LogicalPoint>> drawn;
  for (const ExpectedLine &line : lines) {
    if (line.size() < 2) continue;
    std::vector<LogicalPoint> kept;
    if (line.entered) kept.push_back(line.entry);
    std::vector<LogicalPoint> reduced = reduce_to_pixel_columns(line.points.data(), line.points.size(), device);
    kept.insert(kept.end(), reduced.begin(), reduced.end());
    if (line.left) kept.push_back(line.exit);
    drawn.push_back(kept);
  }
  return drawn;
}

struct SweepRow {
  const char *name;
  int count;
  double (*x)(int i, int count, Noise &noise);
  double (*y)(int i, int count, Noise &noise);
  double x_min, x_max;   // the axis range
};

double rising(int i, int n, Noise &) { return 10.0 * i / n; }
double falling(int i, int n, Noise &) { return 10.0 - 10.0 * i / n; }
double two_sweeps(int i, int n, Noise &) { return 2 * 10.0 * (i % (n / 2)) / n; }
double jittered(int i, int n, Noise &noise) { return 10.0 * i / n + (noise.next() - 0.5) * 1e-3; }
double repeated(int i, int n, Noise &) { return std::floor(400.0 * i / n) / 40; }
double holed(int i, int n, Noise &noise) {
  double r = noise.next();
  return r < 0.001 ? kNaN : r < 0.002 ? kInf : r < 0.003 ? -kInf : 10.0 * i / n;
}
double noisy_sine(int i, int n, Noise &noise) { return std::sin(60.0 * i / n) + 0.2 * noise.next(); }
double ramp(int i, int n, Noise &) { return -1 + 2.0 * i / n; }
double smooth_sine(int i, int n, Noise &) { return std::sin(6.0 * i / n); }
double flat(int, int, Noise &) { return 0.25; }
double holed_sine(int i, int n, Noise &noise) {
  double r = noise.next();
  return r < 0.001 ? kNaN : r < 0.002 ? kInf : r < 0.003 ? -kInf : std::sin(60.0 * i / n);
}

const SweepRow kSweeps[] = {
    {"a noisy sine, rising x", 200000, rising, noisy_sine, 0, 10},
    {"falling x", 200000, falling, noisy_sine, 0, 10},
    {"two sweeps", 200000, two_sweeps, noisy_sine, 0, 10},
    {"x jitters back and forth", 200000, jittered, noisy_sine, 0, 10},
    {"repeated x", 200000, repeated, noisy_sine, 0, 10},
    {"a ramp: every point a new extreme", 100000, rising, ramp, 0, 10},
    {"a smooth sine, many points a height", 400000, rising, smooth_sine, 0, 10},
    {"flat", 100000, rising, flat, 0, 10},
    {"non-numbers and infinities in x", 200000, holed, noisy_sine, 0, 10},
    {"non-numbers and infinities in y", 200000, rising, holed_sine, 0, 10},
    {"zoomed in: most points beyond the clamp", 200000, rising, noisy_sine, 4.99, 5.01},
};

TEST_F(TraceValuesTest, ReducedSweepsKeepThePointsOfThePointByPointReduction) {
  for (const SweepRow &row : kSweeps)
    for (bool detect : {false, true}) {
      make_fixed_graph();
      Noise noise;
      std::vector<double> x(row.count), y(row.count);
      for (int i = 0; i < row.count; i++) x[i] = row.x(i, row.count, noise);
      for (int i = 0; i < row.count; i++) y[i] = row.y(i, row.count, noise);
      add_values(x, y, "V(out)", kPenSolid);
      graph->axes[0].min = row.x_min;
      graph->axes[0].max = row.x_max;
      lay_out();
      DeviceTransform device = device_transform(graph_mapping(*graph, {700, 500}));
      canvas.clear();
      draw_traces(*graph, canvas, *graph_resources(), {detect, &device});
      std::vector<DrawRecord> lines = records_of(canvas.records(), DrawOp::kPolyline);
      std::vector<std::vector<LogicalPoint>> expected = expected_sweeps(*graph, *graph->head->next, detect, device);
      ASSERT_EQ(lines.size(), expected.size()) << row.name << (detect ? ", detecting" : "");
      for (size_t s = 0; s < lines.size(); s++) {
        ASSERT_EQ(lines[s].points.size(), expected[s].size()) << row.name << " sweep " << s;
        for (size_t k = 0; k < expected[s].size(); k++) {
          EXPECT_EQ(lines[s].points[k].x, expected[s][k].x) << row.name << " sweep " << s << " point " << k;
          EXPECT_EQ(lines[s].points[k].y, expected[s][k].y) << row.name << " sweep " << s << " point " << k;
        }
      }
    }
}

}  // namespace
