// The visible part of a grid on screen: which cells fit, where a cell lies, which cell a
// point hits, how the first visible cell moves to show another, and what a click on the
// headings selects. Pixels are client coordinates; rows and columns count from 1, the
// headings being row and column 0.
#pragma once

#include <vector>

#include "selection.h"

struct GridViewport {
  int rows, columns;             // of the grid
  std::vector<int> widths;       // of each column; a column beyond them is default_width wide
  int default_width;
  int row_height;                // the heading row is one row high
  int header_width;              // of the row-number column
  int client_width, client_height;
  int top_row, left_column;      // the first visible cell
};

struct CellBox {
  int left, top, right, bottom;   // right and bottom exclusive
};

int viewport_column_width(const GridViewport &v, int column);
// Rows and columns that fit wholly from the first visible ones (at least 1).
int viewport_full_rows(const GridViewport &v);
int viewport_full_columns(const GridViewport &v);
// The first visible cell within the grid, the last page of rows full where there are rows.
void clamp_viewport_origin(GridViewport &v);
// Moves the first visible cell as little as shows the cell (row, column), then clamps.
void scroll_viewport_to_show(GridViewport &v, int row, int column);
// The cell at a point: row or column 0 on the headings, -1 beyond the last.
void viewport_cell_at(const GridViewport &v, int x, int y, int &row, int &column);
// A cell's box; it may lie outside the client area.
CellBox viewport_cell_box(const GridViewport &v, int row, int column);
// The cell a drag to (x, y) reaches: beyond an edge of the client area, the cell just past it.
void viewport_drag_cell(const GridViewport &v, int x, int y, int &row, int &column);

// A click on the headings: the corner selects every cell, a column heading the whole column
// with its first cell active, a row number the whole row with its first cell active; Shift
// keeps the anchor's column (or row). Returns false for a click that is not on a heading.
bool heading_click_selection(GridSelection &s, int row, int column, bool shift, int rows, int columns);
