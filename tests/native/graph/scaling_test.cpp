#include <cmath>

#include "graph/axis.h"
#include "graph/resources.h"
#include "graph/scaling.h"
#include "graph_fixture.h"

namespace {

const char *const kEqualMessage = "Equal minimum and maximum values not allowed";
const char *const kLogMessage = "Negative or zero data not allowed in logaritmic plots";

struct PowerRow {
  double m;
  double expected;
};

TEST(NormalizationPower, Table) {
  const PowerRow rows[] = {
      {5, 100},      {1, 10},        {0.3, 0.1},     {0, 1},          {1e-30, 1},
      {1e-29, 1e-29}, {9.9, 100},    {3.1, 10},      {3.2, 100},      // log10 3.16 is 0.5
      {0.31, 0.1},   {0.32, 10},     // log10 0.316 is -0.5: -0.51 rounds to -1, -0.49 to 0
      {1e300, 1e301}, {1e-300, 1},   {0.0042, 0.01}, {7.3, 100},
  };
  for (const PowerRow &row : rows) EXPECT_DOUBLE_EQ(normalization_power(row.m), row.expected) << row.m;
}

struct SplitRow {
  double x;
  double mantissa;
  double power;
};

TEST(EngineeringSplit, Table) {
  const SplitRow rows[] = {
      {0.0009, 0.9, 1e-3},  {0.3, 300, 1e-3},      {0.5, 0.5, 1},     {1500, 1.5, 1e3},
      {-1500, -1.5, 1e3},   {0.0006, 0.6, 1e-3},   // log -3.2 rounds to -3
      {0.0003, 300, 1e-6},  // log -3.5 rounds to -4, the next multiple of three below is -6
      {1, 1, 1},            {999, 999, 1},          {1e6, 1, 1e6},     {2.5e-12, 2.5, 1e-12},
      {1e-29, 10, 1e-30},   {1e-30, 0, 1},          {0, 0, 1},         {5e20, 500, 1e18},
  };
  for (const SplitRow &row : rows) {
    EngineeringSplit s = engineering_split(row.x);
    EXPECT_DOUBLE_EQ(s.mantissa, row.mantissa) << row.x;
    EXPECT_DOUBLE_EQ(s.power, row.power) << row.x;
  }
}

TEST(PowerOfTen, ExactWhereADoubleCanBe) {
  EXPECT_EQ(power_of_ten(0), 1.0);
  EXPECT_EQ(power_of_ten(3), 1000.0);
  EXPECT_EQ(power_of_ten(22), 1e22);
  EXPECT_EQ(power_of_ten(-3), 1e-3);
  EXPECT_EQ(power_of_ten(-22), 1e-22);
  EXPECT_DOUBLE_EQ(power_of_ten(300), 1e300);
  EXPECT_DOUBLE_EQ(power_of_ten(-300), 1e-300);
}

struct SnapRow {
  double step, x, expected;
};

TEST(SnapUp, Table) {
  const SnapRow rows[] = {
      {0.02, 0.073, 0.08}, {0.02, 0.08, 0.08},  {0.005, 0.033, 0.035}, {2, 0, 0},
      {2, 5, 6},           {2, 1, 2},           {0.5, 2.0000000001, 2.0000000001},   // within 1e-9
      {0.1, 0.42, 0.5},
  };
  for (const SnapRow &row : rows)
    EXPECT_DOUBLE_EQ(snap_up(row.step, row.x), row.expected) << row.step << " " << row.x;
}

TEST(NiceIncrement, Table) {
  create_graph_resources({0, 0, 0}, nullptr);
  const PowerRow rows[] = {
      {0.073, 0.02}, {0.42, 0.1},   {0.021, 0.005}, {0.1, 0.02},  {6, 2},
      {6.32, 2},     {0.4, 0.1},    {0, 1e-5},      {5e-5, 1e-5}, {5.6e-5, 2e-5},   // 5.6 rounds to 6
      {1, 0.2},      {2.5, 0.5},    {2.6, 0.5},    {2.8, 1},       {27, 5},      {1000, 5},        // past the table
  };
  for (const PowerRow &row : rows) EXPECT_EQ(nice_increment(row.m), row.expected) << row.m;
  destroy_graph_resources();
  EXPECT_EQ(nice_increment(0.073), 0.5);
}

struct CheckRow {
  const char *name;
  double min, max;
  int base;
  bool floor_min, ceil_max;
  bool accepted;
  double out_min, out_max;
  int out_base;
  const char *message;   // none when null
};

const CheckRow kChecks[] = {
    {"equal, flags clear", 2, 2, 1, false, false, false, 2, 2, 1, kEqualMessage},
    {"equal, a flag set", 2, 2, 1, true, false, true, 2, 2, 1, nullptr},
    {"equal on a log axis", 5, 5, 10, false, false, false, 5, 5, 10, kEqualMessage},
    {"both zero on a log axis", 0, 0, 10, true, true, true, 0, 0, 10, nullptr},
    {"linear keeps anything", -7, 3, 1, true, true, true, -7, 3, 1, nullptr},
    {"log with zero minimum", 0, 5, 10, true, true, false, 0, 5, 1, kLogMessage},
    {"log with negative maximum", 1, -5, 10, true, true, false, 1, -5, 1, kLogMessage},
    {"log 0.002 .. 350", 0.002, 350, 10, true, true, true, -3, 3, 10, nullptr},
    {"log 0.05 .. 20 rounded", 0.05, 20, 10, false, false, true, -1, 1, 10, nullptr},
    {"log 0.05 .. 20 enclosed", 0.05, 20, 10, true, true, true, -2, 2, 10, nullptr},
    {"log floor only", 0.05, 20, 10, true, false, true, -2, 1, 10, nullptr},
    {"log base 8", 0.5, 100, 8, true, true, true, -1, 3, 8, nullptr},   // -1/3 and 2.21
    {"log 1e-300 .. 1e300", 1e-300, 1e300, 10, false, false, true, -300, 300, 10, nullptr},
    // A logarithm within 1e-9 of a whole number is that number before it is enclosed.
    {"sweep end written 10000000.000000212", 1, 10000000.000000212, 10, true, true, true, 0, 7, 10, nullptr},
    {"start a rounding below a decade", 0.09999999999999, 1000, 10, true, true, true, -1, 3, 10, nullptr},
    {"8.7e-10 beyond both decades snaps", 1e7 * (1 - 2e-9), 1e8 * (1 + 2e-9), 10, true, true, true, 7, 8, 10, nullptr},
    {"1.3e-9 above a decade is enclosed", 1e7 * (1 - 3e-9), 1e7 * (1 + 3e-9), 10, true, true, true, 6, 8, 10, nullptr},
    {"base 8 snaps too", 0.125 * (1 - 1e-12), 512.0000001, 8, true, true, true, -1, 3, 8, nullptr},
};

TEST(CheckAxisRange, Table) {
  for (const CheckRow &row : kChecks) {
    FakeUi ui;
    double min = row.min, max = row.max;
    int base = row.base;
    EXPECT_EQ(check_axis_range(min, max, base, row.floor_min, row.ceil_max), row.accepted) << row.name;
    EXPECT_EQ(min, row.out_min) << row.name;
    EXPECT_EQ(max, row.out_max) << row.name;
    EXPECT_EQ(base, row.out_base) << row.name;
    if (!row.message) {
      EXPECT_TRUE(ui.messages.empty()) << row.name;
      continue;
    }
    ASSERT_EQ(ui.messages.size(), 1u) << row.name;
    EXPECT_EQ(ui.messages[0].text, row.message);
    EXPECT_EQ(ui.messages[0].caption, "(default)");
    EXPECT_EQ(ui.messages[0].owner, nullptr);
    EXPECT_EQ(ui.messages[0].flags, static_cast<unsigned>(kMbIconExclamation));
  }
}

struct RangeRow {
  const char *name;
  double lo, hi, increment;
  bool automatic;
  double min, max, inc, scale;
};

// Automatic rows: expected values worked out by hand from the scaling rules.
const RangeRow kRanges[] = {
    {"0 .. 7.3", 0, 7.3, 0, true, 0, 8, 2, 1},
    {"0 .. 0.0042", 0, 0.0042, 0, true, 0, 5, 1, 1e-3},
    {"-3.3 .. -1.2", -3.3, -1.2, 0, true, -3.5, -1, 0.5, 1},
    {"-5 .. 5", -5, 5, 0, true, -6, 6, 2, 1},
    {"constant 2", 2, 2, 0, true, 0, 4, 1, 1},
    {"constant -2", -2, -2, 0, true, -4, 0, 1, 1},
    {"constant 0", 0, 0, 0, true, -2, 6, 2, 1},
    {"crossing zero", -0.3, 1.7, 0, true, -0.5, 2, 0.5, 1},
    {"0 .. 999 in K", 0, 999, 0, true, 0, 1, 0.2, 1e3},
    {"1500 .. 2500", 1500, 2500, 0, true, 1.4, 2.6, 0.2, 1e3},
    {"0 .. 1e15", 0, 1e15, 0, true, 0, 1, 0.2, 1e15},
    // S = 1e301, increment 0.02, b = 0.1, E(1e300): scale 1e300.
    {"1e-300 .. 1e300", 1e-300, 1e300, 0, true, 0, 1, 0.2, 1e300},
    // S = 1e-20, increment 0.5 over 1 .. 3, E(3e-20) gives 10^-21.
    {"1e-20 .. 3e-20", 1e-20, 3e-20, 0, true, 10, 30, 5, 1e-21},
    // Magnitudes below 1e-29 count as zero, so these scale like a constant 0.
    {"1e-300 .. 3e-300", 1e-300, 3e-300, 0, true, -2, 6, 2, 1},
    {"denormals", -1e-310, 3e-310, 0, true, -2, 6, 2, 1},
    // A relative width of 1e-6: S = 10, increment 1e-5 normalized, b snapped to 0.10001.
    {"1 .. 1.000001", 1, 1.000001, 0, true, 1, 1.0001, 1e-4, 1},
    // |hi'| / S is tested against 1e-15 with S = 1e21, so a big constant widens by -1 .. +5.
    {"constant 1e20", 1e20, 1e20, 0, true, -2, 6, 2, 1e21},
    // Near the largest double the normalization power would overflow; the same steps on
    // values 10^6 smaller give the same axis units. 1e308: S = 10^309, b = 0.1, E(1e308)
    // gives 10^306.
    {"0 .. 1e308", 0, 1e308, 0, true, 0, 100, 20, 1e306},
    // S = 10^309, increment 0.1 over -0.17 .. 0.17, E(2e308) gives 10^306.
    {"-1.7e308 .. 1.7e308", -1.7e308, 1.7e308, 0, true, -200, 200, 100, 1e306},
    // S = 10^309, increment 0.01, b = 0.04, E(4e307) gives 10^306.
    {"0 .. 3.2e307", 0, 3.2e307, 0, true, 0, 40, 10, 1e306},
    {"manual 0 .. 0.0042", 0, 0.0042, 0.001, false, 0, 4.2, 1, 1e-3},
    {"manual -2 .. 0 takes the lower end", -2, 0, 0.5, false, -2, 0, 0.5, 1},
    {"manual equal ends widen", 2, 2, 1, false, 0, 4, 1, 1},
    {"manual 1500 .. 2500", 1500, 2500, 250, false, 1.5, 2.5, 0.25, 1e3},
};

TEST(SetAxisRange, LinearTable) {
  create_graph_resources({0, 0, 0}, nullptr);
  for (const RangeRow &row : kRanges) {
    Axis axis{};
    axis.base = 1;
    axis.scale = 1;
    set_axis_range(axis, row.lo, row.hi, row.increment, row.automatic);
    EXPECT_DOUBLE_EQ(axis.min, row.min) << row.name;
    EXPECT_DOUBLE_EQ(axis.max, row.max) << row.name;
    EXPECT_DOUBLE_EQ(axis.increment, row.inc) << row.name;
    EXPECT_DOUBLE_EQ(axis.scale, row.scale) << row.name;
  }
  destroy_graph_resources();
}

TEST(SetAxisRange, LogarithmicTakesExponentsAsTheyAre) {
  Axis axis{};
  axis.base = 10;
  set_axis_range(axis, -3, 3, 0.7, true);
  EXPECT_EQ(axis.min, -3);
  EXPECT_EQ(axis.max, 3);
  EXPECT_EQ(axis.increment, 1);
  EXPECT_EQ(axis.scale, 1);
  set_axis_range(axis, 2, 2, 0, false);
  EXPECT_EQ(axis.min, 2);
  EXPECT_EQ(axis.max, 3);
}

using EntryTest = GraphTest;

TEST_F(EntryTest, DataRangeScalesAutomatically) {
  make_graph();
  ASSERT_TRUE(set_data_range(graph, 1, -3.3, -1.2));
  EXPECT_EQ(graph->data_range[1].min, -3.3);
  EXPECT_EQ(graph->data_range[1].max, -1.2);
  EXPECT_DOUBLE_EQ(graph->axes[1].min, -3.5);
  EXPECT_DOUBLE_EQ(graph->axes[1].max, -1);
  EXPECT_DOUBLE_EQ(graph->axes[1].increment, 0.5);
  EXPECT_FALSE(set_data_range(graph, 2, 0, 1));
}

TEST_F(EntryTest, LogarithmicDataRange) {
  make_graph(10, 1);
  ASSERT_TRUE(set_data_range(graph, 0, 0.002, 350));
  EXPECT_EQ(graph->axes[0].min, -3);
  EXPECT_EQ(graph->axes[0].max, 3);
  EXPECT_EQ(graph->axes[0].increment, 1);
  EXPECT_EQ(graph->axes[0].scale, 1);
  DisplayRange r = display_range(graph, 0);
  EXPECT_DOUBLE_EQ(r.min, 0.001);
  EXPECT_DOUBLE_EQ(r.max, 1000);
}

TEST_F(EntryTest, LogarithmicAxisWithZeroDataTurnsLinearKeepingItsRange) {
  make_graph(10, 1);
  ASSERT_TRUE(set_data_range(graph, 0, 0.002, 350));
  EXPECT_FALSE(set_data_range(graph, 0, 0, 350));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, kLogMessage);
  EXPECT_EQ(graph->axes[0].base, 1);
  EXPECT_EQ(graph->data_range[0].min, 0);
  EXPECT_EQ(graph->axes[0].min, -3);   // recomputed only at the next range change
  EXPECT_EQ(graph->axes[0].max, 3);
}

