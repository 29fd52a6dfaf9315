#include <gtest/gtest.h>

#include "data/plot_codes.h"
#include "data/raw_vectors.h"

namespace {

TEST(RawVectors, PlotNamesGiveKindAndAnalysisCode) {
  struct Row {
    const char *plot_name;
    int kind, code;
  };
  const Row rows[] = {
      {"Operating Point", kPlotSinglePoint, 0},
      {"operating point", kPlotSinglePoint, 0},
      {"Transient Analysis", kPlotVector, 4},
      {"AC Analysis", kPlotVector, 1},
      {"Pole-Zero Analysis", kPlotPoleZero, 6},
      {"DC transfer characteristic", kPlotVector, 0},
      {"Noise Spectral Density Curves", kPlotVector, 0},
      {"Integrated Noise", kPlotVector, 0},
      {"Transient Analysis 2", kPlotVector, 0},
      {"", kPlotVector, 0},
  };
  for (const Row &r : rows) {
    EXPECT_EQ(raw_plot_kind(r.plot_name), r.kind) << r.plot_name;
    EXPECT_EQ(raw_analysis_code(r.plot_name), r.code) << r.plot_name;
  }
}

TEST(RawVectors, RootsAreNamedSoThatTheirThirdCharacterGroupsThem) {
  struct Row {
    const char *name, *kept;
    bool zero;
  };
  const Row rows[] = {
      {"v(pole(1))", "v(pole(1))", false}, {"pole(2)", "v(pole(2))", false},
      {"zero(1)", "v(zero(1))", true},     {"V(ZERO(3))", "v(ZERO(3))", true},
      {"v(x)", "v(x)", false},             {"zeta", "zeta", false},
  };
  for (const Row &r : rows) {
    EXPECT_EQ(raw_root_name(r.name), r.kept) << r.name;
    EXPECT_EQ(raw_root_is_zero(r.name), r.zero) << r.name;
  }
}

TEST(RawVectors, TypesMatchIgnoringCase) {
  EXPECT_EQ(raw_unit_index("VOLTAGE"), 0);
  EXPECT_EQ(raw_unit_index("Voltage^2-Density"), 10);
  EXPECT_EQ(raw_unit_index("voltage-density"), 14);
  EXPECT_EQ(raw_unit_index("volt"), 14);
  EXPECT_EQ(raw_unit_index(""), 14);
}

}  // namespace
