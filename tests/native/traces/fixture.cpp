#include "fixture.h"

#include <unistd.h>

#include <cstdio>

#include "data/load.h"
#include "data/plot_list.h"
#include "expr/evaluate.h"
#include "graph/resources.h"
#include "traces/plot_graph.h"

SamplePlot real_plot(const std::vector<SampleVariable> &variables,
                     const std::vector<double> &values) {
  SamplePlot p;
  p.circuit_title = "trace test";
  p.simulation_date = "today";
  p.plot_name = "Transient Analysis";
  p.number_type = 4;
  p.plot_kind = 1;
  p.variables = variables;
  p.point_count = static_cast<int32_t>(values.size() / variables.size());
  p.real = values;
  return p;
}

SamplePlot ramp_plot(double offset) {
  std::vector<double> rows;
  for (double t : {0.0, 1.0, 2.0, 3.0}) {
    double row[] = {t, 2 * t - 1 + offset, t * t + offset, t / 4 + offset, 10 * t + offset};
    rows.insert(rows.end(), row, row + 5);
  }
  return real_plot({{"time", kTime}, {"v(a)", kVoltage}, {"v(b)", kVoltage}, {"i(c)", kCurrent},
                    {"tt", kTime}},
                   rows);
}

void TracesTest::SetUp() {
  clear_evaluation_warnings();
  reset_plot_list();
  create_graph_resources({255, 255, 255}, free_expression);
  const ::testing::TestInfo *test = ::testing::UnitTest::GetInstance()->current_test_info();
  path = ::testing::TempDir() + "traces_" + std::to_string(getpid()) + "_" + test->name() + ".out";
  preferences.x_title_face = preferences.y_title_face = preferences.legend_face = "Arial";
  preferences.x_label_face = preferences.y_label_face = "Arial";
  preferences.x_title_size = preferences.y_title_size = 20;
  preferences.x_label_size = preferences.y_label_size = preferences.legend_size = 18;
  preferences.graph_digits = 1;
  preferences.tic_marks = 3;
}

void TracesTest::TearDown() {
  destroy_graph(graph);
  destroy_graph_resources();
  clear_plot_list();
  remove(path.c_str());
}

void TracesTest::load(const std::vector<SamplePlot> &plots) {
  ASSERT_TRUE(write_result_file(path, plots, kSampleWide));
  ASSERT_TRUE(load_data_file(path.c_str()));
  ui.messages.clear();
  ui.statuses.clear();
}

std::vector<ExpressionPtr> TracesTest::expressions(const std::vector<std::string> &texts) {
  std::vector<ExpressionPtr> out;
  for (const std::string &text : texts) {
    int why = kParseOk;
    out.emplace_back(parse_expression_with_units(text.c_str(), &why));
    EXPECT_NE(out.back(), nullptr) << text << " (" << why << ")";
  }
  return out;
}

Graph *TracesTest::new_graph(int x_base, int y_base) {
  destroy_graph(graph);
  graph = create_plot_graph(owner, x_base, y_base, preferences);
  EXPECT_NE(graph, nullptr);
  return graph;
}

std::vector<Trace *> TracesTest::traces() const {
  std::vector<Trace *> out;
  for (Trace *t = graph->head->next; t; t = t->next) out.push_back(t);
  return out;
}

std::vector<double> TracesTest::x_values(const Trace *t) {
  return std::vector<double>(t->x_values, t->x_values + t->point_count);
}

std::vector<double> TracesTest::y_values(const Trace *t) {
  return std::vector<double>(t->y_values, t->y_values + t->point_count);
}

std::vector<std::string> TracesTest::message_texts() const {
  std::vector<std::string> out;
  for (const ShownMessage &m : ui.messages) out.push_back(m.text);
  return out;
}
