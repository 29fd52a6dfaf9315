// The legend dialog's data: one trace and its legend label.
#include <gtest/gtest.h>

#include <string>

#include "dialogs/legend_form.h"
#include "dialogs_fixture.h"

namespace {

class LegendFormTest : public DialogTest {
 protected:
  Trace *trace = nullptr;
  void SetUp() override {
    DialogTest::SetUp();
    make_graph();
    trace = add_test_trace("'v(out)'");
  }
};

TEST_F(LegendFormTest, OpensWithTheTraceAndItsLabel) {
  trace->display_symbols = true;
  trace->symbol_period = 3;
  trace->symbol_size = 5;
  trace->legend.border = true;
  LegendForm form = legend_form(*trace, fonts);
  EXPECT_EQ(form.text, "'v(out)'");
  EXPECT_EQ(form.font.face_entry, 1);   // Times New Roman
  EXPECT_EQ(form.font.size_entry, 5);   // 18
  EXPECT_EQ(form.symbol, 3);
  EXPECT_EQ(form.colour, 0);            // the first trace of the graph
  EXPECT_EQ(form.line_style, 1);
  EXPECT_EQ(form.line_weight, 2);
  EXPECT_TRUE(form.symbol_with_text);
  EXPECT_TRUE(form.border);
  EXPECT_TRUE(form.display_symbols);
  EXPECT_EQ(form.period, "3");
  EXPECT_EQ(form.size, "5");
}

TEST_F(LegendFormTest, ValuesWithoutAnEntrySelectNone) {
  trace->line_weight = 8;
  trace->line_style = 6;
  trace->colour_index = 12;   // the window colour is offered
  trace->symbol_index = 11;
  LegendForm form = legend_form(*trace, fonts);
  EXPECT_EQ(form.line_weight, -1);
  EXPECT_EQ(form.line_style, -1);
  EXPECT_EQ(form.colour, 12);
  EXPECT_EQ(form.symbol, 11);
}

TEST_F(LegendFormTest, LineWeightSamples) {
  const int expected[kLineWeightEntryCount] = {0, 2, 4, 6, 8, 10, 12, 14};
  for (int entry = 0; entry < kLineWeightEntryCount; entry++) EXPECT_EQ(line_weight_sample(entry), expected[entry]);
}

struct CheckRow {
  const char *period, *size;
  bool display_symbols;
  int message;
};

TEST_F(LegendFormTest, PeriodThenSizeMustBeAtLeastOne) {
  const CheckRow rows[] = {
      {"1", "1", true, 0},       {"0", "3", false, 1200},   // even when symbols are not shown
      {"0", "0", true, 1200},    {"2", "0", true, 1201},    {"", "4", true, 1200},
      {"5", "", false, 1201},    {"-1", "2", true, 1200},   {"abc", "2", true, 1200},
      {"12x", "7 ", true, 0},
  };
  for (const CheckRow &row : rows) {
    LegendForm form = legend_form(*trace, fonts);
    form.period = row.period;
    form.size = row.size;
    form.display_symbols = row.display_symbols;
    EXPECT_EQ(check_legend_form(form), row.message) << row.period << " " << row.size;
  }
}

TEST_F(LegendFormTest, OkWritesEveryFieldBack) {
  LegendForm form = legend_form(*trace, fonts);
  form.text = "output";
  form.font = {2, 10, true, false, true};
  form.symbol = 9;
  form.colour = 12;
  form.line_style = 5;
  form.line_weight = 7;
  form.symbol_with_text = false;
  form.border = true;
  form.display_symbols = true;
  form.period = "4";
  form.size = "6";
  ASSERT_EQ(check_legend_form(form), 0);
  apply_legend_form(*trace, form, fonts);
  const LegendLabel &l = trace->legend;
  EXPECT_EQ(l.text, "output");
  EXPECT_STREQ(l.font.face_name, "Courier New");
  EXPECT_EQ(l.font.weight, 700);
  EXPECT_EQ(l.font.underline, 1);
  EXPECT_EQ(l.point_size, 28);
  EXPECT_FALSE(trace->display_symbols_with_text);
  EXPECT_FALSE(l.show_symbol);   // the flag reaches the label too
  EXPECT_TRUE(l.border);
  EXPECT_EQ(trace->colour_index, 12);
  EXPECT_EQ(trace->symbol_index, 9);
  EXPECT_EQ(trace->symbol_size, 6);
  EXPECT_EQ(trace->line_style, 5);
  EXPECT_EQ(trace->line_weight, 7);
  EXPECT_TRUE(trace->display_symbols);
  EXPECT_EQ(trace->symbol_period, 4);
}

TEST_F(LegendFormTest, ListsWithoutSelectionKeepTheTracesValues) {
  trace->line_style = 6;
  trace->line_weight = 9;
  LegendForm form = legend_form(*trace, fonts);
  form.symbol = form.colour = form.line_style = form.line_weight = -1;
  apply_legend_form(*trace, form, fonts);
  EXPECT_EQ(trace->symbol_index, 3);
  EXPECT_EQ(trace->colour_index, 0);
  EXPECT_EQ(trace->line_style, 6);
  EXPECT_EQ(trace->line_weight, 9);
}

TEST_F(LegendFormTest, TextIsCutTo254Characters) {
  LegendForm form = legend_form(*trace, fonts);
  form.text = std::string(300, 'x');
  apply_legend_form(*trace, form, fonts);
  EXPECT_EQ(trace->legend.text, std::string(254, 'x'));
}

}  // namespace
