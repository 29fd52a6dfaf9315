// The table tests load result files written by the sample writer, as the program loads them.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "data/load.h"
#include "data/plot_list.h"
#include "result_writer.h"
#include "support/fake_ui.h"

class TablesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    reset_plot_list();
    const ::testing::TestInfo *test = ::testing::UnitTest::GetInstance()->current_test_info();
    path = ::testing::TempDir() + "tables_" + std::to_string(getpid()) + "_" + test->name() + ".out";
  }
  void TearDown() override {
    clear_plot_list();
    remove(path.c_str());
  }
  void load(const std::vector<SamplePlot> &plots) {
    ASSERT_TRUE(write_result_file(path, plots, kSampleWide));
    ASSERT_TRUE(load_data_file(path.c_str()));
  }

  FakeUi ui;
  std::string path;
};

inline SamplePlot single_point_plot(const std::string &title, const std::string &name,
                                    const std::vector<SampleVariable> &variables, const std::vector<double> &values) {
  SamplePlot p;
  p.circuit_title = title;
  p.simulation_date = "Tue Dec  8 10:14:00 2026";
  p.plot_name = name;
  p.plot_kind = 0;
  p.variables = variables;
  p.point_count = 1;
  p.real = values;
  return p;
}
