// The grid's clipboard text: tab-separated cells, one line per row, as every spreadsheet
// pastes and copies it.
#pragma once

#include <string>
#include <vector>

#include "cells.h"
#include "selection.h"

// The cells of `range`, tabs between the cells of a row and CR LF after each row. A text
// holding a tab, a line end or a double quote is quoted, its quotes doubled.
std::string range_to_text(const GridCells &cells, const CellRange &range);

// Pasted text as rows of cells. Lines end with CR LF, LF or CR; a line end after the last
// line adds no row; quoted fields may hold tabs and line ends. Rows may differ in length.
std::vector<std::vector<std::string>> text_to_rows(const std::string &text);
