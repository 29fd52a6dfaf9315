// A spectrum's 0 Hz point on a logarithmic frequency axis: left out of the axis range and not
// drawn, kept everywhere else.
#pragma once

#include "graph.h"

// The points at the start of `trace` that a paint of `graph` leaves out: 1 for a spectrum
// whose first point stands at 0 Hz while the x axis is logarithmic, else 0.
int hidden_leading_points(const Graph &graph, const Trace &trace);

// The record of `trace` from point `first` on: the same arrays advanced, both counts lowered
// by as much. A view for drawing; it owns nothing and must not be freed.
Trace trace_from_point(const Trace &trace, int first);

// The x data range a logarithmic x axis is scaled from: `range` itself, unless it reaches 0
// only through spectra's 0 Hz points; it then starts at the lowest of the other points.
DataRange logarithmic_x_range(const Graph &graph, DataRange range);
