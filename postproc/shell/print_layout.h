// The arithmetic of a printed graph page: where the graph starts, the header's lines and
// their places, and the header font's height. The platform half (win32/printing.cpp) only
// draws what these say.
#pragma once

#include <ctime>
#include <string>

struct PagePoint {
  int x, y;
};

// The graph's origin on a page of physical size W x H device units: (0.1 W, 0.15 H), each
// rounded half away from zero.
PagePoint graph_page_origin(int width, int height);

// The header font's cell height: 12 points on a device of `dots_per_inch` vertically, through
// the mapping's window and viewport extent heights.
int header_font_height(int dots_per_inch, int window_extent_height, int viewport_extent_height);

// "Mon Dec 07 21:30:00 2026": the C runtime's ctime form with a two-digit day, no line end.
std::string print_date_text(const std::tm &local);

struct HeaderLine {
  std::string text;
  int x, y;
  bool right_aligned;
};

struct PrintHeader {
  HeaderLine lines[4];
  int line_count;   // 2 without a plot, 4 with one
  int height;       // margin + two lines
};

// The header on a device `width` pixels wide whose "X" is `x_height` high: the program's name
// and the date right-aligned at the right margin, and when there is a plot its circuit title
// and analysis left-aligned at the left margin. The margin is width / 100.
PrintHeader print_header_layout(int width, int x_height, const std::string &date, bool has_plot,
                                const std::string &circuit_title, const std::string &plot_name);

// A window caption as a document name: at most 127 characters.
std::string print_document_title(const std::string &caption);
