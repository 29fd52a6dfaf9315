// Labelled ticks and minor tics of an axis, recomputed by every layout.
#pragma once

#include <vector>

#include "graph.h"

// A walk longer than this has lost its increment to rounding or holds a nonsense one; no
// axis a screen can show comes near it.
const int kMaxTickSteps = 100000;

// The axis values (axis units) of the labelled ticks: min, then by repeated addition of the
// increment while below max - increment * 1e-5. The tick at max itself is not among them.
std::vector<double> tick_values(const Axis &axis);

// Stores the layout's axis origin and signed length (logical units).
void set_axis_extent(Graph *graph, int axis, int origin, int length);

// Conversion factor, tick spacing, and the coordinate lists of labelled ticks (at most 100)
// and minor tics (at most 1000; when a list is full, later entries overwrite its last slot).
void compute_axis_ticks(Graph *graph, int axis);
