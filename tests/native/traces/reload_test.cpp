// Reload: the traces of a graph computed again from the rewritten result file, with the
// messages about plots and variables that are gone.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "circuits.h"
#include "data/plot_list.h"
#include "data/plot_model.h"
#include "fixture.h"
#include "graph/axis.h"
#include "revisions.h"
#include "traces/direct_plot.h"
#include "traces/new_plot.h"
#include "traces/reload.h"
#include "traces/x_axis.h"

namespace {

using Texts = std::vector<std::string>;
using Values = std::vector<double>;

class ReloadTest : public TracesTest {
 protected:
  void plot(const Texts &texts) {
    std::vector<ExpressionPtr> batch = expressions(texts);
    std::string title;
    ASSERT_TRUE(graph ? overlay_plot(graph, title, batch, texts, preferences).ok
                      : new_plot(new_graph(), title, batch, texts, preferences).ok);
  }

  // Reload as the frame does it: the file read again, then this graph recomputed.
  void reload(const std::vector<SamplePlot> &plots) {
    load(plots);
    recompute_graph(graph, [this] {
      choices++;
      if (chosen >= 0) select_plot(chosen, true);
    });
  }
  void reload(const SamplePlot &plot) { reload(std::vector<SamplePlot>{plot}); }

  int choices = 0;
  int chosen = -1;   // the plot the user picks in the dialog
};

TEST_F(ReloadTest, NewValuesNewPointCountAndRanges) {
  load(ramp_plot());
  plot({"'v(a)'", "'i(c)'*4"});
  traces()[0]->drawn_point_count = 2;
  reload(real_plot({{"time", kTime}, {"v(a)", kVoltage}, {"v(b)", kVoltage}, {"i(c)", kCurrent}},
                   {0, 1, 0, 0, 1, 2, 0, 1, 2, 3, 0, 2, 3, 4, 0, 3, 4, 5, 0, 4}));
  EXPECT_TRUE(ui.messages.empty());
  std::vector<Trace *> t = traces();
  EXPECT_EQ(t[0]->point_count, 5);
  EXPECT_EQ(t[0]->drawn_point_count, 5);
  EXPECT_EQ(x_values(t[0]), (Values{0, 1, 2, 3, 4}));
  EXPECT_EQ(y_values(t[0]), (Values{1, 2, 3, 4, 5}));
  EXPECT_EQ(y_values(t[1]), (Values{0, 4, 8, 12, 16}));
  EXPECT_EQ(data_range(graph, 0).max, 4);
  EXPECT_EQ(data_range(graph, 1).min, 0);
  EXPECT_EQ(data_range(graph, 1).max, 16);
  EXPECT_EQ(graph->title[1].text, "Y Axis Title");
  EXPECT_EQ(choices, 0);
}

// v(b) is gone: its trace is told about and kept, the others follow their variables to
// their new indices.
TEST_F(ReloadTest, AVanishedVariableLeavesOnlyItsTracesAsTheyWere) {
  load(ramp_plot());
  plot({"'v(a)'", "'v(b)'*2", "'i(c)'", "'v(b)'+'v(a)'"});
  reload(with_scaled_values(without_variable(ramp_plot(), 2), 2));
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0].text,
            "One or more variables does not exist in the reloaded file. Trace 'v(b)'*2 will not "
            "be updated.");
  EXPECT_EQ(ui.messages[1].text,
            "One or more variables does not exist in the reloaded file. Trace 'v(b)'+'v(a)' will "
            "not be updated.");
  EXPECT_EQ(ui.messages[0].flags, kMbOk);
  EXPECT_EQ(ui.messages[0].owner, owner);
  EXPECT_EQ(ui.messages[0].caption, "Ulmo-Postprocessor");

  std::vector<Trace *> t = traces();
  EXPECT_EQ(y_values(t[0]), (Values{-2, 2, 6, 10}));
  EXPECT_EQ(y_values(t[1]), (Values{0, 2, 8, 18}));
  EXPECT_EQ(y_values(t[2]), (Values{0, 0.5, 1, 1.5}));
  EXPECT_EQ(y_values(t[3]), (Values{-1, 2, 7, 14}));
  // Every trace drawn counts, updated or not.
  EXPECT_EQ(data_range(graph, 1).min, -2);
  EXPECT_EQ(data_range(graph, 1).max, 18);
}

