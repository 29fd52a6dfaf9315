#include <gtest/gtest.h>

#include <cmath>

#include "display_list.h"
#include "graph/axis.h"
#include "graph/layout.h"
#include "graph/paint.h"
#include "graph/resources.h"
#include "raster.h"

namespace {

// The fixed graph laid out on a 700 x 500 window (see the layout tests): c = 168, L = 67,
// G = 34, D = 16; plot (926, 168) - (6664, 4309) without legend labels, top 336 with them.
// Texts are 6/10 of 168 wide per character: "0.0" 302, "-1.0" 403; titles are 187 high.

struct Point {
  int x, y;
};

void expect_point(const DrawRecord &r, DrawOp op, Point p, const char *what) {
  EXPECT_EQ(r.op, op) << what;
  ASSERT_FALSE(r.points.empty()) << what;
  EXPECT_EQ(r.points[0].x, p.x) << what;
  EXPECT_EQ(r.points[0].y, p.y) << what;
}

void expect_rect(const LogicalRect &r, LogicalRect expected, const char *what) {
  EXPECT_EQ(r.left, expected.left) << what;
  EXPECT_EQ(r.top, expected.top) << what;
  EXPECT_EQ(r.right, expected.right) << what;
  EXPECT_EQ(r.bottom, expected.bottom) << what;
}

std::vector<std::string> texts(const std::vector<DrawRecord> &records) {
  std::vector<std::string> found;
  for (const DrawRecord &r : records)
    if (r.op == DrawOp::kTextOut) found.push_back(r.text);
  return found;
}

// The records between the traces' clip and its reset.
std::vector<DrawRecord> trace_records(const std::vector<DrawRecord> &r) {
  int clip = op_index(r, DrawOp::kIntersectClip);
  int reset = op_index(r, DrawOp::kResetClip);
  if (clip < 0 || reset < 0) return {};
  return std::vector<DrawRecord>(r.begin() + clip + 1, r.begin() + reset);
}

class PaintTest : public LaidOutGraphTest {
 protected:
  void paint(bool detect_multiple_traces = false, TextSize client = {700, 500}) {
    lay_out(client);
    canvas.clear();
    paint_graph(graph, canvas, client, detect_multiple_traces);
  }
};

TEST_F(PaintTest, AxesLabelsTitlesAndFrameInOrder) {
  make_fixed_graph();
  paint();
  const std::vector<DrawRecord> &r = canvas.records();
  ASSERT_FALSE(r.empty());
  EXPECT_EQ(r[0].op, DrawOp::kSetMapping);
  EXPECT_EQ(r[0].mapping.window_origin.x, -1);
  EXPECT_EQ(texts(r), (std::vector<std::string>{"0.0", "2.0", "4.0", "6.0", "8.0", "10.0",
                                                "Time  [s]", "-1.0", "-0.5", "0.0", "0.5",
                                                "1.0", "Y Axis Title  [V]"}));
  // Paint measures nothing: the sizes are the layout's.
  EXPECT_EQ(op_index(r, DrawOp::kTextExtent), -1);
  EXPECT_EQ(op_index(r, DrawOp::kFillRect), -1);        // no shadow in window view
  EXPECT_EQ(op_index(r, DrawOp::kIntersectClip), -1);   // no traces, no clipping

  // x: the tick (926, B) - (926, B + L), then its label centred below, at B + L + D.
  int zero = text_index(r, "0.0");
  expect_point(r[zero - 2], DrawOp::kMoveTo, {926, 4309}, "x tick from");
  expect_point(r[zero - 1], DrawOp::kLineTo, {926, 4376}, "x tick to");
  expect_point(r[zero], DrawOp::kTextOut, {775, 4392}, "0.0");
  EXPECT_EQ(r[zero].align, unsigned{kAlignLeft | kAlignTop});
  EXPECT_EQ(r[zero].font.height, 168);
  expect_point(r[text_index(r, "2.0")], DrawOp::kTextOut, {1923, 4392}, "2.0");
  // The end tick at 6664; "10.0" is 403 wide: round(6664 - 201.5) = 6463.
  int ten = text_index(r, "10.0");
  expect_point(r[ten - 2], DrawOp::kMoveTo, {6664, 4309}, "end tick");
  expect_point(r[ten], DrawOp::kTextOut, {6463, 4392}, "10.0");
  // Minor tics after the labels: (x, B + G) - (x, B), the first at 926 + 286.9.
  expect_point(r[ten + 1], DrawOp::kMoveTo, {1213, 4343}, "first minor tic");
  expect_point(r[ten + 2], DrawOp::kLineTo, {1213, 4309}, "first minor tic");
  // Title centred at left + width / 2, top B + L + D + 168 + G.
  int x_title = text_index(r, "Time  [s]");
  expect_point(r[x_title], DrawOp::kTextOut, {3795, 4594}, "x title");
  EXPECT_EQ(r[x_title].align, unsigned{kAlignCenter | kAlignTop});
  EXPECT_EQ(r[x_title].font.height, 187);
  EXPECT_EQ(x_title - ten - 1, 15 * 2 + 2);   // 15 tics, then font and alignment

  // y: the tick (A - L + 1, y) - (A, y); the label ends G left of its outer end.
  int minus_one = text_index(r, "-1.0");
  expect_point(r[minus_one - 2], DrawOp::kMoveTo, {860, 4309}, "y tick from");
  expect_point(r[minus_one - 1], DrawOp::kLineTo, {926, 4309}, "y tick to");
  expect_point(r[minus_one], DrawOp::kTextOut, {423, 4225}, "-1.0");   // 860 - 403 - 34
  expect_point(r[text_index(r, "0.0", x_title)], DrawOp::kTextOut, {524, 2155}, "y 0.0");
  expect_point(r[text_index(r, "1.0")], DrawOp::kTextOut, {524, 84}, "1.0 at the top");
  // Title at A - 2L - 187 - G - 403, halfway down, in the upward font.
  int y_title = text_index(r, "Y Axis Title  [V]");
  expect_point(r[y_title], DrawOp::kTextOut, {168, 2238}, "y title");
  EXPECT_EQ(r[y_title].font.escapement, 900);

  // The frame closes the list.
  size_t n = r.size();
  expect_point(r[n - 5], DrawOp::kMoveTo, {926, 168}, "frame");
  expect_point(r[n - 4], DrawOp::kLineTo, {6664, 168}, "frame");
  expect_point(r[n - 3], DrawOp::kLineTo, {6664, 4309}, "frame");
  expect_point(r[n - 2], DrawOp::kLineTo, {926, 4309}, "frame");
  expect_point(r[n - 1], DrawOp::kLineTo, {926, 168}, "frame");
  EXPECT_EQ(r[n - 1].pen.style, kPenSolid);
  EXPECT_EQ(r[n - 1].pen.width, 0);
}

TEST_F(PaintTest, KeepsTheHitRegionsOfLabelsAndTitles) {
  make_fixed_graph();
  paint();
  expect_rect(graph->geometry[0].label_region, {775, 4392, 6866, 4560}, "x labels");
  expect_rect(graph->geometry[0].title_region, {3291, 4594, 4300, 4781}, "x title");
  expect_rect(graph->geometry[1].label_region, {423, 84, 826, 4393}, "y labels");
  // The upward title: 187 across, its 1907 along y centred on 2238.
  expect_rect(graph->geometry[1].title_region, {168, 1285, 355, 3192}, "y title");

  set_title_display(graph, 0, false);
  paint();
  expect_rect(graph->geometry[0].title_region, {0, 0, 0, 0}, "hidden x title");
  EXPECT_EQ(text_index(canvas.records(), "Time  [s]"), -1);
}

TEST_F(PaintTest, GridMinorThenMajorButTheFirst) {
  make_fixed_graph();
  set_axis_grid(graph, 0, {0, 2, true});
  set_axis_grid(graph, 1, {5, 2, true});   // no major lines on y
  paint();
  const std::vector<DrawRecord> &r = canvas.records();
  int start = text_index(r, "Y Axis Title  [V]") + 1;
  int frame = static_cast<int>(r.size()) - 6;   // the frame's pen
  EXPECT_EQ(r[frame].op, DrawOp::kSetPen);
  std::vector<DrawRecord> grid(r.begin() + start, r.begin() + frame);
  std::vector<DrawRecord> pens = records_of(grid, DrawOp::kSetPen);
  ASSERT_EQ(pens.size(), 3u);
  EXPECT_EQ(pens[0].pen.style, kPenDot);
  EXPECT_EQ(pens[1].pen.style, kPenSolid);
  EXPECT_EQ(pens[2].pen.style, kPenDot);
  EXPECT_EQ(pens[0].pen.width, 0);
  std::vector<DrawRecord> moves = records_of(grid, DrawOp::kMoveTo);
  std::vector<DrawRecord> lines = records_of(grid, DrawOp::kLineTo);
  // x: 15 minor lines and 4 major ones (2.0 .. 8.0); y: 12 minor lines.
  ASSERT_EQ(moves.size(), 31u);
  expect_point(moves[0], DrawOp::kMoveTo, {1213, 168}, "x minor line");
  expect_point(lines[0], DrawOp::kLineTo, {1213, 4309}, "x minor line");
  expect_point(moves[15], DrawOp::kMoveTo, {2074, 168}, "first major line");
  EXPECT_EQ(moves[15].pen.style, kPenSolid);
  expect_point(moves[18], DrawOp::kMoveTo, {5516, 168}, "last major line");
  // y minor tics: -1 + 0.125 -> 4309 - 258.8 = 4050.
  expect_point(moves[19], DrawOp::kMoveTo, {926, 4050}, "y minor line");
  expect_point(lines[19], DrawOp::kLineTo, {6664, 4050}, "y minor line");
}

TEST_F(PaintTest, PageViewShadowAndBorderOnThePage) {
  make_fixed_graph();
  graph->view_mode = kPageView;
  paint(false, {1000, 400});
  const std::vector<DrawRecord> &r = canvas.records();
  ASSERT_GE(r.size(), 9u);
  EXPECT_EQ(r[0].mapping.window_origin.x, -134);
  EXPECT_EQ(r[0].mapping.window_extent.width, 7268);
  // s = round(0.6 * 134) = 80.
  EXPECT_EQ(r[1].op, DrawOp::kFillRect);
  expect_rect(r[1].rect, {80, 5000, 7080, 5080}, "bottom strip");
  EXPECT_EQ(r[1].colour.red, 128);
  EXPECT_EQ(r[1].colour.green, 128);
  EXPECT_EQ(r[1].colour.blue, 128);
  expect_rect(r[2].rect, {7000, 80, 7080, 5080}, "right strip");
  EXPECT_EQ(r[3].op, DrawOp::kSetPen);
  expect_point(r[4], DrawOp::kMoveTo, {0, 0}, "border");
  expect_point(r[5], DrawOp::kLineTo, {7000, 0}, "border");
  expect_point(r[6], DrawOp::kLineTo, {7000, 5000}, "border");
  expect_point(r[7], DrawOp::kLineTo, {0, 5000}, "border");
  expect_point(r[8], DrawOp::kLineTo, {0, 0}, "border");
  // Then the axes, on the same plot as in a 700 x 500 window.
  expect_point(r[text_index(r, "0.0")], DrawOp::kTextOut, {775, 4392}, "0.0");
}

// Two sweeps 0 .. 10 at y = 0, then again at y = 1: x falls back to its start.
const std::vector<double> kTwoSweepsX{0, 5, 10, 0, 5, 10};
const std::vector<double> kTwoSweepsY{0, 0, 0, 1, 1, 1};
// With legend labels the top is 336: y = 0 at 4309 - 1986.5 -> 2323, y = 1 at 336.
const Point kSweepPoints[] = {{926, 2323}, {3795, 2323}, {6664, 2323},
                              {926, 336},  {3795, 336},  {6664, 336}};

TEST_F(PaintTest, TracesAreClippedInsideTheFrame) {
  make_fixed_graph();
  add_values(kTwoSweepsX, kTwoSweepsY, "V(out)", kPenDash);
  paint();
  const std::vector<DrawRecord> &r = canvas.records();
  int clip = op_index(r, DrawOp::kIntersectClip);
  ASSERT_GT(clip, 0);
  expect_rect(r[clip].rect, {927, 337, 6664, 4309}, "clip");
  EXPECT_GT(clip, op_index(r, DrawOp::kLineTo, text_index(r, "Y Axis Title  [V]")));
  EXPECT_EQ(r.back().op, DrawOp::kResetClip);
  // The pen: dashes, width round(1 * 4.2), palette colour 0.
  std::vector<DrawRecord> t = trace_records(r);
  ASSERT_FALSE(t.empty());
  EXPECT_EQ(t[0].op, DrawOp::kSetPen);
  EXPECT_EQ(t[0].pen.style, kPenDash);
  EXPECT_EQ(t[0].pen.width, 4);
  EXPECT_EQ(t[0].pen.colour.red, 255);
  EXPECT_EQ(t[0].pen.colour.green, 0);
}

TEST_F(PaintTest, MultipleSweepsWithDetectionOnAndOff) {
  make_fixed_graph();
  add_values(kTwoSweepsX, kTwoSweepsY, "V(out)", kPenDash);
  paint(true);
  std::vector<DrawRecord> on = trace_records(canvas.records());
  ASSERT_EQ(on.size(), 7u);
  const DrawOp on_ops[] = {DrawOp::kMoveTo, DrawOp::kLineTo, DrawOp::kLineTo,
                           DrawOp::kMoveTo, DrawOp::kLineTo, DrawOp::kLineTo};
  for (int i = 0; i < 6; i++) expect_point(on[i + 1], on_ops[i], kSweepPoints[i], "on");

  paint(false);
  std::vector<DrawRecord> off = trace_records(canvas.records());
  ASSERT_EQ(off.size(), 7u);
  expect_point(off[1], DrawOp::kMoveTo, kSweepPoints[0], "off");
  for (int i = 1; i < 6; i++) expect_point(off[i + 1], DrawOp::kLineTo, kSweepPoints[i], "off");
}

TEST_F(PaintTest, SolidSweepsAreDrawnAsPolylines) {
  make_fixed_graph();
  add_values(kTwoSweepsX, kTwoSweepsY, "V(out)", kPenSolid);
  paint(true);
  std::vector<DrawRecord> on = records_of(trace_records(canvas.records()), DrawOp::kPolyline);
  ASSERT_EQ(on.size(), 2u);
  ASSERT_EQ(on[0].points.size(), 3u);
  ASSERT_EQ(on[1].points.size(), 3u);
  EXPECT_EQ(on[1].points[0].y, 336);
  EXPECT_EQ(records_of(trace_records(canvas.records()), DrawOp::kLineTo).size(), 0u);

  paint(false);
  std::vector<DrawRecord> off = records_of(trace_records(canvas.records()), DrawOp::kPolyline);
  ASSERT_EQ(off.size(), 1u);
  ASSERT_EQ(off[0].points.size(), 6u);
  for (int i = 0; i < 6; i++) {
    EXPECT_EQ(off[0].points[i].x, kSweepPoints[i].x) << i;
    EXPECT_EQ(off[0].points[i].y, kSweepPoints[i].y) << i;
  }
}

TEST_F(PaintTest, ADescendingSweepBreaksWhereXRisesAgain) {
  make_fixed_graph();
  add_values({10, 5, 0, 10, 5, 0}, kTwoSweepsY, "V(out)", kPenDot);
  paint(true);
  std::vector<DrawRecord> t = trace_records(canvas.records());
  ASSERT_EQ(t.size(), 7u);
  expect_point(t[1], DrawOp::kMoveTo, {6664, 2323}, "start");
  expect_point(t[3], DrawOp::kLineTo, {926, 2323}, "end of the first sweep");
  expect_point(t[4], DrawOp::kMoveTo, {6664, 336}, "second sweep");
}

TEST_F(PaintTest, SymbolPeriodThreeOnTenPoints) {
  make_fixed_graph();
  std::vector<double> x, y(10, 0.0);
  for (int i = 0; i < 10; i++) x.push_back(i);
  Trace *t = add_values(x, y, "V(out)", kPenNull);
  t->display_symbols = true;
  t->symbol_period = 3;
  paint();
  std::vector<DrawRecord> drawn = trace_records(canvas.records());
  // Line style 5: symbols only, no line.
  EXPECT_EQ(records_of(drawn, DrawOp::kPolyline).size(), 0u);
  EXPECT_EQ(records_of(drawn, DrawOp::kLineTo).size(), 0u);
  std::vector<DrawRecord> pens = records_of(drawn, DrawOp::kSetPen);
  ASSERT_EQ(pens.size(), 1u);
  EXPECT_EQ(pens[0].pen.style, kPenSolid);
  EXPECT_EQ(pens[0].pen.width, 0);
  // Filled squares of half-size 168 * 3 / 10 = 50 at points 0, 3, 6 and 9: x = 926 + i * 573.8.
  std::vector<DrawRecord> squares = records_of(drawn, DrawOp::kRectangle);
  ASSERT_EQ(squares.size(), 4u);
  const int centres[] = {926, 2647, 4369, 6090};
  for (int i = 0; i < 4; i++) {
    expect_rect(squares[i].rect, {centres[i] - 50, 2273, centres[i] + 50, 2373}, "square");
    EXPECT_FALSE(squares[i].brush.hollow);
    EXPECT_EQ(squares[i].brush.colour.red, 255);
  }
  // A period below 1 would never advance: it counts as 1.
  t->symbol_period = 0;
  paint();
  EXPECT_EQ(records_of(trace_records(canvas.records()), DrawOp::kRectangle).size(), 10u);
}

TEST_F(PaintTest, ALineWithSymbolsDrawsTheLineFirst) {
  make_fixed_graph();
  Trace *t = add_values({0, 10}, {0, 0}, "V(out)", kPenSolid);
  t->display_symbols = true;
  t->symbol_index = 1;   // open circle
  paint();
  std::vector<DrawRecord> drawn = trace_records(canvas.records());
  int line = op_index(drawn, DrawOp::kPolyline);
  int circle = op_index(drawn, DrawOp::kEllipse);
  ASSERT_GE(line, 0);
  ASSERT_GE(circle, 0);
  EXPECT_LT(line, circle);
  EXPECT_TRUE(drawn[circle].brush.hollow);
  expect_rect(drawn[circle].rect, {876, 2273, 976, 2373}, "first circle");
}

TEST_F(PaintTest, DrawnPointCountLimitsTheTrace) {
  make_fixed_graph();
  Trace *t = add_values(kTwoSweepsX, kTwoSweepsY, "V(out)", kPenDash);
  t->drawn_point_count = 2;
  paint();
  std::vector<DrawRecord> drawn = trace_records(canvas.records());
  ASSERT_EQ(drawn.size(), 3u);
  expect_point(drawn[2], DrawOp::kLineTo, kSweepPoints[1], "last drawn point");
}

std::vector<double> sine_values(int n, std::vector<double> &x) {
  std::vector<double> y(n);
  x.resize(n);
  for (int i = 0; i < n; i++) {
    x[i] = 10.0 * i / n;
    y[i] = std::sin(x[i] * 37.0);
  }
  return y;
}

TEST_F(PaintTest, LongSolidTracesAreReducedToTheClientsColumns) {
  make_fixed_graph();
  std::vector<double> x;
  std::vector<double> y = sine_values(100000, x);
  add_values(x, y, "V(out)", kPenSolid);
  paint();
  std::vector<DrawRecord> lines = records_of(trace_records(canvas.records()), DrawOp::kPolyline);
  ASSERT_EQ(lines.size(), 1u);
  // The plot spans 574 of the 700 device columns: at most four points each.
  EXPECT_LE(lines[0].points.size(), 4u * 575);
  EXPECT_GE(lines[0].points.size(), 2u * 574);
}

TEST_F(PaintTest, LongDashedTracesDrawEveryPoint) {
  make_fixed_graph();
  std::vector<double> x;
  std::vector<double> y = sine_values(100000, x);
  add_values(x, y, "V(out)", kPenDashDot);
  paint();
  std::vector<DrawRecord> drawn = trace_records(canvas.records());
  EXPECT_EQ(records_of(drawn, DrawOp::kLineTo).size(), 99999u);
  EXPECT_EQ(records_of(drawn, DrawOp::kPolyline).size(), 0u);
}

// Logarithmic axes: base "10" (201 wide) with a raised exponent ("-1" 201, "0" and "1" 100).
TEST_F(PaintTest, LogarithmicLabelsAndTheYTitleBesideTwiceTheWidestBase) {
  make_fixed_graph();
  Axis &x = graph->axes[0];
  x.base = 10, x.min = -1, x.max = 1, x.increment = 1;
  Axis &y = graph->axes[1];
  y.base = 10, y.min = 0, y.max = 2, y.increment = 1;
  paint();
  // The y band holds "10" and "0": 301, plus the title's 187: left = 336 + 488 = 824.
  EXPECT_EQ(graph->plot.left, 824);
  const std::vector<DrawRecord> &r = canvas.records();
  std::vector<std::string> all = texts(r);
  ASSERT_GE(all.size(), 6u);
  EXPECT_EQ(std::vector<std::string>(all.begin(), all.begin() + 6),
            (std::vector<std::string>{"10", "-1", "10", "0", "10", "1"}));
  // x = 824: base at 824 - round(100.5), exponent X = 10 beyond it, raised 0.3 * 168.
  expect_point(r[text_index(r, "10")], DrawOp::kTextOut, {723, 4392}, "x base");
  expect_point(r[text_index(r, "-1")], DrawOp::kTextOut, {934, 4342}, "x exponent");
  // The second tick at 824 + 2920.
  expect_point(r[text_index(r, "0")], DrawOp::kTextOut, {3854, 4342}, "second exponent");
  // y: the base ends where the exponent's width and G leave room left of the tick at 758.
  int y_first = text_index(r, "10", text_index(r, "Time  [s]"));
  expect_point(r[y_first], DrawOp::kTextOut, {423, 4225}, "y base");
  expect_point(r[y_first + 1], DrawOp::kTextOut, {634, 4175}, "y exponent");
  // Title at 824 - 2L - 187 - G - 2 * 201.
  expect_point(r[text_index(r, "Y Axis Title  [V]")], DrawOp::kTextOut, {67, 2238}, "y title");
}

// A y axis of 1.0 ... 1.005 by 0.001 in the axis's one digit would read "1.0" six times: it
// is drawn with three, the band left of the plot is as wide as those texts, and the axis keeps
// its digit for the graph file and the dialogs.
TEST_F(PaintTest, NeighbouringLabelsThatWouldReadTheSameGetTheDigitsTheyNeed) {
  make_fixed_graph();
  Axis &y = graph->axes[1];
  y.min = 1, y.max = 1.005, y.increment = 0.001;
  paint();
  const std::vector<DrawRecord> &r = canvas.records();
  int x_title = text_index(r, "Time  [s]");
  int y_title = text_index(r, "Y Axis Title  [V]");
  ASSERT_GT(y_title, x_title);
  EXPECT_EQ(texts(std::vector<DrawRecord>(r.begin() + x_title + 1, r.begin() + y_title)),
            (std::vector<std::string>{"1.000", "1.001", "1.002", "1.003", "1.004", "1.005"}));
  EXPECT_EQ(graph->label_format[1].digits, 1);
  // 2c + "1.000" (504) + the title's 187.
  EXPECT_EQ(graph->plot.left, 336 + 504 + 187);
}

// A full tick list keeps the walk's last tick in its last slot, with that tick's label.
TEST_F(PaintTest, MoreTicksThanTheListHolds) {
  make_fixed_graph();
  Axis &x = graph->axes[0];
  x.max = 150, x.increment = 1, x.tics = 0;
  paint();
  const std::vector<DrawRecord> &r = canvas.records();
  int title = text_index(r, "Time  [s]");
  std::vector<std::string> x_texts = texts(std::vector<DrawRecord>(r.begin(), r.begin() + title));
  ASSERT_EQ(x_texts.size(), 101u);
  EXPECT_EQ(x_texts[98], "98.0");
  EXPECT_EQ(x_texts[99], "149.0");
  EXPECT_EQ(x_texts[100], "150.0");
  // 149 at 926 + 149 * 5738 / 150 = 6625.75; "149.0" is 504 wide.
  expect_point(r[text_index(r, "149.0")], DrawOp::kTextOut, {6374, 4392}, "149.0");
}

// Two noisy sweeps; the second steps back a little, inside the column where the first ends.
TEST_F(PaintTest, ReducedSweepsDrawTheSamePixelsAsEveryPoint) {
  make_fixed_graph();
  std::vector<double> x, y;
  unsigned state = 7;
  for (int sweep = 0; sweep < 2; sweep++)
    for (int i = 0; i < 30000; i++) {
      state = state * 1103515245u + 12345u;
      x.push_back(sweep == 0 ? 5.0 * i / 30000 : 4.999 + 5.0 * i / 30000);
      y.push_back(std::sin(x.back() * 3 + sweep) * 0.8 + (state >> 16) / 65536.0 * 0.2);
    }
  add_values(x, y, "V(out)", kPenSolid);
  paint(true);
  std::vector<DrawRecord> reduced = trace_records(canvas.records());
  DeviceTransform device = device_transform(canvas.records()[0].mapping);
  ASSERT_EQ(records_of(reduced, DrawOp::kPolyline).size(), 2u);
  graph->head->next->line_style = kPenDash;   // dashes draw every point
  paint(true);
  std::vector<DrawRecord> full = trace_records(canvas.records());
  ASSERT_EQ(records_of(full, DrawOp::kLineTo).size(), 59998u);
  Pixels full_pixels = rasterise_lines(full, device);
  EXPECT_GT(full_pixels.size(), 2000u);
  EXPECT_EQ(differing_pixels(full_pixels, rasterise_lines(reduced, device)), 0u);
}

TEST_F(PaintTest, AGraphWithoutTracesDrawsAxesGridAndFrameOnly) {
  make_fixed_graph();
  set_axis_grid(graph, 0, {0, 2, true});
  paint();
  const std::vector<DrawRecord> &r = canvas.records();
  EXPECT_EQ(op_index(r, DrawOp::kIntersectClip), -1);
  EXPECT_EQ(op_index(r, DrawOp::kPolyline), -1);
  EXPECT_EQ(op_index(r, DrawOp::kRectangle), -1);
  EXPECT_EQ(op_index(r, DrawOp::kEllipse), -1);
  std::vector<DrawRecord> pens = records_of(r, DrawOp::kSetPen);
  ASSERT_FALSE(pens.empty());
  for (const DrawRecord &pen : pens) EXPECT_EQ(pen.pen.colour.red, 0);   // black, no trace
}

}  // namespace