TEST_F(EntryTest, BaseChangeRescalesOrKeepsTheOldBase) {
  make_graph();
  ASSERT_TRUE(set_data_range(graph, 0, 0.002, 350));
  ASSERT_TRUE(set_axis_base(graph, 0, 10));
  EXPECT_EQ(axis_base(graph, 0), 10);
  EXPECT_EQ(graph->axes[0].min, -3);
  EXPECT_EQ(graph->axes[0].max, 3);
  // Back to linear: S = 1e4, increment 0.01 normalized, 0 .. 0.04.
  ASSERT_TRUE(set_axis_base(graph, 0, 1));
  EXPECT_DOUBLE_EQ(graph->axes[0].min, 0);
  EXPECT_DOUBLE_EQ(graph->axes[0].max, 400);
  EXPECT_DOUBLE_EQ(graph->axes[0].increment, 100);
  EXPECT_TRUE(ui.messages.empty());

  ASSERT_TRUE(set_data_range(graph, 1, 0, 7.3));
  EXPECT_FALSE(set_axis_base(graph, 1, 10));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, kLogMessage);
  EXPECT_EQ(axis_base(graph, 1), 1);
  EXPECT_DOUBLE_EQ(graph->axes[1].max, 8);
  // A base the logarithm cannot use is refused without a word.
  EXPECT_FALSE(set_axis_base(graph, 1, 0));
  EXPECT_FALSE(set_axis_base(graph, 1, -10));
  EXPECT_EQ(ui.messages.size(), 1u);
}

