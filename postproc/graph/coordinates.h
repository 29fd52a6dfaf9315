// Conversion between axis values and logical coordinates, through the factor and origin the
// layout gives each axis.
#pragma once

#include "graph.h"

const int kCoordinateLimit = 32767;   // keeps 16-bit device coordinates from overflowing

// x = (v / scale - min) * factor + origin, with v replaced by its logarithm to the base on a
// logarithmic axis; clamped to +-32767 and rounded half away from zero. A value that has no
// logarithm (<= 0) or is not a number gives 0.
int value_to_logical(const Graph *graph, int axis, double value);
// v = ((c - origin) / factor + min) * scale, and base^v on a logarithmic axis.
double logical_to_value(const Graph *graph, int axis, double coordinate);
