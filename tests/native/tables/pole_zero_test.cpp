#include "tables/pole_zero.h"

#include "circuits.h"
#include "data/plot_model.h"
#include "graph/resources.h"
#include "tables_fixture.h"

namespace {

SamplePlot roots_plot(const std::vector<std::string> &names, const std::vector<double> &re,
                      const std::vector<double> &im) {
  SamplePlot p;
  p.circuit_title = "Second-order section";
  p.simulation_date = "Tue Dec  8 10:17:00 2026";
  p.plot_name = "Pole-Zero Analysis";
  p.number_type = 8;
  p.analysis_code = 6;
  p.plot_kind = 2;
  for (const std::string &n : names) p.variables.push_back({n, 3});
  p.point_count = 1;
  p.real = re;
  p.imag = im;
  return p;
}

}  // namespace

TEST_F(TablesTest, RootsSplitByTheThirdNameCharacter) {
  const struct {
    const char *name;
    std::vector<std::string> roots;
    std::vector<std::pair<std::string, int>> groups;   // name, symbol
    std::vector<size_t> sizes;
  } cases[] = {
      {"poles then zeros", {"r(p1)", "r(p2)", "r(z1)"}, {{"Poles", 8}, {"Zeros", 1}}, {2, 1}},
      {"poles only", {"r(p1)", "r(p2)"}, {{"Poles", 8}}, {2}},
      {"zeros first", {"r(z1)", "r(z2)", "r(p1)"}, {{"Zeros", 1}, {"Zeros", 1}}, {2, 1}},
      {"only the leading run", {"r(p1)", "r(z1)", "r(p2)"}, {{"Poles", 8}, {"Zeros", 1}}, {1, 2}},
      {"short names", {"p", "q"}, {{"Zeros", 1}}, {2}},
  };
  for (const auto &c : cases) {
    std::vector<double> re, im;
    for (size_t i = 0; i < c.roots.size(); i++) {
      re.push_back(-100.0 * (i + 1));
      im.push_back(10.0 * i);
    }
    load({roots_plot(c.roots, re, im)});
    PoleZeroLayout layout;
    ASSERT_TRUE(pole_zero_layout(layout)) << c.name;
    ASSERT_EQ(layout.groups.size(), c.groups.size()) << c.name;
    for (size_t g = 0; g < c.groups.size(); g++) {
      EXPECT_EQ(layout.groups[g].name, c.groups[g].first) << c.name;
      EXPECT_EQ(layout.groups[g].symbol, c.groups[g].second) << c.name;
      EXPECT_EQ(layout.groups[g].x.size(), c.sizes[g]) << c.name;
    }
    clear_plot_list();
  }
}

TEST_F(TablesTest, PoleZeroGraphOfTheSample) {
  load({section_pole_zero()});   // poles at -500 +/- j866 Hz, a zero at -2 kHz
  PoleZeroLayout layout;
  ASSERT_TRUE(pole_zero_layout(layout));
  EXPECT_EQ(layout.title, "Second-order section (Pole-Zero Analysis)");
  EXPECT_EQ(layout.plot_index, 0);
  EXPECT_EQ(layout.x_min, -2000.0);
  EXPECT_EQ(layout.x_max, -500.0);
  EXPECT_DOUBLE_EQ(layout.y_min, -866.0254037844386);
  EXPECT_DOUBLE_EQ(layout.y_max, 866.0254037844386);

  create_graph_resources({255, 255, 255}, nullptr);
  GraphPreferences preferences{};
  preferences.x_title_face = preferences.y_title_face = preferences.legend_face = "Arial";
  preferences.x_label_face = preferences.y_label_face = preferences.text_face = "Arial";
  preferences.x_title_size = preferences.y_title_size = preferences.legend_size = 20;
  preferences.x_label_size = preferences.y_label_size = 18;
  preferences.graph_digits = 1;
  preferences.tic_marks = 3;
  int owner = 0;
  Graph *graph = create_pole_zero_graph(&owner, layout, preferences);
  ASSERT_NE(graph, nullptr);
  EXPECT_EQ(graph->title[0].text.find("Frequency"), 0u);
  EXPECT_NE(graph->title[0].text.find("[Hz]"), std::string::npos);
  EXPECT_EQ(graph->axes[0].base, 1);
  EXPECT_EQ(graph->axes[1].base, 1);
  EXPECT_EQ(graph->data_range[0].min, -2000.0);
  EXPECT_DOUBLE_EQ(graph->data_range[1].max, 866.0254037844386);
  EXPECT_LE(graph->axes[0].min * graph->axes[0].scale, -2000.0);
  EXPECT_GE(graph->axes[1].max * graph->axes[1].scale, 866.0);
  const Trace *poles = graph->head->next;
  ASSERT_NE(poles, nullptr);
  const Trace *zeros = poles->next;
  ASSERT_NE(zeros, nullptr);
  EXPECT_EQ(zeros->next, nullptr);
  EXPECT_EQ(poles->legend.text, "Poles");
  EXPECT_EQ(zeros->legend.text, "Zeros");
  for (const Trace *t : {poles, zeros}) {
    EXPECT_EQ(t->kind, 1);
    EXPECT_EQ(t->line_style, 5);
    EXPECT_EQ(t->line_weight, 0);
    EXPECT_EQ(t->plot_index, 0);
  }
  EXPECT_EQ(poles->symbol_index, 8);
  EXPECT_EQ(zeros->symbol_index, 1);
  ASSERT_EQ(poles->point_count, 2);
  EXPECT_EQ(poles->x_values[1], -500.0);
  EXPECT_DOUBLE_EQ(poles->y_values[1], -866.0254037844386);
  EXPECT_EQ(zeros->x_values[0], -2000.0);
  destroy_graph(graph);
  destroy_graph_resources();
}

TEST_F(TablesTest, RootsOfARealPlotLieOnTheRealAxis) {
  SamplePlot real = roots_plot({"r(z1)", "r(z2)"}, {-10.0, 30.0}, {});
  real.number_type = 4;
  load({real});
  PoleZeroLayout layout;
  ASSERT_TRUE(pole_zero_layout(layout));
  ASSERT_EQ(layout.groups.size(), 1u);
  EXPECT_EQ(layout.groups[0].name, "Zeros");
  EXPECT_EQ(layout.groups[0].y, (std::vector<double>{0.0, 0.0}));
  EXPECT_EQ(layout.x_min, -10.0);
  EXPECT_EQ(layout.x_max, 30.0);
}
