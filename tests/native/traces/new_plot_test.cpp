// New Plot and Overlay Plot over a graph: titles, legends, units, ranges, the status bar, the
// warnings, and batches that fail half-way.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "data/plot_model.h"
#include "fixture.h"
#include "graph/axis.h"
#include "traces/expression_traces.h"
#include "traces/new_plot.h"

namespace {

using Texts = std::vector<std::string>;
using Values = std::vector<double>;

class NewPlotTest : public TracesTest {
 protected:
  // New Plot of the texts, their legends the texts themselves, as the Add Plot dialog has it.
  BatchOutcome plot(const Texts &texts, bool overlay = false) {
    batch = expressions(texts);
    handed.clear();
    for (const ExpressionPtr &e : batch) handed.push_back(e.get());
    return overlay ? overlay_plot(graph, title, batch, texts, preferences)
                   : new_plot(graph, title, batch, texts, preferences);
  }

  std::vector<ExpressionPtr> batch;
  std::vector<Expression *> handed;
  std::string title;
};

TEST_F(NewPlotTest, TwoUnitsMakeTheTitleTheLegendsAndAnEmptyYUnit) {
  load(ramp_plot());
  new_graph();
  BatchOutcome outcome = plot({"'v(a)'", "'i(c)'"});
  EXPECT_TRUE(outcome.ok);
  EXPECT_EQ(outcome.traces_added, 2);
  EXPECT_EQ(title, "'v(a)' 'i(c)' ");

  std::vector<Trace *> t = traces();
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t[0]->legend.text, "'v(a)'");
  EXPECT_EQ(t[1]->legend.text, "'i(c)'");
  for (size_t i = 0; i < 2; i++) {
    EXPECT_EQ(t[i]->kind, 0);
    EXPECT_EQ(t[i]->symbol_index, 0);
    EXPECT_EQ(t[i]->line_style, 0);
    EXPECT_EQ(t[i]->line_weight, 0);
    EXPECT_EQ(t[i]->point_count, 4);
    EXPECT_EQ(t[i]->plot_index, 0);
    EXPECT_EQ(x_values(t[i]), (Values{0, 1, 2, 3}));
    EXPECT_EQ(expression_text(t[i]->x_expression), "time");
    EXPECT_EQ(expression_unit_symbol(t[i]->x_expression), "sec");
    // The trace owns the very Expression the batch handed on.
    EXPECT_EQ(t[i]->y_expression, handed[i]);
    EXPECT_EQ(batch[i], nullptr);
  }
  EXPECT_EQ(y_values(t[0]), (Values{-1, 1, 3, 5}));
  EXPECT_EQ(y_values(t[1]), (Values{0, 0.25, 0.5, 0.75}));

