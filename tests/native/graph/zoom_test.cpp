// Zoom mode: the state saved at its start and restored at its end, and zooming to a band
// given in device pixels.
#include <gtest/gtest.h>

#include <cmath>

#include "display_list.h"
#include "graph/axis.h"
#include "graph/coordinates.h"
#include "graph/layout.h"
#include "graph/scaling.h"
#include "graph/zoom.h"

namespace {

using ZoomTest = LaidOutGraphTest;

void expect_range(const Graph *graph, int axis, double min, double max, double increment) {
  DisplayRange r = display_range(graph, axis);
  EXPECT_DOUBLE_EQ(r.min, min) << axis;
  EXPECT_DOUBLE_EQ(r.max, max) << axis;
  EXPECT_DOUBLE_EQ(r.increment, increment) << axis;
}

TEST_F(ZoomTest, SaveAndRestoreAfterSeveralZooms) {
  make_graph();
  set_data_range(graph, 0, 0, 7.3);   // 0 .. 8 by 2
  set_data_range(graph, 1, -1, 1);
  set_automatic_flag(graph, 1, kAutomaticIncrement, false);
  ZoomState saved = save_zoom_state(*graph);
  EXPECT_TRUE(saved.automatic[0][0] && saved.automatic[0][1] && saved.automatic[0][2]);
  EXPECT_TRUE(saved.automatic[1][0] && saved.automatic[1][1]);
  EXPECT_FALSE(saved.automatic[1][2]);
  EXPECT_EQ(saved.min[0], 0);
  EXPECT_EQ(saved.max[0], 8);
  EXPECT_EQ(saved.increment[0], 2);

  ASSERT_TRUE(zoom_graph(graph, 2, 5, -0.5, 0.25).zoomed[0]);
  ASSERT_TRUE(zoom_graph(graph, 3, 4, 0, 0.1).zoomed[1]);
  expect_range(graph, 0, 3, 4, 1.0 / 3);
  EXPECT_FALSE(automatic_flag(graph, 1, kAutomaticMin));

  restore_zoom_state(graph, saved);
  expect_range(graph, 0, 0, 8, 2);
  DisplayRange y = display_range(graph, 1);
  EXPECT_EQ(y.min, saved.min[1]);
  EXPECT_EQ(y.max, saved.max[1]);
  EXPECT_EQ(y.increment, saved.increment[1]);
  for (int axis = 0; axis < 2; axis++)
    for (int flag = 0; flag < 3; flag++)
      EXPECT_EQ(automatic_flag(graph, axis, flag), saved.automatic[axis][flag]) << axis << flag;
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ZoomTest, RestoringALogarithmicAxisKeepsItsDecades) {
  make_graph(10, 1);
  set_data_range(graph, 0, 0.002, 350);   // exponents -3 .. 3
  set_data_range(graph, 1, 0, 1);
  ZoomState saved = save_zoom_state(*graph);
  EXPECT_DOUBLE_EQ(saved.min[0], 1e-3);
  ASSERT_TRUE(zoom_graph(graph, 0.05, 20, 0, 1).zoomed[0]);
  restore_zoom_state(graph, saved);
  EXPECT_DOUBLE_EQ(graph->axes[0].min, -3);
  EXPECT_DOUBLE_EQ(graph->axes[0].max, 3);
  EXPECT_TRUE(automatic_flag(graph, 0, kAutomaticMin));
}

TEST(ToLogical, InvertsToDevice) {
  Mapping m{{-1, -1}, {7002, 5002}, {0, 0}, {700, 500}};
  DeviceTransform t = device_transform(m);
  for (LogicalPoint d : {LogicalPoint{0, 0}, LogicalPoint{350, 250}, LogicalPoint{699, 499}}) {
    LogicalPoint back = to_device(t, to_logical(t, d));
    EXPECT_EQ(back.x, d.x);
    EXPECT_EQ(back.y, d.y);
  }
  LogicalPoint origin = to_logical(t, {0, 0});
  EXPECT_EQ(origin.x, -1);
  EXPECT_EQ(origin.y, -1);
}

TEST_F(ZoomTest, ZoomToABandOfPixels) {
  make_fixed_graph();   // x 0 .. 10, y -1 .. 1
  lay_out();
  DeviceTransform t = device_transform(graph_mapping(*graph, {700, 500}));
  auto device_of = [&](double x, double y) {
    return to_device(t, {value_to_logical(graph, 0, x), value_to_logical(graph, 1, y)});
  };
  // Corners in either order; one device pixel is about 0.02 in x and 0.005 in y here.
  ASSERT_TRUE(zoom_to_rectangle(graph, t, device_of(6, -0.5), device_of(2, 0.5)));
  DisplayRange x = display_range(graph, 0), y = display_range(graph, 1);
  EXPECT_NEAR(x.min, 2, 0.02);
  EXPECT_NEAR(x.max, 6, 0.02);
  EXPECT_NEAR(x.increment, (x.max - x.min) / 3, 1e-12);
  EXPECT_NEAR(y.min, -0.5, 0.01);
  EXPECT_NEAR(y.max, 0.5, 0.01);
  for (int axis = 0; axis < 2; axis++)
    for (int flag = 0; flag < 3; flag++) EXPECT_FALSE(automatic_flag(graph, axis, flag));
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ZoomTest, AClickOnlyClearsTheAutomaticFlags) {
  make_fixed_graph();
  lay_out();
  for (int flag = 0; flag < 3; flag++) set_automatic_flag(graph, 0, flag, true);
  DeviceTransform t = device_transform(graph_mapping(*graph, {700, 500}));
  const LogicalPoint rows[][2] = {{{300, 200}, {300, 200}},
                                  {{300, 200}, {301, 260}},    // one pixel wide
                                  {{300, 200}, {380, 199}},    // one pixel high
                                  {{300, 200}, {299, 100}}};
  for (const auto &row : rows) {
    EXPECT_FALSE(zoom_to_rectangle(graph, t, row[0], row[1]));
    expect_range(graph, 0, 0, 10, 2);
    expect_range(graph, 1, -1, 1, 0.5);
  }
  EXPECT_FALSE(automatic_flag(graph, 0, kAutomaticMin));
  EXPECT_TRUE(zoom_to_rectangle(graph, t, {300, 200}, {302, 202}));
}

}  // namespace
