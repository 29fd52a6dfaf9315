#include <gtest/gtest.h>

#include "data/units.h"

namespace {

struct UnitRow {
  int index;
  const char *name;
  const char *symbol;
  int dimension;
};

const UnitRow kUnitTable[] = {
    {0, "voltage", "V", 10},
    {1, "current", "A", 11},
    {2, "time", "sec", 12},
    {3, "frequency", "Hz", 13},
    {4, "temperature", "\260C", 14},
    {5, "conductance", "S", 17},
    {6, "capacitance", "F", 18},
    {7, "power", "W", 110},
    {8, "voltage squared", "V^2", 100},
    {9, "current squared", "A^2", 121},
    {10, "voltage squared over freq", "V^2/Hz", 19},
    {11, "current squared over freq", "A^2/Hz", 20},
    {12, "angle", "Deg", 15},
    {13, "decibel", "dB", 16},
    {14, "none", " ", 1},
};

TEST(Units, TheFifteenUnits) {
  for (const UnitRow &u : kUnitTable) {
    EXPECT_EQ(unit_name(u.index), u.name) << u.index;
    EXPECT_EQ(unit_symbol(u.index), u.symbol) << u.index;
    EXPECT_EQ(dimension_for_unit_name(u.name), u.dimension) << u.index;
    EXPECT_EQ(unit_symbol_for_name(u.name), u.symbol) << u.index;
    EXPECT_EQ(unit_index_for_dimension(u.dimension), u.index) << u.index;
  }
}

TEST(Units, ProductsOfFactors) {
  EXPECT_EQ(dimension_for_unit_name("power"),
            dimension_for_unit_name("voltage") * dimension_for_unit_name("current"));
  EXPECT_EQ(dimension_for_unit_name("voltage squared"), 10 * 10);
  EXPECT_EQ(dimension_for_unit_name("current squared"), 11 * 11);
}

TEST(Units, IndexOutOfRangeHasNothing) {
  for (int index : {-1, 15, 1000}) {
    EXPECT_EQ(unit_name(index), "");
    EXPECT_EQ(unit_symbol(index), "");
    EXPECT_EQ(unit_at(index), nullptr);
  }
}

TEST(Units, NamesMatchExactlySymbolsIgnoringCase) {
  EXPECT_EQ(unit_symbol_for_name("Voltage"), "");
  EXPECT_EQ(unit_symbol_for_name("voltage "), "");
  EXPECT_EQ(dimension_for_unit_name("VOLTAGE"), 0);
  EXPECT_EQ(dimension_for_symbol("hz"), 13);
  EXPECT_EQ(dimension_for_symbol("HZ"), 13);
  EXPECT_EQ(dimension_for_symbol("SEC"), 12);
  EXPECT_EQ(dimension_for_symbol("db"), 16);
  EXPECT_EQ(dimension_for_symbol("v^2/hz"), 19);
  EXPECT_EQ(dimension_for_symbol("\260c"), 14);
  EXPECT_EQ(dimension_for_symbol(" "), 1);
  EXPECT_EQ(dimension_for_symbol("Ohm"), 0);
  EXPECT_EQ(dimension_for_symbol(""), 0);
}

TEST(Units, UnknownDimensionsAreNone) {
  EXPECT_EQ(unit_index_for_dimension(110), 7);
  EXPECT_EQ(unit_index_for_dimension(0), 14);
  EXPECT_EQ(unit_index_for_dimension(42), 14);
  EXPECT_EQ(unit_index_for_dimension(-10), 14);
}

}  // namespace