struct ManualRow {
  const char *name;
  bool automatic_min, automatic_max, automatic_increment;
  double min, max, increment;
  bool accepted;
  double out_min, out_max, out_inc, out_scale;
};

// Data range 0 .. 7.3 throughout, which scales automatically to 0 .. 8 by 2.
const ManualRow kManual[] = {
    {"all automatic", true, true, true, 5, 6, 0.1, true, 0, 8, 2, 1},
    {"all manual", false, false, false, 0, 0.0042, 0.001, true, 0, 4.2, 1, 1e-3},
    {"manual ends, automatic increment", false, false, true, 1, 7, 0, true, 1, 7, 2, 1},
    {"automatic minimum", true, false, false, 99, 10, 1, true, 0, 10, 1, 1},
    {"equal ends refused", false, false, false, 2, 2, 1, false, 0, 8, 2, 1},
};

TEST_F(EntryTest, ManualRangeTable) {
  for (const ManualRow &row : kManual) {
    make_graph();
    ASSERT_TRUE(set_data_range(graph, 0, 0, 7.3));
    ui.messages.clear();
    set_automatic_flag(graph, 0, kAutomaticMin, row.automatic_min);
    set_automatic_flag(graph, 0, kAutomaticMax, row.automatic_max);
    set_automatic_flag(graph, 0, kAutomaticIncrement, row.automatic_increment);
    EXPECT_EQ(set_manual_range(graph, 0, row.min, row.max, row.increment), row.accepted) << row.name;
    const Axis &a = graph->axes[0];
    EXPECT_DOUBLE_EQ(a.min, row.out_min) << row.name;
    EXPECT_DOUBLE_EQ(a.max, row.out_max) << row.name;
    EXPECT_DOUBLE_EQ(a.increment, row.out_inc) << row.name;
    EXPECT_DOUBLE_EQ(a.scale, row.out_scale) << row.name;
    EXPECT_EQ(ui.messages.size(), row.accepted ? 0u : 1u) << row.name;
    destroy_graph(graph);
    graph = nullptr;
  }
}

