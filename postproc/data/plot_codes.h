// The codes a result file gives each plot for what it holds and how its values are stored.
#pragma once

#include <cstdint>

// Other kinds are read and kept, but no window shows them.
enum PlotKind : int32_t {
  kPlotSinglePoint = 0,   // one point per variable, shown as a table
  kPlotVector = 1,        // traces over the abscissa, shown as graphs
  kPlotPoleZero = 2,      // poles and zeros, shown as a pole-zero graph
};

// Real values, or a real and an imaginary table.
enum NumberType : int32_t { kRealValues = 4, kComplexValues = 8 };
