#include <gtest/gtest.h>

#include "ulmogrid/cells.h"

TEST(GridCells, RejectsSizesThatHoldNoCell) {
  GridCells cells;
  EXPECT_FALSE(make_cells(cells, 0, 10));
  EXPECT_FALSE(make_cells(cells, 5, -1));
  EXPECT_EQ(cells.rows, 0);
  EXPECT_TRUE(make_cells(cells, 72, 10));
  EXPECT_EQ(cells.texts.size(), 720u);
}

TEST(GridCells, AddressesFromOneAndRefusesOutside) {
  GridCells cells;
  ASSERT_TRUE(make_cells(cells, 3, 2));
  EXPECT_TRUE(set_cell_text(cells, 3, 2, "last"));
  EXPECT_TRUE(set_cell_text(cells, 1, 1, "first"));
  for (auto rc : {std::pair<int, int>{0, 1}, {1, 0}, {4, 1}, {1, 3}}) {
    EXPECT_FALSE(set_cell_text(cells, rc.first, rc.second, "x")) << rc.first << "," << rc.second;
    EXPECT_EQ(cell_text(cells, rc.first, rc.second), "");
  }
  EXPECT_EQ(cells.texts.back(), "last");
  EXPECT_EQ(cells.texts.front(), "first");
}

TEST(GridCells, GrowKeepsTextsInPlaceAndShrinkUndoesIt) {
  GridCells cells;
  ASSERT_TRUE(make_cells(cells, 2, 2));
  set_cell_text(cells, 2, 1, "b1");
  set_cell_text(cells, 1, 2, "a2");
  ASSERT_TRUE(grow_cells(cells, 4, 3));
  EXPECT_EQ(cells.rows, 4);
  EXPECT_EQ(cells.columns, 3);
  EXPECT_EQ(cell_text(cells, 2, 1), "b1");
  EXPECT_EQ(cell_text(cells, 1, 2), "a2");
  set_cell_text(cells, 4, 3, "gone");
  shrink_cells(cells, 2, 2);
  EXPECT_EQ(cells.rows, 2);
  EXPECT_EQ(cell_text(cells, 2, 1), "b1");
  EXPECT_EQ(cell_text(cells, 1, 2), "a2");
}

TEST(GridCells, UsedExtentIsTheLastRowAndColumnWithText) {
  GridCells cells;
  ASSERT_TRUE(make_cells(cells, 10, 10));
  int r = -1, c = -1;
  used_extent(cells, r, c);
  EXPECT_EQ(r, 0);
  EXPECT_EQ(c, 0);
  set_cell_text(cells, 3, 7, "x");
  set_cell_text(cells, 6, 2, "y");
  used_extent(cells, r, c);
  EXPECT_EQ(r, 6);
  EXPECT_EQ(c, 7);
}

TEST(GridCells, ColumnNames) {
  const std::pair<int, const char *> rows[] = {{1, "A"}, {26, "Z"}, {27, "AA"}, {52, "AZ"}, {53, "BA"},
                                               {702, "ZZ"}, {703, "AAA"}};
  for (const auto &row : rows) EXPECT_EQ(column_name(row.first), row.second) << row.first;
}