TEST_F(EntryTest, ManualRangeOnALogarithmicAxisEnclosesAutomaticEnds) {
  make_graph(10, 1);
  ASSERT_TRUE(set_data_range(graph, 0, 0.05, 20));
  set_automatic_flag(graph, 0, kAutomaticMax, false);
  // Minimum from the data, floored to -2; the manual maximum 20 rounds to 1.
  ASSERT_TRUE(set_manual_range(graph, 0, 7, 20, 1));
  EXPECT_EQ(graph->axes[0].min, -2);
  EXPECT_EQ(graph->axes[0].max, 1);
  EXPECT_EQ(graph->axes[0].increment, 1);
}

TEST_F(EntryTest, ZoomClearsAutomaticFlagsAndStopsAtTheLimitPerAxis) {
  make_graph();
  ASSERT_TRUE(set_data_range(graph, 0, 0, 7.3));
  ASSERT_TRUE(set_data_range(graph, 1, 0, 7.3));
  ZoomOutcome z = zoom_graph(graph, 3, 2, 1, 1 + 1e-13);
  EXPECT_TRUE(z.zoomed[0]);
  EXPECT_FALSE(z.zoomed[1]);
  for (int axis = 0; axis < 2; axis++)
    for (int flag = 0; flag < 3; flag++) EXPECT_FALSE(automatic_flag(graph, axis, flag));
  // x: 2 .. 3 manual with a third of the width as increment, S = 10, E(3) gives scale 1.
  EXPECT_DOUBLE_EQ(graph->axes[0].min, 2);
  EXPECT_DOUBLE_EQ(graph->axes[0].max, 3);
  EXPECT_DOUBLE_EQ(graph->axes[0].increment, 1.0 / 3);
  EXPECT_DOUBLE_EQ(graph->axes[1].max, 8);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Maximum zoom reached for y-axis");
  EXPECT_EQ(ui.messages[0].caption, "Ulmo-Postprocessor");
  EXPECT_EQ(ui.messages[0].flags, static_cast<unsigned>(kMbIconStop));
}

