// The selection of a grid: an anchor cell where it started and the active cell where it
// ends; the rectangle between them is selected. Mouse and keyboard both move it.
#pragma once

struct CellRange {
  int top, left, bottom, right;   // inclusive, top <= bottom and left <= right
};

struct GridSelection {
  int anchor_row, anchor_column;
  int active_row, active_column;
};

CellRange selected_range(const GridSelection &selection);
bool range_contains(const CellRange &range, int row, int column);

// Keys that move the active cell.
enum GridMove {
  kMoveUp, kMoveDown, kMoveLeft, kMoveRight,
  kMoveHome,       // first column of the row
  kMoveEnd,        // last column of the row
  kMovePageUp, kMovePageDown,
  kMoveFirstCell,  // Ctrl+Home
  kMoveLastCell,   // Ctrl+End
};

// Moves the active cell within rows x columns; `extend` (Shift held) keeps the anchor, else
// the anchor follows. `page_rows` is how many rows a page key moves (at least one).
void move_selection(GridSelection &selection, GridMove move, bool extend, int page_rows, int rows, int columns);
// A click on a cell (extend: Shift+click, or dragging from the anchor).
void click_selection(GridSelection &selection, int row, int column, bool extend, int rows, int columns);
void select_all_cells(GridSelection &selection, int rows, int columns);
