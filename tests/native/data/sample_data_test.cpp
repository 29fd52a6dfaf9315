// The bundled samples hold what their circuits say.
#include <gtest/gtest.h>

#include <cmath>

#include "circuits.h"
#include "data/plot_list.h"
#include "data/plot_model.h"
#include "data/reader.h"

namespace {

class SampleData : public ::testing::Test {
 protected:
  void SetUp() override { clear_plot_list(); }
  void TearDown() override { clear_plot_list(); }
  void load(const std::vector<SamplePlot> &plots, SampleLayout layout) {
    auto bytes = encode_result_file(plots, layout);
    ASSERT_EQ(read_data_bytes(bytes.data(), bytes.size(), "sample.out",
                              layout == kSampleWide ? kLayoutWide : kLayoutNarrow),
              kReadOk);
  }
  double value(int point, int variable, bool imaginary = false) {
    RowToken t;
    const double *row = imaginary ? lock_imag_row(point, t) : lock_real_row(point, t);
    double v = row[variable];
    release_row(t);
    return v;
  }
};

TEST_F(SampleData, TransientFollowsTheFilter) {
  load({filter_transient(4001)}, kSampleWide);
  EXPECT_EQ(point_count(), 4001);
  EXPECT_EQ(value(0, 0), 0.0);
  EXPECT_DOUBLE_EQ(value(4000, 0), 5e-3);
  EXPECT_NEAR(value(0, 2), 0.0, 1e-15);   // the capacitor starts empty
  // After five time constants the output is the steady state: amplitude 1/sqrt(2), lag 45 deg.
  double t = value(3200, 0);
  double steady = std::sin(2 * M_PI * 1000 * t - M_PI / 4) / std::sqrt(2.0);
  EXPECT_NEAR(value(3200, 2), steady, 1e-4);
  EXPECT_NEAR(value(1234, 4), (value(1234, 1) - value(1234, 2)) / kFilterR, 1e-18);
  EXPECT_DOUBLE_EQ(value(1234, 3), -value(1234, 4));
}

TEST_F(SampleData, AcSweepHasTheCornerAtOneKilohertz) {
  load({filter_ac_sweep()}, kSampleWide);
  EXPECT_FALSE(is_real_plot());
  EXPECT_EQ(point_count(), 101);
  EXPECT_DOUBLE_EQ(value(0, 0), 10.0);
  EXPECT_DOUBLE_EQ(value(100, 0), 1e6);
  EXPECT_NEAR(value(40, 0), 1000.0, 1e-9);
  double re = value(40, 2), im = value(40, 2, true);
  EXPECT_NEAR(std::hypot(re, im), 1 / std::sqrt(2.0), 1e-5);
  EXPECT_NEAR(std::atan2(im, re), -M_PI / 4, 1e-5);
}

TEST_F(SampleData, SeveralPlotsAndTheNarrowLayout) {
  load({divider_operating_point(), filter_transient(501), filter_ac_sweep(), section_pole_zero()},
       kSampleWide);
  EXPECT_EQ(plot_count(), 4);
  select_plot(0, false);
  EXPECT_EQ(current_plot_kind(), 0);
  EXPECT_EQ(value(0, 1), 2.5);
  select_plot(3, false);
  EXPECT_EQ(current_plot_kind(), 2);
  EXPECT_EQ(find_variable("r(z1)"), 2);
  clear_plot_list();
  load({filter_transient(501)}, kSampleNarrow);
  EXPECT_EQ(point_count(), 501);
}

}  // namespace
