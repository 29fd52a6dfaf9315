// What a table window shows, built from the data before any window exists: its title, its
// size and the texts of its cells. Values tables, spreadsheet exports and the monitor's
// extracted values all hand their tables over in this form.
#pragma once

#include <string>
#include <vector>

struct TableCell {
  int row, column;      // from 1
  std::string text;
};

struct TableLayout {
  std::string title;
  int rows, columns;
  std::vector<TableCell> cells;   // the cells that are not empty, in the order they are filled
  int plot_index = -1;            // the plot a values table shows; -1 for other tables
};
