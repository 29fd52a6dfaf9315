// The X-Axis Expression over the traces of a graph, including traces of another plot.
#include <gtest/gtest.h>

#include "data/plot_model.h"
#include "fixture.h"
#include "graph/axis.h"
#include "traces/new_plot.h"
#include "traces/x_axis.h"

namespace {

using Values = std::vector<double>;

class XAxisTest : public TracesTest {
 protected:
  void plot(const std::vector<std::string> &texts) {
    std::vector<ExpressionPtr> batch = expressions(texts);
    std::string title;
    ASSERT_TRUE(graph ? overlay_plot(graph, title, batch, texts, preferences).ok
                      : new_plot(new_graph(), title, batch, texts, preferences).ok);
  }
  ExpressionPtr x(const char *text) { return std::move(expressions({text})[0]); }
};

TEST_F(XAxisTest, ReplacesEveryTracesXValuesAndTheAxisTitle) {
  load(ramp_plot());
  plot({"'v(a)'", "'i(c)'"});
  ASSERT_TRUE(apply_x_axis_expression(graph, x("'tt'*2")));
  for (Trace *t : traces()) {
    EXPECT_EQ(x_values(t), (Values{0, 20, 40, 60}));
    EXPECT_EQ(expression_text(t->x_expression), "'tt'*2");
    EXPECT_EQ(expression_unit_symbol(t->x_expression), "sec");
    EXPECT_EQ(t->drawn_point_count, 4);
  }
  EXPECT_EQ(graph->title[0].text, "'tt'*2  [sec]");
  EXPECT_EQ(data_range(graph, 0).min, 0);
  EXPECT_EQ(data_range(graph, 0).max, 60);
  // Each trace holds a copy of its own.
  EXPECT_NE(traces()[0]->x_expression, traces()[1]->x_expression);
  EXPECT_NE(traces()[0]->x_values, traces()[1]->x_values);
}

TEST_F(XAxisTest, AUnitlessExpressionShowsTheBlankSymbol) {
  load(ramp_plot());
  plot({"'v(a)'"});
  ASSERT_TRUE(apply_x_axis_expression(graph, x("'v(a)'+'tt'")));
  EXPECT_EQ(graph->title[0].text, "'v(a)'+'tt'  [ ]");
  EXPECT_EQ(x_values(traces()[0]), (Values{-1, 11, 23, 35}));
}

// Traces of an earlier plot with more points and with fewer: every one gets the current
// plot's values, its arrays keep its own length, and only the points with an x value of
// their own are drawn.
TEST_F(XAxisTest, TracesOfAnotherPlotKeepTheirLengthAndDrawWhatHasAnXValue) {
  SamplePlot three = real_plot({{"time", kTime}, {"v(a)", kVoltage}}, {0, 5, 1, 6, 2, 7});
  SamplePlot six = real_plot({{"time", kTime}, {"v(a)", kVoltage}},
                             {0, 1, 1, 1, 2, 1, 3, 1, 4, 1, 5, 1});
  load({three, six, ramp_plot()});
  ASSERT_TRUE(select_plot(0, false));
  plot({"'v(a)'"});
  ASSERT_TRUE(select_plot(1, false));
  plot({"'v(a)'"});
  ASSERT_TRUE(select_plot(2, false));
  ASSERT_TRUE(apply_x_axis_expression(graph, x("'tt'")));

  std::vector<Trace *> t = traces();
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t[0]->point_count, 3);
  EXPECT_EQ(x_values(t[0]), (Values{0, 10, 20}));
  EXPECT_EQ(y_values(t[0]), (Values{5, 6, 7}));
  EXPECT_EQ(t[0]->drawn_point_count, 3);
  EXPECT_EQ(t[1]->point_count, 6);
  EXPECT_EQ(x_values(t[1]), (Values{0, 10, 20, 30, 30, 30}));
  EXPECT_EQ(t[1]->drawn_point_count, 4);
  EXPECT_EQ(t[0]->plot_index, 0);
  EXPECT_EQ(t[1]->plot_index, 1);
  EXPECT_EQ(data_range(graph, 0).max, 30);
}

TEST_F(XAxisTest, AFailedRunChangesNothing) {
  load(ramp_plot());
  plot({"'v(a)'"});
  Trace *t = traces()[0];
  double *before = t->x_values;
  Expression *x_before = t->x_expression;
  std::string title_before = graph->title[0].text;
  EXPECT_FALSE(apply_x_axis_expression(graph, x("1/'time'")));
  EXPECT_EQ(message_texts(), (std::vector<std::string>{"Divide by zero"}));
  EXPECT_EQ(t->x_values, before);
  EXPECT_EQ(t->x_expression, x_before);
  EXPECT_EQ(x_values(t), (Values{0, 1, 2, 3}));
  EXPECT_EQ(graph->title[0].text, title_before);
  EXPECT_EQ(data_range(graph, 0).max, 3);
}

}  // namespace
