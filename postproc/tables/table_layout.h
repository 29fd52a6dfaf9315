// The tables a plot shows by itself: the values table of a single-point plot, and the title
// rule of a plot's own window.
#pragma once

#include <string>

#include "../base/table_content.h"

const size_t kMaxWindowTitle = 127;

// The title of a plot's own window: the circuit title, " (", the plot name and ")" when the
// whole fits in 127 characters, else the circuit title alone.
std::string plot_window_title(const std::string &circuit_title, const std::string &plot_name);

// The values table of the current plot (a single-point plot): 10 columns, 32 rows or the
// variable count + 32 when the variables reach below row 32; the titles in rows 1 to 3, then a
// row per variable with its name and its value at point 0 as "%G %s" with the unit symbol.
// Ends the program with code 323 when memory runs out.
TableLayout values_table_layout();
