#include <cmath>
#include <limits>
#include <vector>

#include "graph/coordinates.h"
#include "graph/trace_coordinates.h"
#include "graph_fixture.h"

namespace {

struct AxisRow {
  const char *name;
  double min, max, scale;
  int base, origin, length;
};

const AxisRow kAxes[] = {
    {"linear, scale 1", -1, 1, 1, 1, 4309, -4141},
    {"linear, milli", 0, 4, 1e-3, 1, 926, 5738},
    {"linear, giga", -2, 7, 1e9, 1, 0, 7000},
    {"logarithmic base 10", -3, 3, 1, 10, 100, 6000},
    {"logarithmic base 8", 0, 2, 1, 8, 5000, -4000},
};

// The trace loop's conversion is value_to_logical, value for value, clamps and halves too.
TEST_F(GraphTest, TraceCoordinatesAgreeWithTheGraphs) {
  make_graph();
  std::vector<double> values = {0,     -0.0,   1,      -1,     1e-300, -1e300, 1e300,
                                1e6,   -1e6,   0.5e-3, 2.5e-3, 1e-12,  7e9,    -2.5e9,
                                std::numeric_limits<double>::infinity(),
                                -std::numeric_limits<double>::infinity(),
                                std::nan("")};
  unsigned state = 99;
  for (int i = 0; i < 20000; i++) {
    state = state * 1664525u + 1013904223u;
    double unit = (state >> 8) / 16777216.0;
    values.push_back((unit * 2 - 1) * std::pow(10.0, (i % 25) - 12));
  }
  for (const AxisRow &row : kAxes) {
    Axis &a = graph->axes[0];
    a.min = row.min, a.max = row.max, a.scale = row.scale, a.base = row.base;
    AxisGeometry &g = graph->geometry[0];
    g.origin = row.origin;
    g.length = row.length;
    g.factor = row.length / (row.max - row.min);
    AxisToLogical convert(*graph, 0);
    int differ = 0;
    for (double v : values) differ += convert(v) != value_to_logical(graph, 0, v);
    EXPECT_EQ(differ, 0) << row.name;
  }
}

// Values that land exactly on halves and on the limits.
TEST_F(GraphTest, TraceCoordinatesRoundHalvesAwayAndClamp) {
  make_graph();
  Axis &a = graph->axes[0];
  a.min = 0, a.max = 1, a.scale = 1, a.base = 1;
  graph->geometry[0].origin = 0;
  graph->geometry[0].factor = 1;
  AxisToLogical convert(*graph, 0);
  EXPECT_EQ(convert(2.5), 3);
  EXPECT_EQ(convert(-2.5), -3);
  EXPECT_EQ(convert(2.4999), 2);
  EXPECT_EQ(convert(32766.5), 32767);
  EXPECT_EQ(convert(40000), 32767);
  EXPECT_EQ(convert(-40000), -32767);
  EXPECT_EQ(convert(std::nan("")), 0);
}

}  // namespace
