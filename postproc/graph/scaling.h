// Axis scaling: the automatic choice of range and increment from the data range, manual
// ranges, logarithmic exponents, the validation messages and the zoom limits.
//
// An axis stores min, max and increment divided by its scale, a power of ten whose exponent
// is a multiple of three, so that labels can carry a scale-factor suffix. All arithmetic is
// in double precision.
#pragma once

#include "graph.h"

struct EngineeringSplit {
  double mantissa;
  double power;   // 10^p, p a multiple of three
};

// 10^e; exact products and quotients of exact powers where a double can hold them, so that
// every C runtime yields the same scale.
double power_of_ten(int e);
// Normalization power N(m), m >= 0.
double normalization_power(double m);
// Engineering split E(x).
EngineeringSplit engineering_split(double x);
// The smallest multiple of step at or above x (x >= 0), within the snapping tolerance.
double snap_up(double step, double x);
// The first increment-table entry that cuts r into at most the maximum interval count.
double nice_increment(double r);

// Validates and converts an axis range. On a logarithmic axis min and max become whole
// exponents of the base (lowered / raised to enclose the values when the flags ask for it);
// non-positive values there show a message and switch `base` to 1. Returns acceptance.
bool check_axis_range(double &min, double &max, int &base, bool floor_min, bool ceil_max);

// Stores min, max, increment and scale for `lo`..`hi` (exponents on a logarithmic axis).
void set_axis_range(Axis &axis, double lo, double hi, double increment, bool automatic);

// The entry operations on one axis (0 x, 1 y) of a graph. Each returns whether the range
// was accepted; a refused range leaves the stored one as it was.
bool set_data_range(Graph *graph, int axis, double lo, double hi);
bool set_axis_base(Graph *graph, int axis, int base);
bool set_manual_range(Graph *graph, int axis, double min, double max, double increment);
bool zoom_axis_range(Graph *graph, int axis, double lo, double hi, double increment, bool zoom);

// Zooms the graph to a rubber band given in values: clears all six automatic flags, then
// zooms each axis whose band is wide enough; an axis too narrow to zoom shows its
// maximum-zoom message and stays. Returns per axis whether it zoomed.
struct ZoomOutcome {
  bool zoomed[2];
};
ZoomOutcome zoom_graph(Graph *graph, double x_lo, double x_hi, double y_lo, double y_hi);
