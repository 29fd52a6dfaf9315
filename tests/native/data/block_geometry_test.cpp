#include <gtest/gtest.h>

#include "data/plot_list.h"

namespace {

struct GeometryCase {
  const char *name;
  int32_t variables, points;
  uint32_t rows, per_block, total, blocks, last;
};

const GeometryCase kCases[] = {
    {"three_by_20000", 3, 20000, 10922, 32766, 60000, 2, 27234},
    {"widest_row_that_fits", 32768, 1, 1, 32768, 32768, 1, 32768},
    {"one_variable_full_block", 1, 32768, 32768, 32768, 32768, 1, 32768},
    {"one_variable_one_more", 1, 32769, 32768, 32768, 32769, 2, 1},
    {"exact_multiple", 2, 32768, 16384, 32768, 65536, 2, 32768},
    {"single_value", 1, 1, 32768, 32768, 1, 1, 1},
    {"row_wider_than_a_block", 40000, 3, 1, 40000, 120000, 3, 40000},
    {"seven_variables", 7, 10000, 4681, 32767, 70000, 3, 4466},
};

TEST(BlockGeometry, Table) {
  for (const GeometryCase &c : kCases) {
    BlockGeometry g;
    ASSERT_TRUE(compute_block_geometry(c.variables, c.points, g)) << c.name;
    EXPECT_EQ(g.rows_per_block, c.rows) << c.name;
    EXPECT_EQ(g.values_per_block, c.per_block) << c.name;
    EXPECT_EQ(g.total_values, c.total) << c.name;
    EXPECT_EQ(g.block_count, c.blocks) << c.name;
    EXPECT_EQ(g.last_block_values, c.last) << c.name;
  }
}

TEST(BlockGeometry, RejectsWhatCannotBeHeld) {
  BlockGeometry g;
  EXPECT_FALSE(compute_block_geometry(0, 10, g));
  EXPECT_FALSE(compute_block_geometry(10, 0, g));
  EXPECT_FALSE(compute_block_geometry(-1, 10, g));
  EXPECT_FALSE(compute_block_geometry(65536, 65536, g));   // 2^32 values
  EXPECT_TRUE(compute_block_geometry(65535, 65537, g));    // 2^32 - 1 values still fit
  EXPECT_EQ(g.total_values, 4294967295u);
}

}  // namespace
