// The grid's window: its state, and what the C interface and the printing share of it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "../grid.h"
#include "../page_layout.h"
#include "../viewport.h"

extern const char kGridWindowClass[];   // "UlmoGrid"

struct UlmoGrid {
  Grid grid;
  HWND window;
  HWND editor;               // the in-place edit control while a cell is edited, else null
  int edit_row, edit_column;
  HFONT font;                // the screen's; not owned (a stock font)
  GridViewport view;         // column widths, row height, the first visible cell
  bool widths_stale;         // the cells changed since the widths were fitted
  bool dragging;
  // Printing, between begin and end.
  HDC printer;
  int printer_state;         // SaveDC's, restored at the end
  HFONT printer_font;
  std::vector<int> printer_widths;
  PageGeometry page;
  int page_margin;
  std::vector<GridPage> pages;
  size_t next_page;
};

// The DLL's own instance, which its window class and windows are made with.
HINSTANCE grid_instance();
bool register_grid_class(HINSTANCE instance);
HWND create_grid_window(UlmoGrid *grid, HWND parent);
// Column widths and the scroll bars again after the cells changed, and a repaint.
void grid_contents_changed(UlmoGrid *grid);
// Ends an edit in place, keeping its text (commit) or not.
void finish_editing(UlmoGrid *grid, bool commit);

// The clipboard's text, and text put on it; false when the clipboard is not available.
bool put_clipboard_text(HWND owner, const std::string &text);
bool get_clipboard_text(HWND owner, std::string &text);
bool clipboard_has_text();

// Printing on the caller's context; see ulmogrd_print_begin.
int print_begin(UlmoGrid *grid, HDC printer);
int print_page(UlmoGrid *grid);
void print_end(UlmoGrid *grid);

// Draws `page` of the grid with the given widths: headings, row numbers, lines and texts, at
// (left, top) in device units.
void draw_grid_cells(HDC dc, const Grid &grid, const std::vector<int> &widths, int row_height, int header_width,
                     const GridPage &page, int left, int top, bool show_selection);
