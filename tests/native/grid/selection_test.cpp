#include <gtest/gtest.h>

#include "ulmogrid/selection.h"

namespace {

struct MoveCase {
  const char *name;
  GridSelection start;
  GridMove move;
  bool extend;
  GridSelection expected;
};

}  // namespace

// A 20 x 5 grid, pages of 7 rows.
TEST(GridSelection, KeysMoveTheActiveCellWithinTheGrid) {
  const MoveCase cases[] = {
      {"down", {3, 2, 3, 2}, kMoveDown, false, {4, 2, 4, 2}},
      {"up at the top stays", {1, 2, 1, 2}, kMoveUp, false, {1, 2, 1, 2}},
      {"left at the edge stays", {4, 1, 4, 1}, kMoveLeft, false, {4, 1, 4, 1}},
      {"right at the edge stays", {4, 5, 4, 5}, kMoveRight, false, {4, 5, 4, 5}},
      {"shift+right keeps the anchor", {4, 2, 4, 2}, kMoveRight, true, {4, 2, 4, 3}},
      {"plain move drops the range", {4, 2, 8, 4}, kMoveUp, false, {7, 4, 7, 4}},
      {"home", {9, 4, 9, 4}, kMoveHome, false, {9, 1, 9, 1}},
      {"shift+end", {9, 2, 9, 2}, kMoveEnd, true, {9, 2, 9, 5}},
      {"page down", {3, 3, 3, 3}, kMovePageDown, false, {10, 3, 10, 3}},
      {"page down stops at the last row", {18, 3, 18, 3}, kMovePageDown, false, {20, 3, 20, 3}},
      {"shift+page up stops at row 1", {5, 3, 5, 3}, kMovePageUp, true, {5, 3, 1, 3}},
      {"ctrl+end", {2, 2, 2, 2}, kMoveLastCell, false, {20, 5, 20, 5}},
      {"ctrl+home", {9, 4, 9, 4}, kMoveFirstCell, false, {1, 1, 1, 1}},
  };
  for (const MoveCase &c : cases) {
    GridSelection s = c.start;
    move_selection(s, c.move, c.extend, 7, 20, 5);
    EXPECT_EQ(s.anchor_row, c.expected.anchor_row) << c.name;
    EXPECT_EQ(s.anchor_column, c.expected.anchor_column) << c.name;
    EXPECT_EQ(s.active_row, c.expected.active_row) << c.name;
    EXPECT_EQ(s.active_column, c.expected.active_column) << c.name;
  }
}

TEST(GridSelection, RangeIsNormalisedWhicheverWayItWasDragged) {
  GridSelection s{6, 4, 6, 4};
  click_selection(s, 2, 1, true, 10, 10);   // shift+click up and left of the anchor
  CellRange r = selected_range(s);
  EXPECT_EQ(r.top, 2);
  EXPECT_EQ(r.left, 1);
  EXPECT_EQ(r.bottom, 6);
  EXPECT_EQ(r.right, 4);
  EXPECT_TRUE(range_contains(r, 6, 1));
  EXPECT_FALSE(range_contains(r, 7, 4));
  click_selection(s, 99, -3, false, 10, 10);   // a drag beyond the grid stays on its edge
  EXPECT_EQ(selected_range(s).top, 10);
  EXPECT_EQ(selected_range(s).left, 1);
  select_all_cells(s, 72, 10);
  r = selected_range(s);
  EXPECT_EQ(r.top, 1);
  EXPECT_EQ(r.left, 1);
  EXPECT_EQ(r.bottom, 72);
  EXPECT_EQ(r.right, 10);
}
