// What the "Cursor Info" window reads: each cursor's (x, y), their difference, and the
// measurements of the trace nearest to cursor 1 between the two cursors' x values.
#pragma once

#include <string>

#include "../base/span.h"
#include "graph.h"

enum CursorNumberFormat { kCursorDecimal = 0, kCursorScientific = 1 };

// The preference's digits, held to what a read-out can show (0 to 20).
int cursor_digits(int digits);

// One number: "%-.*lf" (decimal) or "%-.*lE" (any other format) with `digits` decimals.
std::string cursor_number(double value, int digits, int format);
// "(x,y)" with both numbers as cursor_number writes them.
std::string cursor_readout(double x, double y, int digits, int format);

struct CursorPoint {
  double x, y;   // real values
};
// Cursor 1 minus cursor 2, as a read-out.
std::string cursor_difference(const CursorPoint &one, const CursorPoint &two, int digits, int format);

// The trace whose value at `at.x` (interpolated between the points around it) lies nearest
// to `at.y`; traces that do not reach `at.x` count by their nearest end point. None without
// traces or points.
const Trace *nearest_trace(const Graph &graph, const CursorPoint &at);

// The drawn part of a trace measured between `x1` and `x2` (either order): time-weighted
// mean and RMS, extremes with the interpolated end values (measure_span).
using SpanStatistics = SpanMeasures;
SpanStatistics span_statistics(const Trace &trace, double x1, double x2);