// A graph of plot 3 after the file shrank to two plots: 1601, then the plot selection; the
// trace takes the plot chosen there.
TEST_F(ReloadTest, PlotGoneFromATwoPlotFileAsksWhichPlotToUse) {
  load({ramp_plot(), ramp_plot(1), ramp_plot(2), ramp_plot(3)});
  plot({"'v(a)'"});
  ASSERT_EQ(traces()[0]->plot_index, 3);
  chosen = 0;
  reload({ramp_plot(10), ramp_plot(20)});
  EXPECT_EQ(message_texts(),
            (Texts{"Plot number 3 referenced by trace labeled 'v(a)' does not exist in the "
                   "reloaded data file. Please select which plot to use in the following dialog "
                   "box."}));
  EXPECT_EQ(ui.messages[0].flags, kMbIconExclamation);
  EXPECT_EQ(ui.messages[0].owner, owner);
  EXPECT_EQ(choices, 1);
  EXPECT_EQ(traces()[0]->plot_index, 0);
  EXPECT_EQ(y_values(traces()[0]), (Values{9, 11, 13, 15}));
}

// Cancelled selection: the plot current after the dialog is the one used.
TEST_F(ReloadTest, CancelledSelectionUsesTheCurrentPlot) {
  load({ramp_plot(), ramp_plot(1), ramp_plot(2), ramp_plot(3)});
  plot({"'v(a)'"});
  reload({ramp_plot(10), ramp_plot(20)});
  EXPECT_EQ(choices, 1);
  EXPECT_EQ(traces()[0]->plot_index, 1);
  EXPECT_EQ(y_values(traces()[0]), (Values{19, 21, 23, 25}));
}

TEST_F(ReloadTest, PlotGoneFromAOnePlotFileUsesPlotZero) {
  load({ramp_plot(), ramp_plot(1), ramp_plot(2), ramp_plot(3)});
  plot({"'v(a)'*2"});
  reload(ramp_plot(5));
  EXPECT_EQ(message_texts(),
            (Texts{"Plot number 3 referenced by trace labeled 'v(a)'*2 does not exist in the "
                   "reloaded data file. The current plot will be used."}));
  EXPECT_EQ(ui.messages[0].flags, kMbIconExclamation);
  EXPECT_EQ(choices, 0);
  EXPECT_EQ(traces()[0]->plot_index, 0);
  EXPECT_EQ(y_values(traces()[0]), (Values{8, 12, 16, 20}));
}

// Each trace is computed from its own plot, whichever is current.
TEST_F(ReloadTest, EachTraceFromItsOwnPlot) {
  load({ramp_plot(), ramp_plot(1)});
  select_plot(0, false);
  plot({"'v(a)'"});
  select_plot(1, false);
  plot({"'v(a)'"});
  reload({ramp_plot(100), ramp_plot(200)});
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(y_values(traces()[0]), (Values{99, 101, 103, 105}));
  EXPECT_EQ(y_values(traces()[1]), (Values{199, 201, 203, 205}));
  EXPECT_EQ(data_range(graph, 1).min, 99);
  EXPECT_EQ(data_range(graph, 1).max, 205);
}

TEST_F(ReloadTest, AFailedRunKeepsTheTraceAndTheOthersGoOn) {
  load(ramp_plot(1));
  plot({"1/'v(b)'", "'v(a)'"});
  reload(ramp_plot());
  EXPECT_EQ(message_texts(), (Texts{"Divide by zero"}));
  EXPECT_EQ(y_values(traces()[0]), (Values{1, 0.5, 0.2, 0.1}));
  EXPECT_EQ(y_values(traces()[1]), (Values{-1, 1, 3, 5}));
}

