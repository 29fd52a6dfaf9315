// Value <-> logical coordinate. Coordinates are clamped before rounding so that a value far
// off the axis (a zoomed-in view of a large trace) still lands on a 16-bit device coordinate.
#include "coordinates.h"

#include <cmath>

#include "../canvas/round.h"

int value_to_logical(const Graph *graph, int axis, double value) {
  if (!graph || (axis != 0 && axis != 1)) return 0;
  const Axis &a = graph->axes[axis];
  const AxisGeometry &g = graph->geometry[axis];
  if (a.base != 1) {
    if (!(value > 0)) return 0;
    value = std::log(value) / std::log(static_cast<double>(a.base));
  }
  double x = (value / a.scale - a.min) * g.factor + g.origin;
  return round_to_int(x, -kCoordinateLimit, kCoordinateLimit);
}

double logical_to_value(const Graph *graph, int axis, double coordinate) {
  if (!graph || (axis != 0 && axis != 1)) return 0;
  const Axis &a = graph->axes[axis];
  const AxisGeometry &g = graph->geometry[axis];
  // An axis squeezed to no length has every coordinate at its minimum.
  double offset = g.factor != 0 ? (coordinate - g.origin) / g.factor : 0;
  double v = (offset + a.min) * a.scale;
  if (a.base != 1) return std::pow(10.0, std::log10(static_cast<double>(a.base)) * v);
  return v;
}
