// Printing a grid: the used cells cut into pages (page_layout), each page under the column
// headings and beside the row numbers, in a 10-point font measured on the printer itself.
//
// The printer context is the caller's; begin saves its state and end puts it back, since the
// caller prints graphs on the same context with a mapping mode of its own.
#include "grid_window.h"

namespace {

const int kPrintPoints = 10;

int scaled(int pixels_at_96_dpi, int dpi) { return MulDiv(pixels_at_96_dpi, dpi, 96); }

int measure_printer(const std::string &text, void *context) {
  SIZE size{};
  GetTextExtentPoint32A(static_cast<HDC>(context), text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

}  // namespace

namespace {

int begin_pages(UlmoGrid *g, HDC dc) {
  g->pages.clear();
  g->next_page = 0;
  g->printer = dc;
  g->printer_state = SaveDC(dc);
  SetMapMode(dc, MM_TEXT);
  SetViewportOrgEx(dc, 0, 0, nullptr);
  SetWindowOrgEx(dc, 0, 0, nullptr);
  const int dpi_x = GetDeviceCaps(dc, LOGPIXELSX), dpi_y = GetDeviceCaps(dc, LOGPIXELSY);
  if (dpi_x <= 0 || dpi_y <= 0) return 0;
  g->printer_font = CreateFontA(-MulDiv(kPrintPoints, dpi_y, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY, VARIABLE_PITCH | FF_SWISS,
                                "Arial");
  if (!g->printer_font) return 0;
  HGDIOBJ old = SelectObject(dc, g->printer_font);
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  const int padding = scaled(8, dpi_x);
  g->printer_widths = fit_column_widths(g->grid.cells, measure_printer, dc, padding, scaled(64, dpi_x), scaled(400, dpi_x));
  g->page.row_height = tm.tmHeight + tm.tmHeight / 4;
  g->page.row_header_width = measure_printer(std::to_string(g->grid.cells.rows), dc) + 2 * padding;
  g->page_margin = dpi_x / 2;
  g->page.width = GetDeviceCaps(dc, HORZRES) - 2 * g->page_margin;
  g->page.height = GetDeviceCaps(dc, VERTRES) - 2 * g->page_margin;
  SelectObject(dc, old);
  g->pages = paginate(g->grid.cells, g->printer_widths, g->page);
  return static_cast<int>(g->pages.size());
}

}  // namespace

// Nothing to print leaves the context as it was found.
int print_begin(UlmoGrid *g, HDC dc) {
  int pages = begin_pages(g, dc);
  if (pages == 0) print_end(g);
  return pages;
}

int print_page(UlmoGrid *g) {
  if (!g->printer || g->next_page >= g->pages.size()) return 0;
  HDC dc = g->printer;
  if (StartPage(dc) <= 0) return 0;
  // Some drivers reset the context at each page: the font and mapping go in again.
  SetMapMode(dc, MM_TEXT);
  HGDIOBJ old = SelectObject(dc, g->printer_font);
  draw_grid_cells(dc, g->grid, g->printer_widths, g->page.row_height, g->page.row_header_width,
                  g->pages[g->next_page], g->page_margin, g->page_margin, false);
  SelectObject(dc, old);
  g->next_page++;
  return EndPage(dc) > 0 ? 1 : 0;
}

void print_end(UlmoGrid *g) {
  if (g->printer) RestoreDC(g->printer, g->printer_state);
  if (g->printer_font) DeleteObject(g->printer_font);
  g->printer_font = nullptr;
  g->printer = nullptr;
  g->pages.clear();
  g->printer_widths.clear();
  g->next_page = 0;
}