struct ZoomRow {
  const char *name;
  double lo, hi;
  bool zoomed;
};

const ZoomRow kZoomLimits[] = {
    {"relative width 1e-12", 1, 1 + 2e-12, true},
    {"narrower than 1e-12", 1, 1 + 5e-13, false},
    {"reversed band", 1 + 5e-13, 1, false},
    {"zero minimum measures against the maximum", 0, 1e-300, true},
    {"no width at all", 4, 4, false},
    {"no width at zero", 0, 0, false},   // 0 / 0 is no width either
    {"negative band", -2, -1, true},
};

TEST_F(EntryTest, ZoomLimitTable) {
  for (const ZoomRow &row : kZoomLimits) {
    make_graph();
    ASSERT_TRUE(set_data_range(graph, 0, 0, 7.3));
    ui.messages.clear();
    ZoomOutcome z = zoom_graph(graph, row.lo, row.hi, 2, 3);
    EXPECT_EQ(z.zoomed[0], row.zoomed) << row.name;
    EXPECT_TRUE(z.zoomed[1]) << row.name;
    ASSERT_EQ(ui.messages.size(), row.zoomed ? 0u : 1u) << row.name;
    if (!row.zoomed) {
      EXPECT_EQ(ui.messages[0].text, "Maximum zoom reached for x-axis") << row.name;
      EXPECT_DOUBLE_EQ(graph->axes[0].max, 8) << row.name;
    }
    destroy_graph(graph);
    graph = nullptr;
  }
}

TEST_F(EntryTest, ZoomOnALogarithmicAxisEnclosesTheBand) {
  make_graph(10, 1);
  ASSERT_TRUE(set_data_range(graph, 0, 0.002, 350));
  ASSERT_TRUE(zoom_graph(graph, 0.05, 20, 2, 3).zoomed[0]);
  EXPECT_EQ(graph->axes[0].min, -2);
  EXPECT_EQ(graph->axes[0].max, 2);
  // Restoring takes the exponents as they round.
  ASSERT_TRUE(zoom_axis_range(graph, 0, 20, 0.05, 0, false));
  EXPECT_EQ(graph->axes[0].min, -1);
  EXPECT_EQ(graph->axes[0].max, 1);
}

}  // namespace
