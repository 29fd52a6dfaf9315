// Viewport geometry of the grid window, kept apart from the window so that it can be tested
// without one: the window fills a GridViewport from its state and its client area.
#include "viewport.h"

#include <cstddef>

int viewport_column_width(const GridViewport &v, int column) {
  size_t i = static_cast<size_t>(column - 1);
  return i < v.widths.size() ? v.widths[i] : v.default_width;
}

int viewport_full_rows(const GridViewport &v) {
  int n = (v.client_height - v.row_height) / (v.row_height > 0 ? v.row_height : 1);
  return n > 1 ? n : 1;
}

int viewport_full_columns(const GridViewport &v) {
  int x = v.header_width, n = 0;
  for (int c = v.left_column; c <= v.columns; c++) {
    x += viewport_column_width(v, c);
    if (x > v.client_width) break;
    n++;
  }
  return n > 1 ? n : 1;
}

void clamp_viewport_origin(GridViewport &v) {
  int last_top = v.rows - viewport_full_rows(v) + 1;
  if (v.top_row > last_top) v.top_row = last_top;
  if (v.top_row < 1) v.top_row = 1;
  if (v.left_column > v.columns) v.left_column = v.columns;
  if (v.left_column < 1) v.left_column = 1;
}

void scroll_viewport_to_show(GridViewport &v, int row, int column) {
  int rows = viewport_full_rows(v);
  if (row < v.top_row) v.top_row = row;
  else if (row >= v.top_row + rows) v.top_row = row - rows + 1;
  if (column < v.left_column) {
    v.left_column = column;
  } else {
    // Right until the column's right edge is in the window (or it is the first visible).
    while (v.left_column < column) {
      int x = v.header_width;
      for (int c = v.left_column; c <= column; c++) x += viewport_column_width(v, c);
      if (x <= v.client_width) break;
      v.left_column++;
    }
  }
  clamp_viewport_origin(v);
}

void viewport_cell_at(const GridViewport &v, int x, int y, int &row, int &column) {
  if (y < v.row_height) {
    row = 0;
  } else {
    row = v.top_row + (y - v.row_height) / v.row_height;
    if (row > v.rows) row = -1;
  }
  if (x < v.header_width) {
    column = 0;
    return;
  }
  int edge = v.header_width;
  for (int c = v.left_column; c <= v.columns; c++) {
    edge += viewport_column_width(v, c);
    if (x < edge) {
      column = c;
      return;
    }
  }
  column = -1;
}

CellBox viewport_cell_box(const GridViewport &v, int row, int column) {
  CellBox b;
  b.top = v.row_height * (1 + row - v.top_row);
  b.bottom = b.top + v.row_height;
  b.left = v.header_width;
  if (column >= v.left_column) {
    for (int c = v.left_column; c < column; c++) b.left += viewport_column_width(v, c);
  } else {
    for (int c = column; c < v.left_column; c++) b.left -= viewport_column_width(v, c);
  }
  b.right = b.left + viewport_column_width(v, column);
  return b;
}

void viewport_drag_cell(const GridViewport &v, int x, int y, int &row, int &column) {
  viewport_cell_at(v, x < v.header_width ? v.header_width : x, y < v.row_height ? v.row_height : y, row,
                   column);
  if (row < 0 || y >= v.client_height) row = v.top_row + viewport_full_rows(v);
  if (y < v.row_height) row = v.top_row - 1;
  if (column < 0 || x >= v.client_width) column = v.left_column + viewport_full_columns(v);
  if (x < v.header_width) column = v.left_column - 1;
}

bool heading_click_selection(GridSelection &s, int row, int column, bool shift, int rows, int columns) {
  if (row == 0 && column == 0) {
    select_all_cells(s, rows, columns);
  } else if (row == 0) {
    if (!shift) s.anchor_column = column;
    s.anchor_row = rows;
    s.active_row = 1;
    s.active_column = column;
  } else if (column == 0) {
    if (!shift) s.anchor_row = row;
    s.anchor_column = columns;
    s.active_column = 1;
    s.active_row = row;
  } else {
    return false;
  }
  return true;
}
