// The decisions behind working a graph with the mouse: hit codes, drag modes, the cursors
// they show, how the tracker moves a rectangle and where the selection handles sit.
#include <gtest/gtest.h>

#include "display_list.h"
#include "graph/drag.h"
#include "graph/hit_test.h"

namespace {

bool same(const LogicalRect &a, const LogicalRect &b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// Regions laid out as a graph has them, with the overlaps that decide the order: the bands
// cross the plot rectangle's edges, the label regions touch the bands.
class HitTest : public GraphTest {
 protected:
  void SetUp() override {
    GraphTest::SetUp();
    make_graph();
    graph->plot = {1000, 200, 6000, 4000};
    graph->x_band = {1000, 3830, 6000, 4070};
    graph->y_band = {930, 200, 1170, 4000};
    graph->geometry[0].label_region = {900, 4060, 6100, 4300};
    graph->geometry[1].label_region = {500, 100, 940, 4100};
    graph->geometry[0].title_region = {3000, 4300, 4000, 4500};
    graph->geometry[1].title_region = {200, 1500, 400, 2500};
  }
};

struct HitRow {
  const char *name;
  LogicalPoint p;
  int code;
};

TEST_F(HitTest, CodesAndTheirOrder) {
  const HitRow rows[] = {
      {"inside the plot", {3000, 2000}, kHitPlot},
      {"plot's top-left corner", {1170, 200}, kHitPlot},
      {"bottom edge is the x axis", {3000, 3999}, kHitXAxis},
      {"left edge is the y axis", {1000, 2000}, kHitYAxis},
      {"corner of both bands goes to x", {1000, 3900}, kHitXAxis},
      {"x band below the frame", {3000, 4069}, kHitXAxis},
      {"x labels below the band", {3000, 4070}, kHitXLabels},
      {"x band beats the labels it overlaps", {3000, 4065}, kHitXAxis},
      {"y band left of the frame", {931, 2000}, kHitYAxis},
      {"y labels", {600, 2000}, kHitYLabels},
      {"between the y title and the labels", {450, 2000}, kHitNone},
      {"x title", {3500, 4400}, kHitXTitle},
      {"y title", {300, 2000}, kHitYTitle},
      {"right of everything", {6500, 2000}, kHitNone},
      {"the right edge is outside", {6000, 2000}, kHitNone},
      {"above the plot", {3000, 199}, kHitNone},
  };
  for (const HitRow &row : rows) EXPECT_EQ(hit_test(*graph, row.p), row.code) << row.name;
}

TEST_F(HitTest, AHiddenTitleHasAnEmptyRegion) {
  graph->geometry[1].title_region = {0, 0, 0, 0};
  EXPECT_EQ(hit_test(*graph, {300, 2000}), kHitNone);
  EXPECT_EQ(hit_test(*graph, {0, 0}), kHitNone);
}

using LaidOutHitTest = LaidOutGraphTest;

TEST_F(LaidOutHitTest, PointsOfALaidOutGraph) {
  make_fixed_graph();
  lay_out();
  const LogicalRect p = graph->plot;
  EXPECT_EQ(hit_test(*graph, {(p.left + p.right) / 2, (p.top + p.bottom) / 2}), kHitPlot);
  EXPECT_EQ(hit_test(*graph, {(p.left + p.right) / 2, p.bottom}), kHitXAxis);
  EXPECT_EQ(hit_test(*graph, {p.left, (p.top + p.bottom) / 2}), kHitYAxis);
  EXPECT_EQ(hit_test(*graph, {p.right + 10, p.top + 10}), kHitNone);
}

struct ModeRow {
  int dx, dy, mode;
};

TEST(DragModes, HandlesOfASelectedRectangle) {
  // 100 x 60: a = 47 and b = 27; the comparisons are strict.
  const ModeRow rows[] = {
      {0, 0, 1},  {4, 4, 1},   {5, 0, 9},   {48, 0, 2},  {47, 0, 9},  {51, 4, 2},  {52, 0, 9},
      {96, 0, 3}, {95, 0, 9},  {99, 4, 3},  {96, 28, 4}, {96, 27, 9}, {99, 31, 4}, {96, 32, 9},
      {96, 56, 5}, {99, 59, 5}, {48, 56, 6}, {0, 56, 7}, {4, 59, 7},  {0, 28, 8},  {4, 31, 8},
      {0, 27, 9}, {50, 30, 9}, {96, 55, 9},
  };
  for (const ModeRow &row : rows)
    EXPECT_EQ(handle_drag_mode(100, 60, row.dx, row.dy), row.mode) << row.dx << "," << row.dy;
}

TEST(DragModes, ATinyRectangleTakesTheFirstMatchingHandle) {
  // 8 x 8: a = b = 1; the top-left corner's handle covers most of it.
  EXPECT_EQ(handle_drag_mode(8, 8, 2, 2), 1);
  EXPECT_EQ(handle_drag_mode(8, 8, 6, 2), 3);
  EXPECT_EQ(handle_drag_mode(8, 8, 4, 6), 5);
  EXPECT_EQ(handle_drag_mode(8, 8, 0, 6), 7);
  EXPECT_EQ(handle_drag_mode(8, 8, 6, 6), 5);
}

TEST(DragModes, PlotRectangle) {
  const LogicalRect plot{100, 50, 200, 110};
  EXPECT_EQ(plot_drag_mode(plot, {99, 60}, false), kDragNone);
  EXPECT_EQ(plot_drag_mode(plot, {99, 60}, true), kDragNone);
  EXPECT_EQ(plot_drag_mode(plot, {200, 60}, true), kDragNone);
  EXPECT_EQ(plot_drag_mode(plot, {100, 50}, false), kDragMove);
  EXPECT_EQ(plot_drag_mode(plot, {100, 50}, true), kDragTopLeft);
  EXPECT_EQ(plot_drag_mode(plot, {199, 109}, true), kDragBottomRight);
  EXPECT_EQ(plot_drag_mode(plot, {150, 80}, true), kDragMove);
}

TEST(DragModes, MouseCursors) {
  const DragCursor expected[] = {kCursorArrow,  kCursorSizeNwse, kCursorSizeNs,
                                 kCursorSizeNesw, kCursorSizeWe, kCursorSizeNwse,
                                 kCursorSizeNs, kCursorSizeNesw, kCursorSizeWe, kCursorArrow};
  for (int mode = 0; mode <= 9; mode++) EXPECT_EQ(drag_cursor(mode), expected[mode]) << mode;
}

// Zoom mode shows its own cursor over the plot only; shown cursors show the arrow; otherwise
// the drag a press would start, or the one already armed.
TEST(DragModes, GraphPointer) {
  const LogicalRect plot{100, 50, 200, 110};
  struct Row {
    const char *name;
    PointerSituation s;
    DragCursor cursor;
  };
  const Row rows[] = {
      {"zoom mode over the plot", {true, false, plot, {150, 80}, false, kDragNone}, kCursorZoom},
      {"zoom mode on the plot's top-left pixel", {true, false, plot, {100, 50}, true, kDragNone}, kCursorZoom},
      {"zoom mode on the plot's right edge", {true, false, plot, {200, 80}, false, kDragNone}, kCursorArrow},
      {"zoom mode beside the plot", {true, false, plot, {20, 80}, false, kDragNone}, kCursorArrow},
      {"zoom mode with cursors shown", {true, true, plot, {150, 80}, false, kDragNone}, kCursorZoom},
      {"cursors shown over a handle", {false, true, plot, {100, 50}, true, kDragNone}, kCursorArrow},
      {"a selected plot's corner", {false, false, plot, {100, 50}, true, kDragNone}, kCursorSizeNwse},
      {"a plot not selected", {false, false, plot, {100, 50}, false, kDragNone}, kCursorArrow},
      {"an armed right-edge drag anywhere", {false, false, plot, {20, 20}, true, kDragRight}, kCursorSizeWe},
      {"outside the plot", {false, false, plot, {20, 20}, true, kDragNone}, kCursorArrow},
  };
  for (const Row &row : rows) EXPECT_EQ(graph_pointer(row.s), row.cursor) << row.name;
}

TEST(Tracker, EachModeMovesItsEdges) {
  const LogicalRect r{10, 20, 110, 80};
  const LogicalRect expected[] = {
      {10, 20, 110, 80},  // 0: no drag
      {13, 16, 110, 80}, {10, 16, 110, 80}, {10, 16, 113, 80}, {10, 20, 113, 80},
      {10, 20, 113, 76}, {10, 20, 110, 76}, {13, 20, 110, 76}, {13, 20, 110, 80},
      {13, 16, 113, 76},  // 9: the whole rectangle
  };
  for (int mode = 0; mode <= 9; mode++)
    EXPECT_TRUE(same(track_rect(r, mode, 3, -4), expected[mode])) << mode;
}

TEST(Tracker, ADragPastTheOppositeEdgeIsOrderedAtTheEnd) {
  LogicalRect r = track_rect({10, 20, 110, 80}, kDragBottomRight, -150, -90);
  EXPECT_TRUE(same(r, {10, 20, -40, -10}));
  EXPECT_TRUE(same(ordered_rect(r), {-40, -10, 10, 20}));
  EXPECT_TRUE(same(ordered_rect({1, 2, 3, 4}), {1, 2, 3, 4}));
}

TEST(SelectionHandles, CornersAndMidpointsInsideTheRectangle) {
  const LogicalRect r{10, 20, 110, 80};
  SelectionHandles h = selection_handles(r, kHandleSize);
  const LogicalRect expected[8] = {{10, 20, 15, 25},  {57, 20, 62, 25},  {105, 20, 110, 25},
                                   {105, 47, 110, 52}, {105, 75, 110, 80}, {57, 75, 62, 80},
                                   {10, 75, 15, 80},  {10, 47, 15, 52}};
  for (int i = 0; i < 8; i++) EXPECT_TRUE(same(h.handles[i], expected[i])) << i;
  // The pointer on a handle's centre picks that handle's mode.
  for (int i = 0; i < 8; i++) {
    int dx = h.handles[i].left + 2 - r.left, dy = h.handles[i].top + 2 - r.top;
    EXPECT_EQ(handle_drag_mode(100, 60, dx, dy), i + 1) << i;
  }
}

}  // namespace
