#include <gtest/gtest.h>

#include "ulmogrid/grid.h"

namespace {

// A 4 x 3 grid filled by the program: row r, column c holds "rc".
Grid filled_grid() {
  Grid g;
  EXPECT_TRUE(make_grid(g, 4, 3));
  for (int r = 1; r <= 4; r++)
    for (int c = 1; c <= 3; c++) grid_set_data(g, r, c, std::to_string(r) + std::to_string(c));
  return g;
}

void select(Grid &g, int top, int left, int bottom, int right) { g.selection = GridSelection{top, left, bottom, right}; }

std::string column_text(const Grid &g, int column) {
  std::string out;
  for (int r = 1; r <= g.cells.rows; r++) out += "[" + cell_text(g.cells, r, column) + "]";
  return out;
}

}  // namespace

TEST(Grid, TheProgramsFillIsNotAnEdit) {
  Grid g = filled_grid();
  EXPECT_FALSE(grid_can_undo(g));
  EXPECT_FALSE(grid_can_redo(g));
  EXPECT_FALSE(grid_undo(g));
  EXPECT_EQ(cell_text(g.cells, 4, 3), "43");
}

TEST(Grid, CutReturnsWhatCopyWouldAndEmptiesTheSelection) {
  Grid g = filled_grid();
  select(g, 2, 2, 3, 3);
  std::string copied = grid_copy(g);
  EXPECT_EQ(copied, "22\t23\r\n32\t33\r\n");
  EXPECT_EQ(grid_cut(g), copied);
  EXPECT_EQ(column_text(g, 2), "[12][][][42]");
  EXPECT_EQ(column_text(g, 3), "[13][][][43]");
  ASSERT_TRUE(grid_undo(g));
  EXPECT_EQ(column_text(g, 2), "[12][22][32][42]");
  EXPECT_EQ(column_text(g, 3), "[13][23][33][43]");
}

TEST(Grid, PasteLandsAtTheSelectionsTopLeftAndSelectsTheBlock) {
  Grid g = filled_grid();
  select(g, 3, 2, 2, 1);   // dragged upwards: the top-left is (2,1)
  ASSERT_TRUE(grid_paste(g, "a\tb\r\nc\td\r\n"));
  EXPECT_EQ(column_text(g, 1), "[11][a][c][41]");
  EXPECT_EQ(column_text(g, 2), "[12][b][d][42]");
  CellRange r = selected_range(g.selection);
  EXPECT_EQ(r.top, 2);
  EXPECT_EQ(r.left, 1);
  EXPECT_EQ(r.bottom, 3);
  EXPECT_EQ(r.right, 2);
  EXPECT_FALSE(grid_paste(g, ""));   // no cell: nothing changes, nothing to undo for it
  EXPECT_EQ(g.history.undo.size(), 1u);
}

TEST(Grid, PasteBeyondTheEdgeGrowsTheGridAndUndoShrinksIt) {
  Grid g = filled_grid();
  select(g, 4, 3, 4, 3);
  ASSERT_TRUE(grid_paste(g, "x\ty\r\nz\r\n"));
  EXPECT_EQ(g.cells.rows, 5);
  EXPECT_EQ(g.cells.columns, 4);
  EXPECT_EQ(cell_text(g.cells, 4, 4), "y");
  EXPECT_EQ(cell_text(g.cells, 5, 3), "z");
  ASSERT_TRUE(grid_undo(g));
  EXPECT_EQ(g.cells.rows, 4);
  EXPECT_EQ(g.cells.columns, 3);
  EXPECT_EQ(cell_text(g.cells, 4, 3), "43");
  ASSERT_TRUE(grid_redo(g));
  EXPECT_EQ(cell_text(g.cells, 4, 4), "y");
  EXPECT_EQ(cell_text(g.cells, 4, 3), "x");
}

TEST(Grid, UndoRedoSequence) {
  Grid g = filled_grid();
  ASSERT_TRUE(grid_edit_cell(g, 1, 1, "one"));
  select(g, 1, 1, 1, 3);
  grid_cut(g);
  select(g, 4, 1, 4, 1);
  grid_paste(g, "p");
  EXPECT_EQ(column_text(g, 1), "[][21][31][p]");

  ASSERT_TRUE(grid_undo(g));   // the paste
  EXPECT_EQ(column_text(g, 1), "[][21][31][41]");
  ASSERT_TRUE(grid_undo(g));   // the cut, which brings back the edited text
  EXPECT_EQ(column_text(g, 1), "[one][21][31][41]");
  EXPECT_EQ(cell_text(g.cells, 1, 3), "13");
  CellRange r = selected_range(g.selection);   // and the selection the cut had
  EXPECT_EQ(r.right, 3);
  ASSERT_TRUE(grid_undo(g));   // the edit
  EXPECT_EQ(column_text(g, 1), "[11][21][31][41]");
  EXPECT_FALSE(grid_can_undo(g));

  ASSERT_TRUE(grid_redo(g));
  EXPECT_EQ(cell_text(g.cells, 1, 1), "one");
  // A new edit after an undo drops what could be redone.
  ASSERT_TRUE(grid_edit_cell(g, 2, 2, "new"));
  EXPECT_FALSE(grid_can_redo(g));
  EXPECT_FALSE(grid_redo(g));
  EXPECT_EQ(cell_text(g.cells, 4, 1), "41");
}

TEST(Grid, EditsThatChangeNothingAreNotRecorded) {
  Grid g = filled_grid();
  EXPECT_TRUE(grid_edit_cell(g, 2, 2, "22"));
  EXPECT_FALSE(grid_can_undo(g));
  EXPECT_FALSE(grid_edit_cell(g, 5, 1, "outside"));
  Grid empty;
  ASSERT_TRUE(make_grid(empty, 2, 2));
  EXPECT_EQ(grid_cut(empty), "\r\n");   // an empty cell still copies as one line
  EXPECT_FALSE(grid_can_undo(empty));
}

TEST(Grid, HistoryKeepsTheLatestActions) {
  Grid g;
  ASSERT_TRUE(make_grid(g, 1, 1));
  for (size_t i = 0; i < kHistoryLimit + 5; i++) grid_edit_cell(g, 1, 1, std::to_string(i));
  EXPECT_EQ(g.history.undo.size(), kHistoryLimit);
  while (grid_undo(g)) {
  }
  EXPECT_EQ(cell_text(g.cells, 1, 1), "4");   // the five oldest edits are past undoing
}

TEST(Grid, SelectAllCoversTheGrid) {
  Grid g = filled_grid();
  grid_select_all(g);
  EXPECT_EQ(grid_copy(g), "11\t12\t13\r\n21\t22\t23\r\n31\t32\t33\r\n41\t42\t43\r\n");
}
