// One grid: its cells, its selection and its history, with the operations its window and
// its C interface perform. No platform here; the clipboard is a string in and out.
#pragma once

#include <string>

#include "cells.h"
#include "history.h"
#include "selection.h"

struct Grid {
  GridCells cells;
  GridSelection selection;
  GridHistory history;
};

// An empty grid of rows x columns with cell (1,1) selected; false when the size is not
// positive or memory runs out.
bool make_grid(Grid &grid, int rows, int columns);

// The program's own fill: no history.
bool grid_set_data(Grid &grid, int row, int column, const std::string &text);

// A user's edit of one cell, undoable; false outside the grid. An edit that changes nothing
// is not recorded.
bool grid_edit_cell(Grid &grid, int row, int column, const std::string &text);

// Copy: the selection's text. Cut: the same, and the selected cells emptied (undoable).
std::string grid_copy(const Grid &grid);
std::string grid_cut(Grid &grid);
// Paste: the rows of `text` with their top-left at the selection's top-left; the grid grows
// when they reach beyond it, and the pasted block becomes the selection. Undoable. False
// (nothing changed) for text without a cell, or when memory runs out.
bool grid_paste(Grid &grid, const std::string &text);

bool grid_can_undo(const Grid &grid);
bool grid_can_redo(const Grid &grid);
bool grid_undo(Grid &grid);
bool grid_redo(Grid &grid);

void grid_select_all(Grid &grid);
