#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "base/ui.h"
#include "data/plot_list.h"
#include "data/plot_model.h"
#include "data/reader.h"
#include "result_writer.h"

namespace {

std::vector<std::pair<int, int>> shown_windows;
void record_window(int index, int kind) { shown_windows.push_back({index, kind}); }

SamplePlot plot_of_kind(int kind, int number_type) {
  SamplePlot p;
  p.circuit_title = "Title " + std::to_string(kind);
  p.simulation_date = "Date";
  p.plot_name = "Plot " + std::to_string(kind);
  p.plot_kind = kind;
  p.number_type = number_type;
  p.analysis_code = kind == 1 ? 4 : 0;
  p.variables = {{"time", 2}, {"v(out)", 0}, {"V(OUT)", 1}, {"x", 99}};
  p.point_count = 3;
  for (int i = 0; i < 12; i++) p.real.push_back(i);
  if (number_type == 8)
    for (int i = 0; i < 12; i++) p.imag.push_back(100 + i);
  return p;
}

class PlotModel : public ::testing::Test {
 protected:
  void SetUp() override {
    clear_plot_list();
    shown_windows.clear();
    ui_hooks().show_plot_window = record_window;
    auto bytes = encode_result_file({plot_of_kind(0, 4), plot_of_kind(1, 4), plot_of_kind(2, 8),
                                     plot_of_kind(1, 8)},
                                    kSampleWide);
    ASSERT_EQ(read_data_bytes(bytes.data(), bytes.size(), "C:\\sim\\amp.out", kLayoutWide), kReadOk);
  }
  void TearDown() override {
    clear_plot_list();
    reset_ui_hooks();
  }
};

TEST_F(PlotModel, CountsAndCurrentIndex) {
  EXPECT_EQ(plot_count(), 4);
  EXPECT_EQ(current_plot_index(), 3);
  EXPECT_TRUE(select_plot(1, false));
  EXPECT_EQ(current_plot_index(), 1);
  EXPECT_FALSE(select_plot(4, false));
  EXPECT_FALSE(select_plot(-1, false));
  EXPECT_EQ(current_plot_index(), 1);
}

TEST_F(PlotModel, QueriesOnTheCurrentPlot) {
  select_plot(2, false);
  EXPECT_EQ(current_file_name(), "C:\\sim\\amp.out");
  EXPECT_EQ(current_plot_text(0), "Title 2");
  EXPECT_EQ(current_plot_text(1), "Plot 2");
  EXPECT_EQ(current_plot_text(2), "Date");
  EXPECT_EQ(current_plot_text(3), "");
  EXPECT_EQ(current_plot_kind(), 2);
  EXPECT_EQ(variable_count(), 4);
  EXPECT_EQ(point_count(), 3);
  EXPECT_FALSE(is_real_plot());
  select_plot(1, false);
  EXPECT_TRUE(is_real_plot());
  EXPECT_EQ(current_analysis_code(), 4);
}

TEST_F(PlotModel, FindVariableIgnoresCaseAndTheFirstWins) {
  EXPECT_EQ(find_variable("V(OUT)"), 1);
  EXPECT_EQ(find_variable("v(out)"), 1);
  EXPECT_EQ(find_variable("TIME"), 0);
  EXPECT_EQ(find_variable("v(ou"), -1);
  EXPECT_EQ(find_variable("v(out)x"), -1);
  EXPECT_EQ(find_variable(""), -1);
}

TEST_F(PlotModel, VariableUnits) {
  std::string name, unit;
  ASSERT_TRUE(variable_info(2, name, unit));
  EXPECT_EQ(name, "V(OUT)");
  EXPECT_EQ(unit, "current");
  EXPECT_EQ(variable_dimension(0), 12);
  EXPECT_EQ(variable_unit_symbol(1), "V");
  // A unit index outside the table has no name, no symbol and no dimension.
  ASSERT_TRUE(variable_info(3, name, unit));
  EXPECT_EQ(unit, "");
  EXPECT_EQ(variable_dimension(3), 0);
  EXPECT_EQ(variable_unit_symbol(3), "");
  EXPECT_FALSE(variable_info(4, name, unit));
  EXPECT_FALSE(variable_info(-1, name, unit));
}

TEST_F(PlotModel, RowsOfRealAndComplexPlots) {
  select_plot(3, false);
  RowToken re, im;
  const double *r = lock_real_row(2, re);
  const double *i = lock_imag_row(2, im);
  ASSERT_NE(r, nullptr);
  ASSERT_NE(i, nullptr);
  EXPECT_EQ(r[0], 8.0);
  EXPECT_EQ(r[3], 11.0);
  EXPECT_EQ(i[0], 108.0);
  release_row(re);
  release_row(im);
  EXPECT_EQ(lock_real_row(3, re), nullptr);
  EXPECT_EQ(lock_real_row(-1, re), nullptr);
  select_plot(1, false);
  EXPECT_NE(lock_real_row(0, re), nullptr);
  EXPECT_EQ(lock_imag_row(0, im), nullptr);
}

TEST_F(PlotModel, SelectWithShowBringsTablesAndPoleZeroPlotsForward) {
  select_plot(1, true);
  EXPECT_TRUE(shown_windows.empty());
  select_plot(0, true);
  select_plot(2, true);
  select_plot(2, false);
  ASSERT_EQ(shown_windows.size(), 2u);
  EXPECT_EQ(shown_windows[0], std::make_pair(0, 0));
  EXPECT_EQ(shown_windows[1], std::make_pair(2, 2));
}

TEST_F(PlotModel, OpenPlotWindowsInFileOrder) {
  open_plot_windows();
  ASSERT_EQ(shown_windows.size(), 2u);
  EXPECT_EQ(shown_windows[0], std::make_pair(0, 0));
  EXPECT_EQ(shown_windows[1], std::make_pair(2, 2));
}

TEST(PlotModelEmpty, EveryQueryHasItsNothing) {
  clear_plot_list();
  EXPECT_EQ(plot_count(), 0);
  EXPECT_EQ(current_plot_index(), -1);
  EXPECT_EQ(current_file_name(), "");
  EXPECT_EQ(current_plot_text(0), "");
  EXPECT_EQ(current_plot_kind(), 0);
  EXPECT_EQ(variable_count(), 0);
  EXPECT_EQ(point_count(), 0);
  EXPECT_FALSE(is_real_plot());
  EXPECT_EQ(current_statistics(), nullptr);
  EXPECT_EQ(find_variable("time"), -1);
  std::string name, unit;
  EXPECT_FALSE(variable_info(0, name, unit));
  EXPECT_EQ(variable_dimension(0), 0);
  RowToken token;
  EXPECT_EQ(lock_real_row(0, token), nullptr);
  EXPECT_FALSE(select_plot(0, true));
}

}  // namespace