  EXPECT_EQ(title_text(graph, 0), "time");
  EXPECT_EQ(title_unit(graph, 0), "sec");
  EXPECT_EQ(graph->title[1].text, "Y Axis Title");
  EXPECT_EQ(data_range(graph, 0).min, 0);
  EXPECT_EQ(data_range(graph, 0).max, 3);
  EXPECT_EQ(data_range(graph, 1).min, -1);
  EXPECT_EQ(data_range(graph, 1).max, 5);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(NewPlotTest, SharedUnitBecomesTheYUnitAndTheAxesAreScaled) {
  load(ramp_plot());
  new_graph();
  ASSERT_TRUE(plot({"'v(a)'", "'v(b)'*2"}).ok);
  EXPECT_EQ(graph->title[1].text, "Y Axis Title  [V]");
  EXPECT_EQ(common_y_unit(graph), "V");
  // -1 .. 18: automatic scaling from the data range.
  EXPECT_EQ(data_range(graph, 1).min, -1);
  EXPECT_EQ(data_range(graph, 1).max, 18);
  DisplayRange y = display_range(graph, 1);
  EXPECT_DOUBLE_EQ(y.min, -5);
  EXPECT_DOUBLE_EQ(y.max, 20);
  EXPECT_DOUBLE_EQ(y.increment, 5);
}

TEST_F(NewPlotTest, StatusBarShowsEvaluatingThenTheDataFileAgain) {
  load(ramp_plot());
  new_graph();
  ui.status_code = 0;
  ASSERT_TRUE(plot({"'v(a)'"}).ok);
  EXPECT_EQ(ui.statuses, (Texts{"Evaluating Trace Data, Please Wait...", "Data File: " + path}));
  EXPECT_EQ(ui.status_code, 0);
}

// The second of three fails: the first stays, with its title, ranges and units; the failed
// one and the one after it stay with the caller; the status bar comes back.
TEST_F(NewPlotTest, FailureMidBatchKeepsTheTracesBeforeIt) {
  load(ramp_plot());
  new_graph();
  ui.status_code = 0;
  BatchOutcome outcome = plot({"'v(b)'", "1/'time'", "'v(a)'"});
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.traces_added, 1);
  EXPECT_EQ(message_texts(), (Texts{"Divide by zero"}));
  ASSERT_EQ(traces().size(), 1u);
  EXPECT_EQ(traces()[0]->legend.text, "'v(b)'");
  EXPECT_EQ(title, "'v(b)' ");
  EXPECT_EQ(batch[1].get(), handed[1]);
  EXPECT_EQ(batch[2].get(), handed[2]);
  // Only the trace that exists counts for the axes.
  EXPECT_EQ(data_range(graph, 1).min, 0);
  EXPECT_EQ(data_range(graph, 1).max, 9);
  EXPECT_EQ(graph->title[1].text, "Y Axis Title  [V]");
  EXPECT_EQ(ui.statuses.back(), "Data File: " + path);
}

TEST_F(NewPlotTest, FailureOfTheFirstLeavesAnEmptyGraph) {
  load(ramp_plot());
  new_graph();
  BatchOutcome outcome = plot({"log10('v(a)')", "'v(b)'"});
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.traces_added, 0);
  EXPECT_EQ(message_texts(),
            (Texts{"Negativ or zero argument not allowed for logarithmic functions"}));
  EXPECT_TRUE(traces().empty());
  EXPECT_EQ(title, "");
  EXPECT_EQ(data_range(graph, 1).min, 0);
  EXPECT_EQ(data_range(graph, 1).max, 0);
}

// A silent failure (sqrt of a negative value) stops the batch just the same.
TEST_F(NewPlotTest, SilentFailureStopsTheBatch) {
  load(ramp_plot());
  new_graph();
  BatchOutcome outcome = plot({"'v(b)'", "sqrt('v(a)')", "'v(b)'"});
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.traces_added, 1);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(NewPlotTest, NonNumbersBecomeZeroAndTheWarningsFollowTheBatch) {
  double nan = std::numeric_limits<double>::quiet_NaN();
  double inf = std::numeric_limits<double>::infinity();
  load(real_plot({{"time", kTime}, {"v(x)", kVoltage}}, {0, 1, 1, nan, 2, inf, 3, 4}));
  new_graph();
  ASSERT_TRUE(plot({"'v(x)'"}).ok);
  EXPECT_EQ(y_values(traces()[0]), (Values{1, 0, 0, 4}));
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0].text,
            "Warning: One or more non-numbers detected in data file. Values set to zero");
  EXPECT_EQ(ui.messages[1].text,
            "Warning: One or more infinite numbers detected in data file. Values set to zero");
  for (const ShownMessage &m : ui.messages) {
    EXPECT_EQ(m.flags, kMbIconExclamation);
    EXPECT_EQ(m.owner, owner);
    EXPECT_EQ(m.caption, "Ulmo-Postprocessor");
  }
}

