#include <vector>

#include "graph/ticks.h"
#include "graph_fixture.h"

namespace {

struct TickRow {
  const char *name;
  double min, max, increment, scale;
  int base, tics;
  int origin, length;
  double factor;
  int spacing;
  std::vector<int> ticks;
  std::vector<int> tics_expected;
};

const TickRow kTickRows[] = {
    {"x 0 .. 8 by 2, three tics", 0, 8, 2, 1, 1, 3, 100, 800, 100, 200,
     {100, 300, 500, 700},
     {150, 200, 250, 350, 400, 450, 550, 600, 650, 750, 800, 850}},
    // factor -500 / 12: -6 at 600, then 516.7, 433.3, 350, 266.7, 183.3.
    {"y -6 .. 6 downwards, no tics", -6, 6, 2, 1, 1, 0, 600, -500, -500.0 / 12, 83,
     {600, 517, 433, 350, 267, 183},
     {}},
    // The last interval is partial (4 .. 5), so it gets no minor tic.
    {"partial last interval", 0, 5, 2, 1, 1, 1, 0, 500, 100, 200, {0, 200, 400}, {100, 300}},
    {"scaled values", 0, 4, 1, 1e-3, 1, 1, 0, 400, 100, 100, {0, 100, 200, 300},
     {50, 150, 250, 350}},
    // 100 log10(j) for j = 2 .. 9 within each decade: 30.1, 47.7, 60.2, 69.9, 77.8, 84.5,
    // 90.3, 95.4.
    {"log -3 .. 3", -3, 3, 1, 1, 10, 3, 0, 600, 100, 100,
     {0, 100, 200, 300, 400, 500},
     {30,  48,  60,  70,  78,  85,  90,  95,  130, 148, 160, 170, 178, 185, 190, 195,
      230, 248, 260, 270, 278, 285, 290, 295, 330, 348, 360, 370, 378, 385, 390, 395,
      430, 448, 460, 470, 478, 485, 490, 495, 530, 548, 560, 570, 578, 585, 590, 595}},
    // Zero width intervals still take their minor tics, all at the tick itself.
    {"zero increment stops after the first tick", 0, 1, 0, 1, 1, 3, 0, 100, 100, 0, {0}, {0, 0, 0}},
    {"negative increment stops after the first tick", 0, 1, -1, 1, 1, 0, 0, 100, 100, 100,
     {0}, {}},
};

using TickTest = GraphTest;

TEST_F(TickTest, ListsTable) {
  make_graph();
  for (const TickRow &row : kTickRows) {
    Axis &a = graph->axes[0];
    a.min = row.min;
    a.max = row.max;
    a.increment = row.increment;
    a.scale = row.scale;
    a.base = row.base;
    a.tics = row.tics;
    set_axis_extent(graph, 0, row.origin, row.length);
    compute_axis_ticks(graph, 0);
    const AxisGeometry &g = graph->geometry[0];
    EXPECT_DOUBLE_EQ(g.factor, row.factor) << row.name;
    EXPECT_EQ(g.tick_spacing, row.spacing) << row.name;
    EXPECT_EQ(std::vector<int>(g.ticks, g.ticks + g.tick_count), row.ticks) << row.name;
    EXPECT_EQ(std::vector<int>(g.tics, g.tics + g.tic_count), row.tics_expected) << row.name;
  }
}

TEST_F(TickTest, FullListsOverwriteTheirLastSlot) {
  make_graph();
  Axis &a = graph->axes[0];
  a.min = 0;
  a.max = 200;
  a.increment = 1;
  a.scale = 1;
  a.tics = 9;
  set_axis_extent(graph, 0, 0, 200);
  compute_axis_ticks(graph, 0);
  const AxisGeometry &g = graph->geometry[0];
  ASSERT_EQ(g.tick_count, 100);
  EXPECT_EQ(g.ticks[98], 98);
  EXPECT_EQ(g.ticks[99], 199);   // the last tick written
  ASSERT_EQ(g.tic_count, 1000);
  // 111 intervals fill 999 slots (0.1 .. 110.9); the last slot ends with 199.9.
  EXPECT_EQ(g.tics[998], 111);
  EXPECT_EQ(g.tics[999], 200);
}

TEST(TickValues, RepeatedAdditionAndTheEndLeftOut) {
  Axis a{};
  a.min = 0;
  a.max = 1;
  a.increment = 0.25;
  a.base = 1;
  EXPECT_EQ(tick_values(a), (std::vector<double>{0, 0.25, 0.5, 0.75}));
  // Within 1e-5 of an increment below max counts as max.
  a.max = 1 + 2e-6;
  EXPECT_EQ(tick_values(a).size(), 4u);
  a.max = 1 + 3e-6;
  EXPECT_EQ(tick_values(a).size(), 5u);
}

TEST(TickValues, IncrementLostToRoundingEndsTheWalk) {
  Axis a{};
  a.min = -1;
  a.max = 5;
  a.increment = 3.3e-301;   // what zooming into 0 .. 1e-300 leaves
  a.base = 1;
  EXPECT_EQ(tick_values(a), std::vector<double>{-1});
  a.min = 0;
  a.max = 1e6;
  a.increment = 1e-3;   // a billion steps
  EXPECT_EQ(tick_values(a).size(), static_cast<size_t>(kMaxTickSteps));
}

}  // namespace
