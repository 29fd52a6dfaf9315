// The cells of one grid: a rectangle of texts, addressed by row and column from 1.
#pragma once

#include <string>
#include <vector>

struct GridCells {
  int rows, columns;
  std::vector<std::string> texts;   // rows * columns, row by row
};

// A grid of empty cells; false (and the cells left empty) when a count is not positive or
// memory runs out.
bool make_cells(GridCells &cells, int rows, int columns);
bool cell_exists(const GridCells &cells, int row, int column);
// The text of a cell; empty outside the grid.
const std::string &cell_text(const GridCells &cells, int row, int column);
// False outside the grid.
bool set_cell_text(GridCells &cells, int row, int column, const std::string &text);
// Grows the grid to at least rows x columns, keeping every text where it is.
bool grow_cells(GridCells &cells, int rows, int columns);
// Cuts the grid back to rows x columns (texts beyond are dropped); used to undo a growth.
void shrink_cells(GridCells &cells, int rows, int columns);
// The last row and column holding text; 0 and 0 for a grid with none.
void used_extent(const GridCells &cells, int &last_row, int &last_column);

// A column's heading as spreadsheets name it: A .. Z, AA .. AZ, BA ...
std::string column_name(int column);
