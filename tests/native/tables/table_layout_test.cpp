#include "tables/table_layout.h"

#include <map>

#include "data/plot_model.h"
#include "tables_fixture.h"

namespace {

std::map<std::pair<int, int>, std::string> cell_map(const TableLayout &t) {
  std::map<std::pair<int, int>, std::string> m;
  for (const TableCell &c : t.cells) m[{c.row, c.column}] = c.text;
  return m;
}

}  // namespace

TEST(PlotWindowTitle, TheWholeTitleOnlyWhenItFitsIn127Characters) {
  const struct {
    size_t circuit_length;
    bool whole;
  } rows[] = {{110, true}, {111, true}, {112, false}, {0, true}};
  // " (Operating Point)" is 18 characters: 109 + 18 = 127.
  for (const auto &row : rows) {
    std::string circuit(row.circuit_length == 0 ? 0 : row.circuit_length - 2, 'c');
    std::string title = plot_window_title(circuit, "Operating Point");
    EXPECT_EQ(title, row.whole ? circuit + " (Operating Point)" : circuit) << row.circuit_length;
    if (row.whole) {
      EXPECT_LE(title.size(), 127u);
    }
  }
}

TEST_F(TablesTest, ValuesTableOfTheOperatingPoint) {
  load({single_point_plot("Resistive divider from 5 V", "Operating Point",
                          {{"v(1)", 0}, {"v(2)", 0}, {"i(vdd)", 1}, {"p(r1)", 7}}, {5.0, 2.5, -2.5e-3, 6.25e-3})});
  TableLayout t = values_table_layout();
  EXPECT_EQ(t.title, "Resistive divider from 5 V (Operating Point)");
  EXPECT_EQ(t.rows, 32);
  EXPECT_EQ(t.columns, 10);
  EXPECT_EQ(t.plot_index, 0);
  std::map<std::pair<int, int>, std::string> expected = {
      {{1, 1}, "Resistive divider from 5 V"}, {{2, 1}, "Operating Point"},
      {{3, 1}, "Variables in circuit"},       {{3, 2}, "Values"},
      {{4, 1}, "v(1)"},                       {{4, 2}, "5 V"},
      {{5, 1}, "v(2)"},                       {{5, 2}, "2.5 V"},
      {{6, 1}, "i(vdd)"},                     {{6, 2}, "-0.0025 A"},
      {{7, 1}, "p(r1)"},                      {{7, 2}, "0.00625 W"},
  };
  EXPECT_EQ(cell_map(t), expected);
}

TEST_F(TablesTest, FortyVariablesGive72RowsAndTheFirstNameInRow4) {
  std::vector<SampleVariable> variables;
  std::vector<double> values;
  for (int i = 0; i < 40; i++) {
    variables.push_back({"v(n" + std::to_string(i) + ")", 0});
    values.push_back(1.5e-7 * (i + 1));
  }
  SamplePlot transient = single_point_plot("other", "Transient Analysis", {{"time", 2}}, {0.0});
  transient.plot_kind = 1;
  load({single_point_plot("forty nodes", "DC Operating Point", variables, values), transient});
  ASSERT_TRUE(select_plot(0, false));
  TableLayout t = values_table_layout();
  EXPECT_EQ(t.rows, 72);
  EXPECT_EQ(t.columns, 10);
  EXPECT_EQ(t.plot_index, 0);
  auto m = cell_map(t);
  EXPECT_EQ(m[std::make_pair(4, 1)], "v(n0)");
  EXPECT_EQ(m[std::make_pair(4, 2)], "1.5E-007 V");   // %G with its three-digit exponent
  EXPECT_EQ(m[std::make_pair(43, 1)], "v(n39)");
  EXPECT_EQ(m[std::make_pair(43, 2)], "6E-006 V");
  EXPECT_EQ(m.count(std::make_pair(44, 1)), 0u);
}

TEST_F(TablesTest, EveryVariableHasARowOfTheGrid) {
  // Variables fill rows 4 to V + 3: from 30 variables on, 32 rows would cut the last ones off,
  // so the table takes the spare rows of a large one.
  const struct {
    int variables, rows;
  } cases[] = {{1, 32}, {29, 32}, {30, 62}, {32, 64}, {33, 65}};
  for (const auto &c : cases) {
    std::vector<SampleVariable> variables(static_cast<size_t>(c.variables), SampleVariable{"x", 0});
    load({single_point_plot("t", "p", variables, std::vector<double>(static_cast<size_t>(c.variables), 1.0))});
    TableLayout t = values_table_layout();
    EXPECT_EQ(t.rows, c.rows) << c.variables;
    EXPECT_EQ(t.cells.back().row, c.variables + 3) << c.variables;
    EXPECT_LE(t.cells.back().row, t.rows) << c.variables;
    clear_plot_list();
  }
}
