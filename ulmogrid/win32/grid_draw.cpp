// Drawing a range of cells with their headings: the screen's visible part and each printed
// page go through here, so what prints is what the window shows.
#include <cstdio>

#include "grid_window.h"

namespace {

void fill(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
  RECT r{left, top, right, bottom};
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

void text_in(HDC dc, const std::string &text, int left, int top, int right, int bottom, bool centred) {
  if (text.empty()) return;
  RECT r{left, top, right, bottom};
  UINT align = centred ? DT_CENTER : DT_LEFT;
  RECT inset{left + 3, top, right - 3, bottom};
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), centred ? &r : &inset,
            align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

}  // namespace

void draw_grid_cells(HDC dc, const Grid &grid, const std::vector<int> &widths, int row_height, int header_width,
                     const GridPage &page, int left, int top, bool show_selection) {
  const COLORREF heading = RGB(0xe4, 0xe4, 0xe4), line = RGB(0xb0, 0xb0, 0xb0), selected = RGB(0xcc, 0xdd, 0xf5);
  const CellRange range = selected_range(grid.selection);
  auto width_of = [&](int column) {
    size_t i = static_cast<size_t>(column - 1);
    return i < widths.size() ? widths[i] : 0;
  };
  int right = left + header_width;
  for (int c = page.first_column; c <= page.last_column; c++) right += width_of(c);
  const int bottom = top + row_height * (1 + page.last_row - page.first_row + 1);
  SetBkMode(dc, TRANSPARENT);

  // Headings: the corner, the column names, the row numbers.
  fill(dc, left, top, right, top + row_height, heading);
  fill(dc, left, top, left + header_width, bottom, heading);
  fill(dc, left + header_width, top + row_height, right, bottom, RGB(255, 255, 255));
  SetTextColor(dc, RGB(0, 0, 0));
  int x = left + header_width;
  for (int c = page.first_column; c <= page.last_column; c++) {
    int w = width_of(c);
    if (show_selection && c >= range.left && c <= range.right) fill(dc, x, top, x + w, top + row_height, RGB(0xc8, 0xc8, 0xc8));
    text_in(dc, column_name(c), x, top, x + w, top + row_height, true);
    x += w;
  }
  int y = top + row_height;
  for (int r = page.first_row; r <= page.last_row; r++) {
    char number[16];
    snprintf(number, sizeof number, "%d", r);
    if (show_selection && r >= range.top && r <= range.bottom)
      fill(dc, left, y, left + header_width, y + row_height, RGB(0xc8, 0xc8, 0xc8));
    text_in(dc, number, left, y, left + header_width, y + row_height, true);
    x = left + header_width;
    for (int c = page.first_column; c <= page.last_column; c++) {
      int w = width_of(c);
      bool active = r == grid.selection.active_row && c == grid.selection.active_column;
      if (show_selection && range_contains(range, r, c) && !active) fill(dc, x, y, x + w, y + row_height, selected);
      text_in(dc, cell_text(grid.cells, r, c), x, y, x + w, y + row_height, false);
      x += w;
    }
    y += row_height;
  }

  // The lines between the cells, then the active cell's frame over them.
  HPEN pen = CreatePen(PS_SOLID, 0, line);
  HGDIOBJ old_pen = SelectObject(dc, pen);
  for (int yy = top + row_height; yy <= bottom; yy += row_height) {
    MoveToEx(dc, left, yy - (yy == bottom ? 1 : 0), nullptr);
    LineTo(dc, right, yy - (yy == bottom ? 1 : 0));
  }
  x = left + header_width;
  MoveToEx(dc, x, top, nullptr);
  LineTo(dc, x, bottom);
  for (int c = page.first_column; c <= page.last_column; c++) {
    x += width_of(c);
    MoveToEx(dc, x - 1, top, nullptr);
    LineTo(dc, x - 1, bottom);
  }
  SelectObject(dc, old_pen);
  DeleteObject(pen);
  const GridSelection &s = grid.selection;
  if (show_selection && s.active_row >= page.first_row && s.active_row <= page.last_row &&
      s.active_column >= page.first_column && s.active_column <= page.last_column) {
    int ax = left + header_width;
    for (int c = page.first_column; c < s.active_column; c++) ax += width_of(c);
    int ay = top + row_height * (1 + s.active_row - page.first_row);
    HPEN frame = CreatePen(PS_SOLID, 2, RGB(0x20, 0x50, 0xa0));
    old_pen = SelectObject(dc, frame);
    HGDIOBJ old_brush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, ax, ay, ax + width_of(s.active_column), ay + row_height + 1);
    SelectObject(dc, old_brush);
    SelectObject(dc, old_pen);
    DeleteObject(frame);
  }
}
