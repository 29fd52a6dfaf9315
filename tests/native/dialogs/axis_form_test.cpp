// The Format Axis dialog's data: opening, the controls' behaviour while open, validation on
// OK and what OK applies.
#include <gtest/gtest.h>

#include <string>

#include "base/text.h"
#include "dialogs/axis_form.h"
#include "dialogs_fixture.h"
#include "graph/axis.h"
#include "graph/scaling.h"

namespace {

class AxisFormTest : public DialogTest {
 protected:
  // x: linear over 0 ... 7.3 (shown 0 ... 8 by 2); y: logarithmic over 0.002 ... 350.
  void SetUp() override {
    DialogTest::SetUp();
    make_graph(1, 10);
    set_data_range(graph, 0, 0, 7.3);
    set_data_range(graph, 1, 0.002, 350);
  }
};

TEST_F(AxisFormTest, CaptionsByAxis) {
  EXPECT_EQ(load_text(axis_caption(0)), "Format X-Axis");
  EXPECT_EQ(load_text(axis_caption(1)), "Format Y-Axis");
}

TEST_F(AxisFormTest, OpensALinearAxis) {
  set_axis_grid(graph, 0, {2, 0, true});
  AxisDialog d = open_axis_dialog(graph, 0);
  const AxisForm &f = d.form;
  EXPECT_FALSE(f.logarithmic);
  EXPECT_EQ(f.base, 10);
  EXPECT_EQ(f.entry[kEntryMinimum], "0");
  EXPECT_EQ(f.entry[kEntryMaximum], "8");
  EXPECT_EQ(f.entry[kEntryIncrement], "2");
  EXPECT_TRUE(f.automatic[0] && f.automatic[1] && f.automatic[2]);
  EXPECT_EQ(f.tics, "3");
  EXPECT_EQ(f.major_grid, 2);
  EXPECT_EQ(f.minor_grid, 0);
  EXPECT_TRUE(f.display_grid);
  EXPECT_FALSE(d.range_changed);
}

TEST_F(AxisFormTest, OpensALogarithmicAxisWithTheIncrementEmptyAndAutomatic) {
  set_automatic_flag(graph, 1, kAutomaticIncrement, false);
  set_automatic_flag(graph, 1, kAutomaticMax, false);
  AxisDialog d = open_axis_dialog(graph, 1);
  const AxisForm &f = d.form;
  EXPECT_TRUE(f.logarithmic);
  EXPECT_EQ(f.base, 10);
  EXPECT_EQ(f.entry[kEntryMinimum], "0.001");
  EXPECT_EQ(f.entry[kEntryMaximum], "1000");
  EXPECT_EQ(f.entry[kEntryIncrement], "");
  EXPECT_TRUE(f.automatic[kEntryIncrement]);
  EXPECT_FALSE(f.automatic[kEntryMaximum]);
}

TEST_F(AxisFormTest, BaseEightSelectsItsButton) {
  ASSERT_TRUE(set_axis_base(graph, 1, 8));
  EXPECT_EQ(open_axis_dialog(graph, 1).form.base, 8);
}

TEST_F(AxisFormTest, GridStylesOtherThanSolidOrDotShowNone) {
  const int rows[][2] = {{0, 0}, {2, 2}, {5, 5}, {1, 5}, {3, 5}, {-1, 5}};
  for (const auto &row : rows) {
    set_axis_grid(graph, 0, {row[0], row[0], false});
    AxisForm f = open_axis_dialog(graph, 0).form;
    EXPECT_EQ(f.major_grid, row[1]) << row[0];
    EXPECT_EQ(f.minor_grid, row[1]) << row[0];
  }
}

TEST(AxisEnabling, ByType) {
  AxisEnabling linear = axis_enabling(false), log = axis_enabling(true);
  EXPECT_FALSE(linear.base);
  EXPECT_TRUE(linear.increment);
  EXPECT_TRUE(linear.tics);
  EXPECT_TRUE(log.base);
  EXPECT_FALSE(log.increment);
  EXPECT_FALSE(log.tics);
}

TEST_F(AxisFormTest, LogarithmicAndBackRestoresIncrementChecksAndTics) {
  AxisDialog d = open_axis_dialog(graph, 0);
  type_entry(d, kEntryIncrement, "500m");
  leave_increment(d);
  d.form.tics = "7";
  choose_axis_type(d, true);
  EXPECT_TRUE(d.form.logarithmic);
  EXPECT_EQ(d.form.base, 10);
  EXPECT_EQ(d.form.entry[kEntryIncrement], "");
  EXPECT_TRUE(d.form.automatic[kEntryIncrement]);
  d.form.base = 8;
  choose_axis_type(d, false);
  EXPECT_FALSE(d.form.logarithmic);
  EXPECT_EQ(d.form.base, 0);   // both base buttons cleared
  EXPECT_EQ(d.form.entry[kEntryIncrement], "0.5");
  EXPECT_FALSE(d.form.automatic[kEntryIncrement]);
  EXPECT_EQ(d.form.tics, "7");
  choose_axis_type(d, true);
  EXPECT_EQ(d.form.base, 8);   // the base chosen before is remembered
}

TEST_F(AxisFormTest, AnIncrementTypedButNotLeftIsRemembered) {
  AxisDialog d = open_axis_dialog(graph, 0);
  type_entry(d, kEntryIncrement, "0.25");
  choose_axis_type(d, true);
  choose_axis_type(d, false);
  EXPECT_EQ(d.form.entry[kEntryIncrement], "0.25");
  EXPECT_FALSE(d.form.automatic[kEntryIncrement]);
}

TEST_F(AxisFormTest, AnAutomaticIncrementComesBackAutomatic) {
  AxisDialog d = open_axis_dialog(graph, 0);
  choose_axis_type(d, true);
  choose_axis_type(d, false);
  EXPECT_EQ(d.form.entry[kEntryIncrement], "2");
  EXPECT_TRUE(d.form.automatic[kEntryIncrement]);
  // Unticked by a click: it comes back unticked.
  click_automatic(d, kEntryIncrement, false);
  choose_axis_type(d, true);
  choose_axis_type(d, false);
  EXPECT_FALSE(d.form.automatic[kEntryIncrement]);
}

TEST_F(AxisFormTest, FromALogarithmicAxisLinearShowsIncrementOne) {
  AxisDialog d = open_axis_dialog(graph, 1);
  choose_axis_type(d, false);
  EXPECT_EQ(d.form.entry[kEntryIncrement], "1");
  EXPECT_TRUE(d.form.automatic[kEntryIncrement]);
  EXPECT_EQ(d.form.tics, "3");
}

TEST_F(AxisFormTest, ChoosingTheTypeShownChangesNothing) {
  AxisDialog d = open_axis_dialog(graph, 1);
  d.form.base = 8;
  choose_axis_type(d, true);
  EXPECT_EQ(d.form.base, 8);
  AxisDialog x = open_axis_dialog(graph, 0);
  x.form.tics = "9";
  type_entry(x, kEntryIncrement, "1");
  choose_axis_type(x, false);
  EXPECT_EQ(x.form.tics, "9");
  EXPECT_EQ(x.form.entry[kEntryIncrement], "1");
}

TEST_F(AxisFormTest, ChecksAndTypingMarkTheRangeChanged) {
  for (int entry = 0; entry < kAxisEntryCount; entry++) {
    AxisDialog d = open_axis_dialog(graph, 0);
    click_automatic(d, entry, false);
    EXPECT_TRUE(d.range_changed) << entry;
    EXPECT_FALSE(d.form.automatic[entry]) << entry;
    AxisDialog t = open_axis_dialog(graph, 0);
    type_entry(t, entry, "5");
    EXPECT_TRUE(t.range_changed) << entry;
    EXPECT_FALSE(t.form.automatic[entry]) << entry;
    EXPECT_EQ(t.form.entry[entry], "5");
    for (int other = 0; other < kAxisEntryCount; other++) {
      if (other != entry) {
        EXPECT_TRUE(t.form.automatic[other]) << entry << other;
      }
    }
  }
  AxisDialog d = open_axis_dialog(graph, 0);
  choose_axis_type(d, true);
  step_tics(d, true);
  EXPECT_FALSE(d.range_changed);
}

TEST_F(AxisFormTest, TicArrowsNeverGoBelowOne) {
  AxisDialog d = open_axis_dialog(graph, 0);
  const struct {
    const char *tics;
    bool up;
    const char *result;
  } rows[] = {{"3", true, "4"}, {"3", false, "2"}, {"2", false, "1"}, {"1", false, "1"},
              {"0", false, "0"}, {"", true, "1"},  {"x", false, "0"}};
  for (const auto &row : rows) {
    d.form.tics = row.tics;
    step_tics(d, row.up);
    EXPECT_EQ(d.form.tics, row.result) << row.tics << row.up;
  }
}

struct CheckRow {
  const char *name;
  bool logarithmic;
  bool automatic[3];
  const char *entry[3];
  int message;
  int bad_entry;
};

const CheckRow kChecks[] = {
    {"relative length too short", false, {false, false, true}, {"1", "1.0000000000001", "1"}, 703, -1},
    {"relative length just enough", false, {false, false, true}, {"1", "1.00000000001", "1"}, 0, -1},
    {"equal ends", false, {false, false, true}, {"5", "5", "1"}, 703, -1},
    {"zero minimum divides by the maximum", false, {false, false, true}, {"0", "1e-300", "1"}, 0, -1},
    {"both zero", false, {false, false, true}, {"0", "0", "1"}, 700, -1},
    {"automatic increment over 0 ... 7", false, {false, false, true}, {"0", "7", "100"}, 0, -1},
    {"increment zero", false, {false, false, false}, {"0", "7", "0"}, 701, -1},
    {"increment negative", false, {false, false, false}, {"0", "7", "-1"}, 701, -1},
    {"increment beyond the range", false, {false, false, false}, {"0", "1", "2"}, 702, -1},
    {"increment equal to the range", false, {false, false, false}, {"0", "1", "1"}, 0, -1},
    {"maximum below minimum", false, {false, false, true}, {"3", "1", "1"}, 700, -1},
    {"scale suffixes", false, {false, false, false}, {"0", "10m", "2m"}, 0, -1},
    {"unreadable increment is 0", false, {false, false, false}, {"0", "1", "abc"}, 701, -1},
    {"automatic ends skip the relative length", false, {true, true, true}, {"1", "1", "1"}, 0, -1},
    {"logarithmic equal ends", true, {true, true, true}, {"1", "1", ""}, 700, -1},
    {"logarithmic in order", true, {false, false, true}, {"1m", "1k", ""}, 0, -1},
    {"logarithmic reversed", true, {false, false, true}, {"1000", "1", ""}, 700, -1},
    {"logarithmic ignores the increment", true, {false, false, false}, {"1", "100", "-5"}, 0, -1},
    {"logarithmic ignores the relative length", true, {false, false, true}, {"1", "1.0000000000001", ""}, 0, -1},
    {"minimum beyond the double range", false, {false, false, true}, {"-1e400", "1", "1"}, 0, 0},
    {"increment beyond the double range", false, {false, false, false}, {"0", "1", "1e999"}, 0, 2},
};

TEST_F(AxisFormTest, OkValidation) {
  for (const CheckRow &row : kChecks) {
    AxisForm f = open_axis_dialog(graph, 0).form;
    f.logarithmic = row.logarithmic;
    for (int i = 0; i < kAxisEntryCount; i++) {
      f.automatic[i] = row.automatic[i];
      f.entry[i] = row.entry[i];
    }
    AxisCheck check = check_axis_form(f);
    EXPECT_EQ(check.message, row.message) << row.name;
    EXPECT_EQ(check.bad_entry, row.bad_entry) << row.name;
  }
  EXPECT_TRUE(ui.messages.empty());   // validation shows nothing itself
}

TEST_F(AxisFormTest, MessageTexts) {
  EXPECT_EQ(load_text(700), "Maximum must be greater than Minimum");
  EXPECT_EQ(load_text(701), "Increment must be positive");
  EXPECT_EQ(load_text(702), "Increment must not exceed axis range");
  EXPECT_EQ(load_text(703), "Relative length of axis must be larger than 1e-12");
}

TEST_F(AxisFormTest, AutomaticIncrementOverAManualRangeIsComputedAndTheRangeKept) {
  AxisDialog d = open_axis_dialog(graph, 0);
  type_entry(d, kEntryMinimum, "0");
  type_entry(d, kEntryMaximum, "7");
  d.form.entry[kEntryIncrement] = "100";   // not read: the increment is automatic
  ASSERT_EQ(check_axis_form(d.form).message, 0);
  apply_axis_form(graph, 0, d);
  DisplayRange r = display_range(graph, 0);
  EXPECT_DOUBLE_EQ(r.min, 0);
  EXPECT_DOUBLE_EQ(r.max, 7);
  EXPECT_DOUBLE_EQ(r.increment, 2);
  EXPECT_FALSE(automatic_flag(graph, 0, kAutomaticMin));
  EXPECT_FALSE(automatic_flag(graph, 0, kAutomaticMax));
  EXPECT_TRUE(automatic_flag(graph, 0, kAutomaticIncrement));
}

TEST_F(AxisFormTest, ScaleSuffixesReachTheAxis) {
  AxisDialog d = open_axis_dialog(graph, 0);
  type_entry(d, kEntryMinimum, "0");
  type_entry(d, kEntryMaximum, "10m");
  type_entry(d, kEntryIncrement, "2.5m");
  ASSERT_EQ(check_axis_form(d.form).message, 0);
  apply_axis_form(graph, 0, d);
  DisplayRange r = display_range(graph, 0);
  EXPECT_DOUBLE_EQ(r.max, 0.01);
  EXPECT_DOUBLE_EQ(r.increment, 0.0025);
  EXPECT_DOUBLE_EQ(graph->axes[0].scale, 0.001);
}

TEST_F(AxisFormTest, WithoutRangeChangesOkLeavesRangeAndFlags) {
  set_automatic_flag(graph, 0, kAutomaticMax, false);
  Axis before = graph->axes[0];
  AxisDialog d = open_axis_dialog(graph, 0);
  d.form.entry[kEntryMaximum] = "100";   // as if the text changed without the user typing
  d.form.tics = "5";
  d.form.major_grid = 5;
  d.form.minor_grid = 0;
  d.form.display_grid = true;
  apply_axis_form(graph, 0, d);
  const Axis &a = graph->axes[0];
  EXPECT_EQ(a.min, before.min);
  EXPECT_EQ(a.max, before.max);
  EXPECT_EQ(a.increment, before.increment);
  EXPECT_FALSE(a.automatic_max);
  EXPECT_TRUE(a.automatic_min);
  EXPECT_EQ(a.tics, 5);
  EXPECT_EQ(a.major_grid_style, 5);
  EXPECT_EQ(a.minor_grid_style, 0);
  EXPECT_TRUE(a.display_grid);
}

TEST_F(AxisFormTest, SwitchingToLogarithmicSetsTheBaseAndRescales) {
  set_data_range(graph, 0, 0.002, 350);
  AxisDialog d = open_axis_dialog(graph, 0);
  choose_axis_type(d, true);
  d.form.base = 8;
  ASSERT_EQ(check_axis_form(d.form).message, 0);
  apply_axis_form(graph, 0, d);
  EXPECT_EQ(axis_base(graph, 0), 8);
  EXPECT_EQ(graph->axes[0].min, -3);   // 8^-3 = 0.00195 encloses 0.002
  EXPECT_EQ(graph->axes[0].max, 3);    // 8^3 = 512 encloses 350
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(AxisFormTest, SwitchingBackToLinearRescalesFromTheData) {
  AxisDialog d = open_axis_dialog(graph, 1);
  choose_axis_type(d, false);
  ASSERT_EQ(check_axis_form(d.form).message, 0);
  apply_axis_form(graph, 1, d);
  EXPECT_EQ(axis_base(graph, 1), 1);
  DisplayRange r = display_range(graph, 1);
  EXPECT_DOUBLE_EQ(r.min, 0);
  EXPECT_DOUBLE_EQ(r.max, 400);
  EXPECT_DOUBLE_EQ(r.increment, 100);
}

TEST_F(AxisFormTest, AManualLogarithmicRangeBecomesExponents) {
  AxisDialog d = open_axis_dialog(graph, 1);
  type_entry(d, kEntryMinimum, "10m");
  type_entry(d, kEntryMaximum, "100");
  ASSERT_EQ(check_axis_form(d.form).message, 0);
  apply_axis_form(graph, 1, d);
  EXPECT_EQ(graph->axes[1].min, -2);
  EXPECT_EQ(graph->axes[1].max, 2);
  EXPECT_FALSE(automatic_flag(graph, 1, kAutomaticMin));
  EXPECT_TRUE(automatic_flag(graph, 1, kAutomaticIncrement));
}

TEST_F(AxisFormTest, LogarithmicOverNonPositiveDataTellsAndStaysLinear) {
  AxisDialog d = open_axis_dialog(graph, 0);   // data 0 ... 7.3
  choose_axis_type(d, true);
  ASSERT_EQ(check_axis_form(d.form).message, 0);
  apply_axis_form(graph, 0, d);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Negative or zero data not allowed in logaritmic plots");
  EXPECT_EQ(axis_base(graph, 0), 1);
  EXPECT_DOUBLE_EQ(display_range(graph, 0).max, 8);
}

}  // namespace
