// Grid operations. Every change a user makes goes through apply_edit, which records it, so
// that undo and redo replay exactly the same cells whatever the action was.
#include "grid.h"

#include <new>

#include "clipboard_text.h"

namespace {

void apply_side(Grid &grid, const GridEdit &edit, bool after) {
  int rows = after ? edit.rows_after : edit.rows_before;
  int columns = after ? edit.columns_after : edit.columns_before;
  if (after) grow_cells(grid.cells, rows, columns);   // space first, then texts
  for (const CellChange &change : edit.changes)
    set_cell_text(grid.cells, change.row, change.column, after ? change.after : change.before);
  if (!after) shrink_cells(grid.cells, rows, columns);
  grid.selection = after ? edit.selection_after : edit.selection_before;
}

GridEdit begin_edit(const Grid &grid) {
  GridEdit edit;
  edit.rows_before = edit.rows_after = grid.cells.rows;
  edit.columns_before = edit.columns_after = grid.cells.columns;
  edit.selection_before = edit.selection_after = grid.selection;
  return edit;
}

void add_change(GridEdit &edit, const Grid &grid, int row, int column, const std::string &text) {
  const std::string &before = cell_text(grid.cells, row, column);
  if (before != text) edit.changes.push_back(CellChange{row, column, before, text});
}

bool apply_edit(Grid &grid, GridEdit edit) {
  if (edit.changes.empty() && edit.rows_after == edit.rows_before && edit.columns_after == edit.columns_before) {
    grid.selection = edit.selection_after;
    return true;
  }
  if (!grow_cells(grid.cells, edit.rows_after, edit.columns_after)) return false;
  apply_side(grid, edit, true);
  record_edit(grid.history, std::move(edit));
  return true;
}

}  // namespace

bool make_grid(Grid &grid, int rows, int columns) {
  grid.history = GridHistory();
  grid.selection = GridSelection{1, 1, 1, 1};
  return make_cells(grid.cells, rows, columns);
}

bool grid_set_data(Grid &grid, int row, int column, const std::string &text) {
  return set_cell_text(grid.cells, row, column, text);
}

bool grid_edit_cell(Grid &grid, int row, int column, const std::string &text) {
  if (!cell_exists(grid.cells, row, column)) return false;
  GridEdit edit = begin_edit(grid);
  add_change(edit, grid, row, column, text);
  try {
    return apply_edit(grid, std::move(edit));
  } catch (const std::bad_alloc &) {
    return false;
  }
}

std::string grid_copy(const Grid &grid) {
  return range_to_text(grid.cells, selected_range(grid.selection));
}

std::string grid_cut(Grid &grid) {
  std::string text = grid_copy(grid);
  CellRange range = selected_range(grid.selection);
  GridEdit edit = begin_edit(grid);
  try {
    for (int r = range.top; r <= range.bottom; r++)
      for (int c = range.left; c <= range.right; c++) add_change(edit, grid, r, c, std::string());
    if (!apply_edit(grid, std::move(edit))) return std::string();
  } catch (const std::bad_alloc &) {
    return std::string();
  }
  return text;
}

bool grid_paste(Grid &grid, const std::string &text) {
  try {
    std::vector<std::vector<std::string>> rows = text_to_rows(text);
    if (rows.empty()) return false;
    CellRange at = selected_range(grid.selection);
    int width = 0;
    for (const auto &row : rows)
      if (static_cast<int>(row.size()) > width) width = static_cast<int>(row.size());
    long long last_row = static_cast<long long>(at.top) + static_cast<long long>(rows.size()) - 1;
    long long last_column = static_cast<long long>(at.left) + width - 1;
    if (last_row > 0x7fffffff || last_column > 0x7fffffff) return false;
    GridEdit edit = begin_edit(grid);
    if (last_row > grid.cells.rows) edit.rows_after = static_cast<int>(last_row);
    if (last_column > grid.cells.columns) edit.columns_after = static_cast<int>(last_column);
    for (size_t r = 0; r < rows.size(); r++)
      for (size_t c = 0; c < rows[r].size(); c++)
        add_change(edit, grid, at.top + static_cast<int>(r), at.left + static_cast<int>(c), rows[r][c]);
    edit.selection_after = GridSelection{at.top, at.left, static_cast<int>(last_row), static_cast<int>(last_column)};
    return apply_edit(grid, std::move(edit));
  } catch (const std::bad_alloc &) {
    return false;
  }
}

bool grid_can_undo(const Grid &grid) { return !grid.history.undo.empty(); }
bool grid_can_redo(const Grid &grid) { return !grid.history.redo.empty(); }

bool grid_undo(Grid &grid) {
  if (grid.history.undo.empty()) return false;
  GridEdit edit = std::move(grid.history.undo.back());
  grid.history.undo.pop_back();
  apply_side(grid, edit, false);
  grid.history.redo.push_back(std::move(edit));
  return true;
}

bool grid_redo(Grid &grid) {
  if (grid.history.redo.empty()) return false;
  GridEdit edit = std::move(grid.history.redo.back());
  grid.history.redo.pop_back();
  if (!grow_cells(grid.cells, edit.rows_after, edit.columns_after)) {
    grid.history.redo.push_back(std::move(edit));
    return false;
  }
  apply_side(grid, edit, true);
  grid.history.undo.push_back(std::move(edit));
  return true;
}

void grid_select_all(Grid &grid) { select_all_cells(grid.selection, grid.cells.rows, grid.cells.columns); }
