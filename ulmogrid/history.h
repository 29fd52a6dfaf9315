// The undo and redo history of a grid's edits, cuts and pastes.
#pragma once

#include <string>
#include <vector>

#include "selection.h"

struct CellChange {
  int row, column;
  std::string before, after;
};

// One user action: every cell it changed, the grid size before and after it (a paste may
// grow the grid), and the selection before and after it.
struct GridEdit {
  std::vector<CellChange> changes;
  int rows_before, columns_before, rows_after, columns_after;
  GridSelection selection_before, selection_after;
};

struct GridHistory {
  std::vector<GridEdit> undo;   // the latest last
  std::vector<GridEdit> redo;   // the latest undone last
};

const size_t kHistoryLimit = 1000;   // actions kept; the oldest go first

// A new action: it goes on the undo list and clears the redo list.
void record_edit(GridHistory &history, GridEdit edit);
