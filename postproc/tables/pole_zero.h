// The pole-zero graph: a pole-zero plot's roots as points in the complex plane, poles and
// zeros as two traces without lines.
#pragma once

#include <string>
#include <vector>

#include "../graph/graph.h"

struct RootGroup {
  std::string name;          // "Poles" or "Zeros"
  int symbol;                // 8 for poles, 1 for zeros
  std::vector<double> x, y;  // real and imaginary parts
};

struct PoleZeroLayout {
  std::string title;
  std::vector<RootGroup> groups;   // one or two
  double x_min, x_max, y_min, y_max;
  int plot_index;
};

const int kPoleSymbol = 8;
const int kZeroSymbol = 1;

// The roots of the current plot, split into the leading run of variables whose third name
// character is that of variable 0 (poles when it is 'p', else zeros) and the rest (zeros).
// False when the plot has no root or no values. Ends the program with code 300 when memory
// runs out.
bool pole_zero_layout(PoleZeroLayout &out);

// A graph of the layout: x title "Frequency" in "Hz", no y unit, linear axes, one trace per
// group (experimental-style, no line, weight 0) and the axes over the roots' ranges. None
// when memory runs out.
Graph *create_pole_zero_graph(WindowHandle owner, const PoleZeroLayout &layout, const GraphPreferences &preferences);