// A complex run lets an overflow through: the infinite values stay in the trace but not in
// the range, which would otherwise leave no axis to draw.
TEST_F(NewPlotTest, InfinitiesStayOutOfTheRunningRange) {
  SamplePlot ac = real_plot({{"frequency", kFrequency}, {"v(x)", kVoltage}}, {1, 1, 2, 800, 3, 2});
  ac.number_type = 8;
  ac.imag = {0, 0, 0, 0, 0, 0};
  load(ac);
  new_graph();
  ASSERT_TRUE(plot({"exp('v(x)')"}).ok);
  EXPECT_TRUE(std::isinf(traces()[0]->y_values[1]));
  EXPECT_EQ(data_range(graph, 1).min, std::exp(1.0));
  EXPECT_EQ(data_range(graph, 1).max, std::exp(2.0));
}

TEST_F(NewPlotTest, TheWindowTitleIsReadUpTo511Characters) {
  load(ramp_plot());
  new_graph();
  title = std::string(600, 'w');
  ASSERT_TRUE(plot({"'v(a)'"}).ok);
  EXPECT_EQ(title, std::string(511, 'w') + "'v(a)' ");
}

// An overlay of current onto a graph in V empties the unit; the ranges start from the graph's.
TEST_F(NewPlotTest, OverlayOfAnotherUnitEmptiesTheYUnitAndWidensTheRanges) {
  load(ramp_plot());
  new_graph();
  ASSERT_TRUE(plot({"'v(a)'"}).ok);
  ASSERT_EQ(graph->title[1].text, "Y Axis Title  [V]");
  title.clear();
  ASSERT_TRUE(plot({"'i(c)'*100"}, true).ok);
  EXPECT_EQ(title, "'i(c)'*100 ");
  EXPECT_EQ(traces().size(), 2u);
  EXPECT_EQ(graph->title[1].text, "Y Axis Title");
  EXPECT_EQ(data_range(graph, 1).min, -1);
  EXPECT_EQ(data_range(graph, 1).max, 75);
}

TEST_F(NewPlotTest, OverlayOfTheSameUnitKeepsItAndTheWiderOldRange) {
  load(ramp_plot());
  new_graph();
  ASSERT_TRUE(plot({"'v(b)'"}).ok);
  ASSERT_TRUE(plot({"'v(a)'/10"}, true).ok);
  EXPECT_EQ(graph->title[1].text, "Y Axis Title  [V]");
  EXPECT_EQ(data_range(graph, 1).min, -0.1);
  EXPECT_EQ(data_range(graph, 1).max, 9);
  EXPECT_EQ(data_range(graph, 0).min, 0);
  EXPECT_EQ(data_range(graph, 0).max, 3);
}

// Once emptied the unit stays empty, even when the traces come to share one again.
TEST_F(NewPlotTest, OverlayNeverBringsAnEmptiedUnitBack) {
  load(ramp_plot());
  new_graph();
  ASSERT_TRUE(plot({"'v(b)'"}).ok);
  set_title_unit(graph, 1, "");
  ASSERT_TRUE(plot({"'v(a)'"}, true).ok);
  EXPECT_EQ(graph->title[1].text, "Y Axis Title");
}

// Traces from another plot: each records the plot it came from.
TEST_F(NewPlotTest, TracesRecordTheCurrentPlot) {
  load({ramp_plot(), ramp_plot(1.0)});
  ASSERT_TRUE(select_plot(0, false));
  new_graph();
  ASSERT_TRUE(plot({"'v(a)'"}).ok);
  ASSERT_TRUE(select_plot(1, false));
  ASSERT_TRUE(plot({"'v(a)'"}, true).ok);
  std::vector<Trace *> t = traces();
  EXPECT_EQ(t[0]->plot_index, 0);
  EXPECT_EQ(t[1]->plot_index, 1);
  EXPECT_EQ(y_values(t[1]), (Values{0, 2, 4, 6}));
}

TEST_F(NewPlotTest, CommonYUnitSkipsTracesWithoutAYExpression) {
  load(ramp_plot());
  new_graph();
  EXPECT_EQ(common_y_unit(graph), "");
  ASSERT_TRUE(plot({"'v(a)'", "'v(b)'"}).ok);
  traces()[0]->y_expression = nullptr;   // as experimental data has none
  free_expression(handed[0]);
  EXPECT_EQ(common_y_unit(graph), "V");
}

}  // namespace
