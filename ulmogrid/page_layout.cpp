// Widths and pages are pure arithmetic over the cells and a measuring function, so the
// window, the printer and the tests all cut a grid the same way.
#include "page_layout.h"

std::vector<int> fit_column_widths(const GridCells &cells, MeasureText measure, void *context, int padding,
                                   int minimum, int maximum) {
  std::vector<int> widths(static_cast<size_t>(cells.columns > 0 ? cells.columns : 0), minimum);
  for (int c = 1; c <= cells.columns; c++) {
    int widest = measure(column_name(c), context);
    for (int r = 1; r <= cells.rows; r++) {
      const std::string &text = cell_text(cells, r, c);
      if (text.empty()) continue;
      int w = measure(text, context);
      if (w > widest) widest = w;
    }
    int w = widest + padding;
    if (w < minimum) w = minimum;
    if (w > maximum) w = maximum;
    widths[static_cast<size_t>(c - 1)] = w;
  }
  return widths;
}

std::vector<GridPage> paginate(const GridCells &cells, const std::vector<int> &column_widths,
                               const PageGeometry &page) {
  std::vector<GridPage> pages;
  int last_row = 0, last_column = 0;
  used_extent(cells, last_row, last_column);
  if (last_row == 0 || page.row_height <= 0) return pages;
  int rows_per_page = page.height / page.row_height - 1;   // the heading row takes one
  int room = page.width - page.row_header_width;
  if (rows_per_page < 1 || room <= 0) return pages;
  // Column bands that fit across a page.
  std::vector<std::pair<int, int>> bands;
  int c = 1;
  while (c <= last_column) {
    int first = c, used = 0;
    while (c <= last_column) {
      int w = static_cast<size_t>(c - 1) < column_widths.size() ? column_widths[static_cast<size_t>(c - 1)] : 0;
      if (c > first && used + w > room) break;
      used += w;
      c++;
    }
    bands.push_back({first, c - 1});
  }
  for (const auto &band : bands)
    for (int r = 1; r <= last_row; r += rows_per_page) {
      int end = r + rows_per_page - 1;
      pages.push_back(GridPage{r, end < last_row ? end : last_row, band.first, band.second});
    }
  return pages;
}
