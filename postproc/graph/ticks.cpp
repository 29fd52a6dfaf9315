// Tick positions. Values advance by repeated addition, not min + k * increment, so that
// ticks and labels see exactly the values their walk produces.
#include "ticks.h"

#include <climits>
#include <cmath>

#include "coordinates.h"
#include "../canvas/round.h"

namespace {

void add_capped(int *list, int &count, int capacity, int value) {
  if (count < capacity)
    list[count++] = value;
  else
    list[capacity - 1] = value;
}

double real_value(const Axis &axis, double v) {
  return axis.base == 1 ? v * axis.scale : std::pow(axis.base, v * axis.scale);
}

void add_minor_tics(Graph *graph, int axis, double v) {
  const Axis &a = graph->axes[axis];
  AxisGeometry &g = graph->geometry[axis];
  if (a.base != 1) {
    double decade = std::pow(a.base, v);
    for (int j = 2; j <= a.base - 1; j++)
      add_capped(g.tics, g.tic_count, kMaxTics, value_to_logical(graph, axis, j * decade));
    return;
  }
  if (!(a.max - v > 0.9999 * a.increment) || a.tics < 1) return;
  long long n = static_cast<long long>(a.tics) + 1;
  // Once the list is full only the last tic of an interval leaves a trace.
  long long first = g.tic_count < kMaxTics ? 1 : n - 1;
  for (long long j = first; j <= n - 1; j++) {
    double value = real_value(a, v + j * a.increment / n);
    add_capped(g.tics, g.tic_count, kMaxTics, value_to_logical(graph, axis, value));
  }
}

}  // namespace

std::vector<double> tick_values(const Axis &axis) {
  std::vector<double> values;
  double limit = axis.max - axis.increment * 1e-5;
  double v = axis.min;
  while (v < limit && static_cast<int>(values.size()) < kMaxTickSteps) {
    values.push_back(v);
    double next = v + axis.increment;
    if (!(next > v)) break;   // an increment that cannot move v on
    v = next;
  }
  return values;
}

void set_axis_extent(Graph *graph, int axis, int origin, int length) {
  if (!graph || (axis != 0 && axis != 1)) return;
  graph->geometry[axis].origin = origin;
  graph->geometry[axis].length = length;
}

void compute_axis_ticks(Graph *graph, int axis) {
  if (!graph || (axis != 0 && axis != 1)) return;
  const Axis &a = graph->axes[axis];
  AxisGeometry &g = graph->geometry[axis];
  g.factor = g.length / (a.max - a.min);
  g.tick_spacing = round_to_int(std::fabs(g.factor * a.increment), 0, INT_MAX);
  g.tick_count = 0;
  g.tic_count = 0;
  for (double v : tick_values(a)) {
    add_capped(g.ticks, g.tick_count, kMaxTicks, value_to_logical(graph, axis, real_value(a, v)));
    add_minor_tics(graph, axis, v);
  }
}
