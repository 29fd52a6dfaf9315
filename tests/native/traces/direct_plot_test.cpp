// Direct plots, as the simulator's link asks for them, over the bundled AC and transient
// samples.
#include <gtest/gtest.h>

#include <cmath>

#include "circuits.h"
#include "data/plot_model.h"
#include "fixture.h"
#include "graph/axis.h"
#include "revisions.h"
#include "traces/direct_plot.h"
#include "traces/plot_graph.h"

namespace {

using Texts = std::vector<std::string>;
using Values = std::vector<double>;

const double kPi = 3.141592653589793;

class DirectPlotTest : public TracesTest {
 protected:
  int plot(const std::vector<int> &indices, const std::string &function, bool log_x = false,
           bool log_y = false, size_t start = 0, size_t count = 1000) {
    new_graph(log_x ? 10 : 1, log_y ? 10 : 1);
    return direct_plot(graph, title, indices, start, count, function, preferences);
  }

  // Variable v of the sample at every point, through f(re, im).
  template <typename F>
  static Values expected(const SamplePlot &p, size_t v, F f) {
    Values out;
    size_t width = p.variables.size();
    for (size_t i = 0; i < static_cast<size_t>(p.point_count); i++)
      out.push_back(f(p.real[i * width + v], p.imag.empty() ? 0.0 : p.imag[i * width + v]));
    return out;
  }

