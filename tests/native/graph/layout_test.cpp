#include <gtest/gtest.h>

#include "display_list.h"
#include "graph/layout.h"
#include "graph/resources.h"

namespace {

// Screen fonts at 96 dots per inch on a 5000-high view: 96 * 5000 * points / 72 / 714, so
// 18 points (labels, legend) are 168.07 -> 168 units and 20 points (titles) 186.7 -> 187.
// The recording canvas makes "X" as high as the font: c = 168, L = 67, G = 34, D = 16.

struct FontRow {
  const char *name;
  FontSurface surface;
  int points, height;
};

const FontRow kFontRows[] = {
    {"screen, 18 points", {96, 5000, 714}, 18, 168},
    {"screen, 20 points", {96, 5000, 714}, 20, 187},
    {"screen of a 2800-high view", {96, 2800, 400}, 18, 168},
    {"printer at 600 dpi", {600, 1000, 500}, 10, 167},   // 166.67
    {"a half rounds away from zero", {72, 1, 2}, 5, 3},   // 2.5
    {"an empty viewport gives no height", {96, 5000, 0}, 18, 0},
};

TEST(PointSizes, ToLogicalHeight) {
  for (const FontRow &row : kFontRows)
    EXPECT_EQ(point_size_to_height(row.surface, row.points), row.height) << row.name;
  FontSurface screen = screen_font_surface(96, 5000);
  EXPECT_EQ(screen.window_extent_height, 5000);
  EXPECT_EQ(screen.viewport_extent_height, 714);
}

using LayoutTest = LaidOutGraphTest;

TEST_F(LayoutTest, WindowViewWithoutTraces) {
  make_fixed_graph();
  lay_out();
  EXPECT_EQ(graph_resources()->view_width, 7000);
  EXPECT_EQ(graph_resources()->view_height, 5000);   // 7000 * 500 / 700
  EXPECT_EQ(graph->character_height, 168);
  EXPECT_EQ(graph->margin, 1);
  EXPECT_EQ(graph->margin_measure, 134);              // 134.4
  EXPECT_DOUBLE_EQ(graph->line_width_factor, 4.2);
  EXPECT_EQ(graph->label_format[0].font.height, 168);
  EXPECT_EQ(graph->label_format[1].font.height, 168);
  EXPECT_EQ(graph->title[0].font.height, 187);
  EXPECT_EQ(graph->title[1].font.height, 187);
  // top c; bottom 5000 - (168 + 2c + 187); left 2c + widest "-1.0" (403) + 187; right W - 2c.
  EXPECT_EQ(graph->plot.left, 926);
  EXPECT_EQ(graph->plot.top, 168);
  EXPECT_EQ(graph->plot.right, 6664);
  EXPECT_EQ(graph->plot.bottom, 4309);
  // Bands: c inside the edge, round(0.4 c) = 67 outside.
  EXPECT_EQ(graph->x_band.left, 926);
  EXPECT_EQ(graph->x_band.top, 4141);
  EXPECT_EQ(graph->x_band.right, 6664);
  EXPECT_EQ(graph->x_band.bottom, 4376);
  EXPECT_EQ(graph->y_band.left, 859);
  EXPECT_EQ(graph->y_band.top, 168);
  EXPECT_EQ(graph->y_band.right, 1094);
  EXPECT_EQ(graph->y_band.bottom, 4309);
}

TEST_F(LayoutTest, AxisGeometryAndTicks) {
  make_fixed_graph();
  lay_out();
  const AxisGeometry &x = graph->geometry[0];
  EXPECT_EQ(x.origin, 926);
  EXPECT_EQ(x.length, 5738);
  EXPECT_EQ(x.start, 926);
  EXPECT_EQ(x.end, 6664);
  EXPECT_DOUBLE_EQ(x.factor, 573.8);
  EXPECT_EQ(x.tick_spacing, 1148);   // 1147.6
  ASSERT_EQ(x.tick_count, 5);
  const int x_ticks[] = {926, 2074, 3221, 4369, 5516};   // 926 + k * 1147.6
  for (int i = 0; i < 5; i++) EXPECT_EQ(x.ticks[i], x_ticks[i]) << i;
  ASSERT_EQ(x.tic_count, 15);                              // three per interval
  EXPECT_EQ(x.tics[0], 1213);                              // 926 + 286.9
  EXPECT_EQ(x.tics[1], 1500);                              // 926 + 573.8
  EXPECT_EQ(x.tics[2], 1787);                              // 926 + 860.7

  const AxisGeometry &y = graph->geometry[1];
  EXPECT_EQ(y.origin, 4309);
  EXPECT_EQ(y.length, -4141);   // upwards: minimum at the bottom
  EXPECT_EQ(y.start, 4309);
  EXPECT_EQ(y.end, 168);
  EXPECT_DOUBLE_EQ(y.factor, -2070.5);
  ASSERT_EQ(y.tick_count, 4);
  const int y_ticks[] = {4309, 3274, 2239, 1203};   // 3273.75, 2238.5 (away), 1203.25
  for (int i = 0; i < 4; i++) EXPECT_EQ(y.ticks[i], y_ticks[i]) << i;

  // Label sizes of this layout: "0.0" .. "8.0", then "10.0" at the end.
  ASSERT_EQ(x.label_count, 6);
  EXPECT_EQ(x.label_sizes[0].width, 302);
  EXPECT_EQ(x.label_sizes[5].width, 403);
  EXPECT_EQ(x.label_sizes[5].height, 168);
  EXPECT_EQ(x.title_size.width, 1009);    // "Time  [s]", 9 characters at 187
  EXPECT_EQ(y.title_size.width, 1907);    // "Y Axis Title  [V]", 17 characters
  EXPECT_EQ(y.title_size.height, 187);
}

// The first pass measures "X" in fonts not yet sized; the second in the fonts the first set.
TEST_F(LayoutTest, RunsTheWholeSequenceTwice) {
  make_fixed_graph();
  lay_out();
  const std::vector<DrawRecord> &r = canvas.records();
  std::vector<DrawRecord> mappings = records_of(r, DrawOp::kSetMapping);
  ASSERT_EQ(mappings.size(), 6u);   // three rounds per pass
  for (const DrawRecord &m : mappings) {
    EXPECT_EQ(m.mapping.window_origin.x, -1);
    EXPECT_EQ(m.mapping.window_extent.width, 7002);
    EXPECT_EQ(m.mapping.window_extent.height, 5002);
    EXPECT_EQ(m.mapping.viewport_extent.width, 700);
  }
  std::vector<int> x_heights;
  for (size_t i = 0; i < r.size(); i++)
    if (r[i].op == DrawOp::kTextExtent && r[i].text == "X" && i > 0 &&
        r[i - 2].op == DrawOp::kSetMapping)
      x_heights.push_back(r[i].font.height);
  EXPECT_EQ(x_heights, (std::vector<int>{0, 0, 0, 168, 168, 168}));
  // The rounds of one pass go mapping, font, "X": nothing else comes between.
  int first = op_index(r, DrawOp::kSetMapping);
  EXPECT_EQ(r[first + 1].op, DrawOp::kSetFont);
  EXPECT_EQ(r[first + 2].text, "X");
  EXPECT_EQ(r[first + 3].op, DrawOp::kSetMapping);
}

TEST_F(LayoutTest, LegendLabelsTakeTheStripAboveThePlot) {
  make_fixed_graph();
  Trace *first = add_values({0, 10}, {0, 1}, "V(out)");
  Trace *second = add_values({0, 10}, {1, 0}, "I(R1)");
  lay_out();
  // "V(out)": 604 wide and 168 high; r = 56, g = 18 beside the text: 734.
  EXPECT_EQ(first->legend.size.width, 734);
  EXPECT_EQ(first->legend.size.height, 168);
  EXPECT_EQ(first->legend.text_size.width, 604);
  EXPECT_EQ(second->legend.size.width, 634);   // 504 + 130
  // The strip: top = c + the tallest label.
  EXPECT_EQ(graph->plot.top, 336);
  // 2 and 5 device pixels at 500 / 5002 device units per logical unit: 20 and 50 units.
  EXPECT_EQ(first->legend.x, 926);
  EXPECT_EQ(first->legend.y, 148);   // 336 - 20 - 168
  EXPECT_EQ(second->legend.x, 1710); // 926 + 734 + 50
  EXPECT_EQ(second->legend.y, 148);
}

TEST_F(LayoutTest, HiddenLegendsAndPlacedLabels) {
  make_fixed_graph();
  Trace *first = add_values({0, 10}, {0, 1}, "V(out)");
  Trace *second = add_values({0, 10}, {1, 0}, "I(R1)");
  first->legend.position_set = true;
  first->legend.x = 3000;
  first->legend.y = 2000;
  graph->legend_display = kLegendHidden;
  lay_out();
  EXPECT_EQ(graph->plot.top, 168);        // no strip for hidden labels
  EXPECT_EQ(first->legend.x, 3000);       // placed by the user: stays
  EXPECT_EQ(first->legend.y, 2000);
  EXPECT_EQ(first->legend.size.width, 734);   // still sized
  EXPECT_EQ(second->legend.x, 926);       // the first of the labels the layout places
  EXPECT_EQ(second->legend.y, 168 - 20 - 168);
}

TEST_F(LayoutTest, PageViewKeepsThePageWhateverTheWindow) {
  make_fixed_graph();
  graph->view_mode = kPageView;
  lay_out({1000, 400});
  EXPECT_EQ(graph_resources()->view_width, 7000);
  EXPECT_EQ(graph_resources()->view_height, 5000);
  EXPECT_EQ(graph->margin, 134);
  std::vector<DrawRecord> mappings = records_of(canvas.records(), DrawOp::kSetMapping);
  ASSERT_EQ(mappings.size(), 6u);
  // The first pass starts without a margin; from the second round of the second pass on it
  // is the margin measure of c = 168.
  EXPECT_EQ(mappings[0].mapping.window_origin.x, 0);
  EXPECT_EQ(mappings[3].mapping.window_origin.x, 0);
  EXPECT_EQ(mappings[4].mapping.window_origin.x, -134);
  EXPECT_EQ(mappings[5].mapping.window_extent.width, 7268);
  EXPECT_EQ(mappings[5].mapping.window_extent.height, 5268);
  EXPECT_EQ(graph->plot.bottom, 4309);
  EXPECT_EQ(graph->plot.right, 6664);
}

TEST_F(LayoutTest, WindowViewFollowsTheWindowsShape) {
  make_fixed_graph();
  lay_out({1000, 400});
  EXPECT_EQ(graph_resources()->view_height, 2800);
  // The screen surface of a 2800-high view: 96 * 2800 * 18 / 72 / 400 = 168.
  EXPECT_EQ(graph->label_format[0].font.height, 168);
  EXPECT_EQ(graph->plot.bottom, 2800 - 691);
}

// A minimised window: no height, no fonts, nothing divided by zero.
TEST_F(LayoutTest, AnEmptyClient) {
  make_fixed_graph();
  lay_out({0, 0});
  EXPECT_EQ(graph_resources()->view_height, 0);
  EXPECT_EQ(graph->label_format[0].font.height, 0);
  EXPECT_EQ(graph->character_height, 0);
  EXPECT_EQ(graph->plot.right, 7000);
}

TEST_F(LayoutTest, AnExplicitPlotStaysAndNarrowsTheBands) {
  make_fixed_graph();
  graph->layout_automatic = false;
  graph->plot = {1000, 500, 6000, 4000};
  lay_out();
  EXPECT_EQ(graph->plot.left, 1000);
  EXPECT_EQ(graph->plot.bottom, 4000);
  EXPECT_EQ(graph->x_band.bottom, 4034);   // round(0.2 * 168) = 34
  EXPECT_EQ(graph->x_band.top, 3832);
  EXPECT_EQ(graph->y_band.left, 966);
  EXPECT_EQ(graph->y_band.right, 1168);
  EXPECT_EQ(graph->geometry[0].ticks[1], 2000);   // 1000 + 2 * 500
}

}  // namespace
