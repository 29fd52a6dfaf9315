// Column widths that fit the contents, and how a grid is cut into printed pages.
#pragma once

#include <string>
#include <vector>

#include "cells.h"

// Width of a text in device units, as the surface it is drawn on measures it.
using MeasureText = int (*)(const std::string &text, void *context);

// One width per column (index 0 is column 1): the widest of its heading and its texts plus
// `padding`, at least `minimum`, at most `maximum`.
std::vector<int> fit_column_widths(const GridCells &cells, MeasureText measure, void *context, int padding,
                                   int minimum, int maximum);

// A printed page: the cells it shows, under the column headings and beside the row numbers
// that every page repeats.
struct GridPage {
  int first_row, last_row, first_column, last_column;
};

struct PageGeometry {
  int width, height;          // printable area, device units
  int row_height;             // of a row, and of the heading row
  int row_header_width;       // of the row-number column
};

// Pages over the used part of the grid (up to its last text), down the rows first and then
// across, as spreadsheets print. A column wider than a page has one to itself, clipped. No
// text, or a page too small for a heading and one row: no pages.
std::vector<GridPage> paginate(const GridCells &cells, const std::vector<int> &column_widths,
                               const PageGeometry &page);