  std::string title = "stale";
};

TEST(DirectLegend, FunctionAndQuotes) {
  EXPECT_EQ(direct_legend("db", "v(out)"), "db('v(out)')");
  EXPECT_EQ(direct_legend("", "v(out)"), "'v(out)'");
  EXPECT_EQ(direct_legend("phase", "i(vin)"), "phase('i(vin)')");
}

// db of variable 2 of an AC plot: legend db('v(out)'), unit dB, and a zero magnitude at the
// machine-epsilon floor rather than an error.
TEST_F(DirectPlotTest, DbOfAnAcVariableWithItsEpsilonFloor) {
  SamplePlot ac = with_value(filter_ac_sweep(), 5, 2, 0.0, 0.0);
  load(ac);
  EXPECT_EQ(plot({2}, "db"), 1);
  EXPECT_EQ(title, "db('v(out)')");
  ASSERT_EQ(traces().size(), 1u);
  Trace *t = traces()[0];
  EXPECT_EQ(t->legend.text, "db('v(out)')");
  EXPECT_EQ(t->point_count, 101);
  EXPECT_EQ(t->plot_index, 0);
  EXPECT_EQ(t->kind, 0);
  Values db = expected(ac, 2, [](double re, double im) {
    return 20.0 * std::log10(std::sqrt(re * re + im * im));
  });
  db[5] = 20.0 * std::log10(2.220446049250313e-16);
  EXPECT_EQ(y_values(t), db);
  EXPECT_NEAR(t->y_values[5], -313.0712, 1e-4);
  EXPECT_NEAR(t->y_values[40], -3.0103, 1e-3);   // 1 kHz, the corner
  EXPECT_EQ(x_values(t), expected(ac, 0, [](double re, double) { return re; }));

  EXPECT_EQ(graph->title[0].text, "frequency  [Hz]");
  EXPECT_EQ(graph->title[1].text, "Y Axis Title  [dB]");
  EXPECT_EQ(expression_text(t->x_expression), "frequency");
  ASSERT_NE(t->y_expression, nullptr);
  EXPECT_EQ(expression_text(t->y_expression), "db('v(out)')");
  EXPECT_EQ(expression_unit_symbol(t->y_expression), "dB");
  EXPECT_EQ(data_range(graph, 0).min, 10);
  EXPECT_EQ(data_range(graph, 0).max, ac.real[100 * 4]);
  EXPECT_EQ(data_range(graph, 1).min, db[5]);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DirectPlotTest, WithoutAFunctionTheRealPartsInOneWindow) {
  SamplePlot ac = filter_ac_sweep();
  load(ac);
  EXPECT_EQ(plot({1, 2}, ""), 2);
  EXPECT_EQ(title, "'v(in)' 'v(out)'");
  std::vector<Trace *> t = traces();
  EXPECT_EQ(t[0]->legend.text, "'v(in)'");
  EXPECT_EQ(y_values(t[1]), expected(ac, 2, [](double re, double) { return re; }));
  EXPECT_EQ(graph->title[1].text, "Y Axis Title  [V]");
  EXPECT_EQ(expression_unit_symbol(t[1]->y_expression), "V");
}

TEST_F(DirectPlotTest, MagnitudeAndPhase) {
  SamplePlot ac = filter_ac_sweep();
  load(ac);
  plot({2}, "mag");
  EXPECT_EQ(y_values(traces()[0]),
            expected(ac, 2, [](double re, double im) { return std::sqrt(re * re + im * im); }));
  EXPECT_EQ(graph->title[1].text, "Y Axis Title  [V]");

  plot({3}, "phase");
  EXPECT_EQ(title, "phase('i(vin)')");
  EXPECT_EQ(y_values(traces()[0]),
            expected(ac, 3, [](double re, double im) { return std::atan2(im, re) * 180.0 / kPi; }));
  EXPECT_EQ(graph->title[1].text, "Y Axis Title  [Deg]");
  EXPECT_EQ(expression_unit_symbol(traces()[0]->y_expression), "Deg");
}

// A group of the link: a run of the indices; the y unit is the last variable's.
TEST_F(DirectPlotTest, AGroupTakesItsRunOfIndices) {
  load(filter_ac_sweep());
  EXPECT_EQ(plot({1, 2, 3}, "mag", false, false, 1, 2), 2);
  EXPECT_EQ(title, "mag('v(out)') mag('i(vin)')");
  EXPECT_EQ(graph->title[1].text, "Y Axis Title  [A]");
  EXPECT_EQ(plot({1, 2, 3}, "", false, false, 2, 5), 1);
  EXPECT_EQ(title, "'i(vin)'");
  EXPECT_EQ(plot({1, 2, 3}, "", false, false, 7, 1), 0);
  EXPECT_EQ(title, "");
}

// Indices come from another program: those that name no variable are left out.
TEST_F(DirectPlotTest, IndicesThatNameNoVariableAreSkipped) {
  load(filter_ac_sweep());
  EXPECT_EQ(plot({99, 2, -1, 4}, "db"), 1);
  EXPECT_EQ(title, "db('v(out)')");
  EXPECT_EQ(traces().size(), 1u);
}

TEST_F(DirectPlotTest, LogarithmicAxesAsAskedAndLinearWhereTheDataForbid) {
  load(filter_ac_sweep());
  plot({2}, "mag", true, true);
  EXPECT_EQ(axis_base(graph, 0), 10);
  EXPECT_EQ(axis_base(graph, 1), 10);
  EXPECT_EQ(display_range(graph, 0).min, 10);
  EXPECT_EQ(display_range(graph, 0).max, 1e6);
  EXPECT_TRUE(ui.messages.empty());

  plot({2}, "db", false, true);
  EXPECT_EQ(message_texts(), (Texts{"Negative or zero data not allowed in logaritmic plots"}));
  EXPECT_EQ(axis_base(graph, 1), 1);
  // Scaled linearly to the data all the same: -60 dB at 1 MHz, 0 dB below the corner.
  EXPECT_EQ(display_range(graph, 1).max, 0);
  EXPECT_LE(display_range(graph, 1).min, -60);
  EXPECT_GE(display_range(graph, 1).min, -80);
}

// In a real plot the imaginary part is 0: db of a transient voltage is 20 log10 |v|.
TEST_F(DirectPlotTest, RealPlotDb) {
  SamplePlot tran = filter_transient(11);
  load(tran);
  plot({1}, "db");
  Values db = expected(tran, 1, [](double re, double) {
    return 20.0 * std::log10(std::fabs(re) > 0 ? std::fabs(re) : 2.220446049250313e-16);
  });
  EXPECT_EQ(y_values(traces()[0]), db);
  EXPECT_EQ(graph->title[0].text, "time  [sec]");
}

// The trace records the plot it was made from, the one the user chose after the link.
TEST_F(DirectPlotTest, TheTraceRecordsTheCurrentPlot) {
  load({divider_operating_point(), filter_transient(11), filter_ac_sweep()});
  ASSERT_TRUE(select_plot(1, false));
  plot({2}, "");
  EXPECT_EQ(traces()[0]->plot_index, 1);
  EXPECT_EQ(traces()[0]->point_count, 11);
}

// A function the expression language does not know: the values of mode 3 (phase), the
// variable's unit, and no y expression.
TEST_F(DirectPlotTest, AnUnknownFunctionGivesPhaseValuesWithoutAnExpression) {
  SamplePlot ac = filter_ac_sweep();
  load(ac);
  plot({2}, "foo");
  Trace *t = traces()[0];
  EXPECT_EQ(t->legend.text, "foo('v(out)')");
  EXPECT_EQ(t->y_expression, nullptr);
  EXPECT_EQ(y_values(t),
            expected(ac, 2, [](double re, double im) { return std::atan2(im, re) * 180.0 / kPi; }));
  EXPECT_EQ(graph->title[1].text, "Y Axis Title  [V]");
}

}  // namespace