// A plot whose rows fill several value blocks (9 variables: 3640 rows a block): each
// variable's column equals what locking every row gives, across the block edges.
TEST(PlotColumns, CopyingAColumnEqualsLockingEveryRow) {
  clear_plot_list();
  SamplePlot p;
  p.circuit_title = "Columns";
  p.simulation_date = "Date";
  p.plot_name = "Transient Analysis";
  p.plot_kind = 1;
  p.number_type = 4;
  p.analysis_code = 4;
  for (int v = 0; v < 9; v++) p.variables.push_back({"v" + std::to_string(v), 0});
  p.point_count = 10000;
  for (int i = 0; i < p.point_count * 9; i++) p.real.push_back(i * 0.5);
  auto bytes = encode_result_file({p}, kSampleWide);
  ASSERT_EQ(read_data_bytes(bytes.data(), bytes.size(), "C:\\sim\\wide.out", kLayoutWide), kReadOk);
  std::vector<double> column(static_cast<size_t>(p.point_count));
  for (int v : {0, 4, 8}) {
    ASSERT_EQ(copy_real_column(v, column.data()), p.point_count);
    for (int i = 0; i < p.point_count; i++) {
      RowToken token;
      const double *row = lock_real_row(i, token);
      ASSERT_NE(row, nullptr);
      ASSERT_EQ(column[static_cast<size_t>(i)], row[v]) << "variable " << v << " point " << i;
      release_row(token);
    }
  }
  EXPECT_EQ(copy_real_column(9, column.data()), 0);
  EXPECT_EQ(copy_real_column(-1, column.data()), 0);
  clear_plot_list();
  EXPECT_EQ(copy_real_column(0, column.data()), 0);
}
