// The cell store of a grid.
//
// Dense, row by row: the program's tables are filled nearly everywhere and a few thousand
// rows at most, so an index beats a map. Texts are copied in, never referenced: the caller
// reuses its buffer right after each call.
#include "cells.h"

#include <new>

namespace {

const std::string kEmpty;

size_t slot(const GridCells &cells, int row, int column) {
  return static_cast<size_t>(row - 1) * static_cast<size_t>(cells.columns) + static_cast<size_t>(column - 1);
}

}  // namespace

bool make_cells(GridCells &cells, int rows, int columns) {
  cells.rows = cells.columns = 0;
  cells.texts.clear();
  if (rows <= 0 || columns <= 0) return false;
  if (static_cast<unsigned long long>(rows) * static_cast<unsigned long long>(columns) > cells.texts.max_size())
    return false;
  try {
    cells.texts.resize(static_cast<size_t>(rows) * static_cast<size_t>(columns));
  } catch (const std::bad_alloc &) {
    return false;
  }
  cells.rows = rows;
  cells.columns = columns;
  return true;
}

bool cell_exists(const GridCells &cells, int row, int column) {
  return row >= 1 && row <= cells.rows && column >= 1 && column <= cells.columns;
}

const std::string &cell_text(const GridCells &cells, int row, int column) {
  return cell_exists(cells, row, column) ? cells.texts[slot(cells, row, column)] : kEmpty;
}

bool set_cell_text(GridCells &cells, int row, int column, const std::string &text) {
  if (!cell_exists(cells, row, column)) return false;
  cells.texts[slot(cells, row, column)] = text;
  return true;
}

bool grow_cells(GridCells &cells, int rows, int columns) {
  if (rows <= cells.rows && columns <= cells.columns) return true;
  GridCells grown;
  if (!make_cells(grown, rows > cells.rows ? rows : cells.rows, columns > cells.columns ? columns : cells.columns))
    return false;
  for (int r = 1; r <= cells.rows; r++)
    for (int c = 1; c <= cells.columns; c++) grown.texts[slot(grown, r, c)].swap(cells.texts[slot(cells, r, c)]);
  cells = std::move(grown);
  return true;
}

void shrink_cells(GridCells &cells, int rows, int columns) {
  if (rows >= cells.rows && columns >= cells.columns) return;
  if (rows > cells.rows) rows = cells.rows;
  if (columns > cells.columns) columns = cells.columns;
  GridCells kept;
  if (!make_cells(kept, rows, columns)) return;
  for (int r = 1; r <= rows; r++)
    for (int c = 1; c <= columns; c++) kept.texts[slot(kept, r, c)].swap(cells.texts[slot(cells, r, c)]);
  cells = std::move(kept);
}

void used_extent(const GridCells &cells, int &last_row, int &last_column) {
  last_row = last_column = 0;
  for (int r = 1; r <= cells.rows; r++)
    for (int c = 1; c <= cells.columns; c++)
      if (!cells.texts[slot(cells, r, c)].empty()) {
        last_row = r;
        if (c > last_column) last_column = c;
      }
}

std::string column_name(int column) {
  std::string name;
  for (int n = column; n > 0; n = (n - 1) / 26) name.insert(name.begin(), static_cast<char>('A' + (n - 1) % 26));
  return name;
}
