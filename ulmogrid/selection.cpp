// Selection arithmetic. Every result stays inside the grid, so the window and the clipboard
// code never see a cell that does not exist.
#include "selection.h"

namespace {

int clamp(int value, int low, int high) { return value < low ? low : value > high ? high : value; }

}  // namespace

CellRange selected_range(const GridSelection &s) {
  CellRange r;
  r.top = s.anchor_row < s.active_row ? s.anchor_row : s.active_row;
  r.bottom = s.anchor_row < s.active_row ? s.active_row : s.anchor_row;
  r.left = s.anchor_column < s.active_column ? s.anchor_column : s.active_column;
  r.right = s.anchor_column < s.active_column ? s.active_column : s.anchor_column;
  return r;
}

bool range_contains(const CellRange &range, int row, int column) {
  return row >= range.top && row <= range.bottom && column >= range.left && column <= range.right;
}

void move_selection(GridSelection &s, GridMove move, bool extend, int page_rows, int rows, int columns) {
  if (rows < 1 || columns < 1) return;
  if (page_rows < 1) page_rows = 1;
  int row = s.active_row, column = s.active_column;
  switch (move) {
    case kMoveUp: row--; break;
    case kMoveDown: row++; break;
    case kMoveLeft: column--; break;
    case kMoveRight: column++; break;
    case kMoveHome: column = 1; break;
    case kMoveEnd: column = columns; break;
    case kMovePageUp: row -= page_rows; break;
    case kMovePageDown: row += page_rows; break;
    case kMoveFirstCell: row = 1; column = 1; break;
    case kMoveLastCell: row = rows; column = columns; break;
  }
  click_selection(s, row, column, extend, rows, columns);
}

void click_selection(GridSelection &s, int row, int column, bool extend, int rows, int columns) {
  if (rows < 1 || columns < 1) return;
  s.active_row = clamp(row, 1, rows);
  s.active_column = clamp(column, 1, columns);
  if (!extend) {
    s.anchor_row = s.active_row;
    s.anchor_column = s.active_column;
  } else {
    s.anchor_row = clamp(s.anchor_row, 1, rows);
    s.anchor_column = clamp(s.anchor_column, 1, columns);
  }
}

void select_all_cells(GridSelection &s, int rows, int columns) {
  if (rows < 1 || columns < 1) return;
  s.anchor_row = 1;
  s.anchor_column = 1;
  s.active_row = rows;
  s.active_column = columns;
}
