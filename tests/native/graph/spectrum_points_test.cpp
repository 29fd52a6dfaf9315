// A spectrum's 0 Hz point on a logarithmic x axis: left out of the range the axis is scaled
// from and of the picture, kept in the trace and on a linear axis; every other point at or
// below 0 still refuses the axis.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "display_list.h"
#include "graph/axis.h"
#include "graph/paint.h"
#include "graph/scaling.h"
#include "graph/spectrum_points.h"

namespace {

const char *const kLogMessage = "Negative or zero data not allowed in logaritmic plots";

struct Points {
  bool spectrum;
  std::vector<double> x;
};

struct RangeRow {
  const char *name;
  std::vector<Points> traces;
  bool accepted;        // by a logarithmic x axis
  double min, max;      // the range it is scaled from; the data range itself when refused
};

const RangeRow kRanges[] = {
    {"a spectrum from 0 Hz", {{true, {0, 2, 20, 200}}}, true, 2, 200},
    {"two spectra from 0 Hz", {{true, {0, 2, 20}}, {true, {0, 5, 500}}}, true, 2, 500},
    {"a spectrum and a trace below its first bin", {{true, {0, 2, 20}}, {false, {0.5, 8}}}, true, 0.5, 20},
    {"a spectrum without a DC term", {{true, {0.5, 1, 1.5}}}, true, 0.5, 1.5},
    {"any other trace at 0", {{false, {0, 2, 20}}}, false, 0, 20},
    {"a spectrum beside a trace at 0", {{true, {0, 2, 20}}, {false, {0, 3}}}, false, 0, 20},
    {"0 Hz after the first point", {{true, {2, 0, 20}}}, false, 0, 20},
    {"a second point at 0 Hz", {{true, {0, 0, 20}}}, false, 0, 20},
    {"negative frequencies", {{true, {-2, 0, 2}}}, false, -2, 2},
};

class SpectrumPointsTest : public LaidOutGraphTest {
 protected:
  Trace *add(const Points &p) {
    Trace *t = add_values(p.x, std::vector<double>(p.x.size(), 0.5), "trace");
    t->spectrum = p.spectrum;
    return t;
  }
  // Sets the graph's x data range as the trace code does, to the union of the traces'
  // values, and returns its minimum.
  double set_union_range() {
    double lo = 1e300, hi = -1e300;
    for (const Trace *t = graph->head->next; t; t = t->next)
      for (int i = 0; i < t->point_count; i++) lo = std::min(lo, t->x_values[i]), hi = std::max(hi, t->x_values[i]);
    EXPECT_TRUE(set_data_range(graph, 0, lo, hi));
    return lo;
  }
  // What the paint draws between the traces' clip and its reset.
  std::vector<DrawRecord> traces_drawn() {
    lay_out();
    canvas.clear();
    paint_graph(graph, canvas, {700, 500}, false);
    const std::vector<DrawRecord> &r = canvas.records();
    int clip = op_index(r, DrawOp::kIntersectClip), reset = op_index(r, DrawOp::kResetClip);
    if (clip < 0 || reset < 0) return {};
    return std::vector<DrawRecord>(r.begin() + clip + 1, r.begin() + reset);
  }
};

TEST_F(SpectrumPointsTest, RangeOfALogarithmicXAxis) {
  for (const RangeRow &row : kRanges) {
    SCOPED_TRACE(row.name);
    make_graph();
    for (const Points &p : row.traces) add(p);
    double data_min = set_union_range();
    DataRange scaled = logarithmic_x_range(*graph, graph->data_range[0]);
    EXPECT_EQ(scaled.min, row.min);
    EXPECT_EQ(scaled.max, row.max);

    ui.messages.clear();
    EXPECT_EQ(set_axis_base(graph, 0, 10), row.accepted);
    EXPECT_EQ(axis_base(graph, 0), row.accepted ? 10 : 1);
    EXPECT_EQ(data_range(graph, 0).min, data_min);   // the data range keeps the point
    if (!row.accepted) {
      ASSERT_EQ(ui.messages.size(), 1u);
      EXPECT_EQ(ui.messages[0].text, kLogMessage);
      continue;
    }
    EXPECT_TRUE(ui.messages.empty());
    DisplayRange shown = display_range(graph, 0);
    EXPECT_LE(shown.min, row.min);
    EXPECT_GT(shown.min, row.min / 10);
    EXPECT_GE(shown.max, row.max);
    EXPECT_LT(shown.max, row.max * 10);
  }
}

// Once logarithmic, every way the x range is set again leaves the 0 Hz point out.
TEST_F(SpectrumPointsTest, DataRangeAndAutomaticEndsOnALogarithmicAxis) {
  make_graph(10, 1);
  add({true, {0, 0.02, 30}});
  ASSERT_TRUE(set_data_range(graph, 0, 0, 30));
  EXPECT_EQ(graph->axes[0].min, -2);
  EXPECT_EQ(graph->axes[0].max, 2);
  set_automatic_flag(graph, 0, kAutomaticMax, false);
  ASSERT_TRUE(set_manual_range(graph, 0, 0, 1000, 1));
  EXPECT_EQ(graph->axes[0].min, -2);
  EXPECT_EQ(graph->axes[0].max, 3);
  // A manual minimum of 0 is the user's own, and refused as ever.
  set_automatic_flag(graph, 0, kAutomaticMin, false);
  EXPECT_FALSE(set_manual_range(graph, 0, 0, 1000, 1));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, kLogMessage);
}

TEST_F(SpectrumPointsTest, TheZeroFrequencyPointIsDrawnOnlyOnALinearAxis) {
  struct Row {
    const char *name;
    bool spectrum;
    int base;
    size_t points;
    int first_x;   // logical x of the first point drawn
  } rows[] = {
      // x 1 .. 100 over two decades, 0 .. 100 linear; the plot spans 926 .. 6664.
      {"spectrum, logarithmic", true, 10, 3, 926},
      {"spectrum, linear", true, 1, 4, 926},
      {"not a spectrum, linear", false, 1, 4, 926},
  };
  for (const Row &row : rows) {
    SCOPED_TRACE(row.name);
    make_fixed_graph();
    Trace *t = add({row.spectrum, {0, 1, 10, 100}});
    t->display_symbols = true;
    ASSERT_TRUE(set_data_range(graph, 0, 0, 100));
    ASSERT_TRUE(set_axis_base(graph, 0, row.base));
    std::vector<DrawRecord> drawn = traces_drawn();
    std::vector<DrawRecord> lines = records_of(drawn, DrawOp::kPolyline);
    ASSERT_EQ(lines.size(), 1u);
    ASSERT_EQ(lines[0].points.size(), row.points);
    EXPECT_EQ(lines[0].points[0].x, row.first_x);
    EXPECT_EQ(lines[0].points.back().x, 6664);
    // The symbols (filled squares) stand on the same points.
    std::vector<DrawRecord> squares = records_of(drawn, DrawOp::kRectangle);
    ASSERT_EQ(squares.size(), row.points);
    EXPECT_EQ((squares[0].rect.left + squares[0].rect.right) / 2, row.first_x);
    // The trace keeps its point.
    EXPECT_EQ(t->point_count, 4);
    EXPECT_EQ(t->x_values[0], 0);
  }
}

}  // namespace
