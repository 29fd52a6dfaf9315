// Trace segments cut to the coordinate limits: the part drawn lies on the true line, in the
// full path and the reduced one alike, and nothing changes where no point lies beyond them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <limits>
#include <vector>

#include "display_list.h"
#include "graph/layout.h"
#include "graph/resources.h"
#include "graph/segment_clip.h"
#include "graph/trace_drawing.h"
#include "raster.h"

namespace {

const double kInf = std::numeric_limits<double>::infinity();

struct ClipRow {
  const char *name;
  ExactPoint a, b;
  bool visible;
  ExactPoint clipped_a, clipped_b;
};

const ClipRow kClips[] = {
    {"inside: untouched", {1.25, -3.5}, {100.75, 2e4}, true, {1.25, -3.5}, {100.75, 2e4}},
    {"one end beyond x", {0, 0}, {65534, 100}, true, {0, 0}, {32767, 50}},
    {"across the square", {-65534, -100}, {65534, 100}, true, {-32767, -50}, {32767, 50}},
    {"one end beyond y", {0, 0}, {10, -327670}, true, {0, 0}, {1, -32767}},
    {"past a corner", {32000, 40000}, {40000, 32000}, false, {}, {}},
    {"through a corner", {31767, 33767}, {33767, 31767}, true, {32767, 32767}, {32767, 32767}},
    {"wholly left of it", {-40000, 0}, {-35000, 100}, false, {}, {}},
    {"level above it", {0, 40000}, {100, 40000}, false, {}, {}},
    {"on the edge", {32767, 0}, {32767, 10}, true, {32767, 0}, {32767, 10}},
    {"a point beyond", {40000, 0}, {40000, 0}, false, {}, {}},
    {"towards a far corner", {0, 0}, {1e300, 1e300}, true, {0, 0}, {32767, 32767}},
};

TEST(SegmentClip, Table) {
  for (const ClipRow &row : kClips) {
    ExactPoint a = row.a, b = row.b;
    ASSERT_EQ(clip_to_coordinate_limits(a, b), row.visible) << row.name;
    if (!row.visible) continue;
    EXPECT_DOUBLE_EQ(a.x, row.clipped_a.x) << row.name;
    EXPECT_DOUBLE_EQ(a.y, row.clipped_a.y) << row.name;
    EXPECT_DOUBLE_EQ(b.x, row.clipped_b.x) << row.name;
    EXPECT_DOUBLE_EQ(b.y, row.clipped_b.y) << row.name;
  }
  EXPECT_TRUE(within_coordinate_limits({-32767, 32767}));
  EXPECT_FALSE(within_coordinate_limits({0, 32767.001}));
}

using Line = std::vector<LogicalPoint>;

// The lines of a display list: each polyline, and each move_to with the line_tos after it.
std::vector<Line> lines_of(const std::vector<DrawRecord> &records) {
  std::vector<Line> lines;
  bool open = false;
  for (const DrawRecord &r : records) {
    if (r.op == DrawOp::kPolyline) {
      lines.push_back(r.points);
      open = false;
    } else if (r.op == DrawOp::kMoveTo) {
      lines.push_back({r.points[0]});
      open = true;
    } else if (r.op == DrawOp::kLineTo && open) {
      lines.back().push_back(r.points[0]);
    }
  }
  std::vector<Line> drawn;
  for (const Line &line : lines)
    if (line.size() >= 2) drawn.push_back(line);
  return drawn;
}

struct DeepRow {
  const char *name;
  std::vector<double> x, y;
  std::vector<Line> lines;
};

// The fixed graph with a legend: x = 926 + 573.8 x, y = 4309 - 1986.5 (y + 1). The old
// clamping drew, say, the first row from (-32767, 2323) to (32767, 1905).
double at_x(double logical) { return (logical - 926) / 573.8; }
double at_y(double logical) { return (4309 - logical) / 1986.5 - 1; }

const DeepRow kDeepRows[] = {
    {"both ends far off", {-100, 110}, {0, 0.21}, {{{-32767, 2240}, {32767, 2014}}}},
    {"one end far off", {5, 110}, {0, 0.21}, {{{3795, 2323}, {32767, 2122}}}},
    {"coming back", {-100, 5, 6}, {0.21, 0, 0}, {{{-32767, 2069}, {3795, 2323}, {4369, 2323}}}},
    {"beside the square", {-100, -90}, {0, 1}, {}},
    {"far off in y", {4, 6}, {0, 100}, {{{3221, 2323}, {3424, -32767}}}},
    {"towards an infinite x the line runs level", {5, kInf}, {0, 0.5}, {{{3795, 2323}, {32767, 2323}}}},
    {"leaving and coming back breaks the line",
     {4, 5, 200, 6},
     {0, 0, 0.5, 0},
     {{{3221, 2323}, {3795, 2323}, {32767, 2065}}, {{32767, 2069}, {4369, 2323}}}},
    {"within the limits as ever", {0, 10}, {-1, 1}, {{{926, 4309}, {6664, 336}}}},
    // In device column 300 a run reaches height 32767 twice, then a point far beyond it: the
    // values of that height must not let it pass as one of the run's.
    {"a column at the height of the limit",
     {at_x(3000), at_x(3001), at_x(3002), at_x(3003), at_x(30000)},
     {at_y(100), at_y(32766.8), at_y(32766.9), at_y(1e6), at_y(100)},
     {{{3000, 100}, {3001, 32767}, {3002, 32767}, {3002, 32767}}, {{29118, 32767}, {30000, 100}}}},
};

class TraceClippingTest : public LaidOutGraphTest {
 protected:
  std::vector<DrawRecord> draw(const DeepRow &row, int style, bool symbols = false) {
    make_fixed_graph();
    Trace *t = add_values(row.x, row.y, "V(out)", style);
    t->display_symbols = symbols;
    lay_out();
    device = device_transform(graph_mapping(*graph, {700, 500}));
    canvas.clear();
    draw_traces(*graph, canvas, *graph_resources(), {false, &device});
    return canvas.records();
  }
  DeviceTransform device{};
};

// Dashes draw every point; a solid one-pixel pen takes the reduced path.
TEST_F(TraceClippingTest, DeepZoomDrawsTheTrueLine) {
  for (int style : {kPenDash, kPenSolid})
    for (const DeepRow &row : kDeepRows) {
      std::vector<Line> lines = lines_of(draw(row, style));
      std::string name = std::string(row.name) + (style == kPenSolid ? ", reduced" : ", every point");
      ASSERT_EQ(lines.size(), row.lines.size()) << name;
      for (size_t l = 0; l < lines.size(); l++) {
        ASSERT_EQ(lines[l].size(), row.lines[l].size()) << name << " line " << l;
        for (size_t k = 0; k < lines[l].size(); k++) {
          EXPECT_EQ(lines[l][k].x, row.lines[l][k].x) << name << " line " << l << " point " << k;
          EXPECT_EQ(lines[l][k].y, row.lines[l][k].y) << name << " line " << l << " point " << k;
        }
      }
    }
}

TEST_F(TraceClippingTest, NoSymbolsBeyondTheLimits) {
  DeepRow row{"symbols", {5, 110, -100, 6, 4}, {0, 0, 0, 0, 100}, {}};
  std::vector<DrawRecord> squares = records_of(draw(row, kPenNull, true), DrawOp::kRectangle);
  ASSERT_EQ(squares.size(), 2u);
  EXPECT_EQ(squares[0].rect.left, 3795 - 50);
  EXPECT_EQ(squares[1].rect.left, 4369 - 50);
}

// Zoomed in on x 4.75 .. 5.25, a noisy trace over 0 .. 10 lies beyond the limits on both
// sides, with spikes far off in y within them: the reduced path lights the pixels of every
// point's path.
TEST_F(TraceClippingTest, ReducedDeepZoomDrawsTheSamePixelsAsEveryPoint) {
  uint32_t state = 99;
  DeepRow row{"deep zoom", {}, {}, {}};
  for (int i = 0; i < 100000; i++) {
    state = state * 1664525u + 1013904223u;
    double noise = (state >> 8) / 16777216.0;
    row.x.push_back(10.0 * i / 100000);
    row.y.push_back(i % 997 == 0 ? 40 * (noise - 0.5) : 0.6 * std::sin(row.x.back() * 40) + 0.3 * noise);
  }
  for (bool detect : {false, true}) {
    make_fixed_graph();
    add_values(row.x, row.y, "V(out)", kPenSolid);
    graph->axes[0].min = 4.75;
    graph->axes[0].max = 5.25;
    lay_out();
    device = device_transform(graph_mapping(*graph, {700, 500}));
    canvas.clear();
    draw_traces(*graph, canvas, *graph_resources(), {detect, &device});
    std::vector<DrawRecord> reduced = canvas.records();
    graph->head->next->line_style = kPenDash;
    canvas.clear();
    draw_traces(*graph, canvas, *graph_resources(), {detect, &device});
    std::vector<DrawRecord> full = canvas.records();
    size_t kept = 0;
    for (const DrawRecord &r : records_of(reduced, DrawOp::kPolyline)) kept += r.points.size();
    EXPECT_LT(kept * 2, records_of(full, DrawOp::kLineTo).size());
    Pixels full_pixels = rasterise_lines(full, device);
    EXPECT_GT(full_pixels.size(), 10000u);
    EXPECT_EQ(differing_pixels(full_pixels, rasterise_lines(reduced, device)), 0u) << (detect ? "detecting" : "");
  }
}

}  // namespace