// Traces that come from no plot (experimental data, spectra) are not recomputed, but the axes
// still cover them.
TEST_F(ReloadTest, TracesOfNoPlotStayAndCount) {
  load(ramp_plot());
  plot({"'v(a)'"});
  double *xs = new double[2]{-5, 0}, *ys = new double[2]{50, 60};
  ASSERT_NE(add_trace(graph, 1, 0, 0, 0, "measured", 2, -1, xs, ys, preferences), nullptr);
  reload(ramp_plot(1));
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(y_values(traces()[0]), (Values{0, 2, 4, 6}));
  EXPECT_EQ(y_values(traces()[1]), (Values{50, 60}));
  EXPECT_EQ(data_range(graph, 0).min, -5);
  EXPECT_EQ(data_range(graph, 1).max, 60);
}

// An x-axis expression follows its variable to its new index, and is told about when the
// variable is gone.
TEST_F(ReloadTest, XExpressionsAreReboundByName) {
  load(ramp_plot());
  plot({"'v(a)'"});
  ASSERT_TRUE(apply_x_axis_expression(graph, std::move(expressions({"'tt'/10"})[0])));
  reload(without_variable(ramp_plot(), 2));
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(x_values(traces()[0]), (Values{0, 1, 2, 3}));

  reload(without_variable(ramp_plot(), 4));
  EXPECT_EQ(message_texts(),
            (Texts{"One or more variables does not exist in the reloaded file. Trace 'v(a)' will "
                   "not be updated."}));
}

// Values at 1.7976931348623158e307 and beyond do not count as a range: the axis keeps its own.
TEST_F(ReloadTest, ARangeBeyondTheHeldLimitLeavesTheAxis) {
  load(ramp_plot());
  plot({"'v(a)'"});
  SamplePlot huge = ramp_plot();
  for (size_t point = 0; point < 4; point++) huge = with_value(huge, point, 1, 2e307);
  reload(huge);
  EXPECT_EQ(y_values(traces()[0]), (Values{2e307, 2e307, 2e307, 2e307}));
  EXPECT_EQ(data_range(graph, 1).min, -1);
  EXPECT_EQ(data_range(graph, 1).max, 5);
  EXPECT_EQ(data_range(graph, 0).max, 3);

  SamplePlot edge = with_value(huge, 0, 1, 1.7e307);
  reload(edge);
  EXPECT_EQ(data_range(graph, 1).min, 1.7e307);
  EXPECT_EQ(data_range(graph, 1).max, 2e307);
}

TEST_F(ReloadTest, WarningsFollowTheReload) {
  load(ramp_plot());
  plot({"'v(a)'"});
  reload(with_value(ramp_plot(), 2, 1, std::numeric_limits<double>::quiet_NaN()));
  EXPECT_EQ(message_texts(),
            (Texts{"Warning: One or more non-numbers detected in data file. Values set to zero"}));
  EXPECT_EQ(ui.messages[0].owner, owner);
  EXPECT_EQ(y_values(traces()[0]), (Values{-1, 1, 0, 5}));
}

// A direct plot's trace reads its legend back as its expression, with the unit its axis
// shows, so a reload gives what the link gave and keeps "dB".
TEST_F(ReloadTest, DirectPlotsKeepTheirValuesAndUnit) {
  SamplePlot ac = filter_ac_sweep();
  load(ac);
  new_graph();
  std::string title;
  ASSERT_EQ(direct_plot(graph, title, {2}, 0, 1, "db", preferences), 1);
  Values before = y_values(traces()[0]);
  reload(with_scaled_values(ac, 10));
  EXPECT_TRUE(ui.messages.empty());
  Values after = y_values(traces()[0]);
  ASSERT_EQ(after.size(), before.size());
  for (size_t i = 0; i < after.size(); i++) EXPECT_NEAR(after[i], before[i] + 20, 1e-9) << i;
  EXPECT_EQ(graph->title[1].text, "Y Axis Title  [dB]");
}

TEST_F(ReloadTest, AnEmptyFileRecomputesNothing) {
  load(ramp_plot());
  plot({"'v(a)'"});
  clear_plot_list();
  reset_plot_list();
  recompute_graph(graph, [this] { choices++; });
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(choices, 0);
  EXPECT_EQ(y_values(traces()[0]), (Values{-1, 1, 3, 5}));
}

}  // namespace
