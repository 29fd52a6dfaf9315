// Spectrum points stand at their bins' frequencies, so a spectrum that keeps its DC term
// starts at 0 Hz, which has no logarithm. Spectra are mostly read on logarithmic frequency
// axes; there the one point is set aside so that the rest can be shown, while the trace, its
// exports and a linear axis keep it. Any other point at or below 0, of a spectrum or not,
// still keeps the axis from turning logarithmic.
#include "spectrum_points.h"

#include <algorithm>

namespace {

int drawn_points(const Trace &t) {
  if (!t.x_values || !t.y_values) return 0;
  return std::max(0, std::min(t.point_count, t.drawn_point_count));
}

bool starts_at_zero_frequency(const Trace &t) {
  return t.spectrum && drawn_points(t) > 0 && t.x_values[0] == 0;
}

}  // namespace

int hidden_leading_points(const Graph &graph, const Trace &trace) {
  return graph.axes[0].base != 1 && starts_at_zero_frequency(trace) ? 1 : 0;
}

Trace trace_from_point(const Trace &trace, int first) {
  Trace view = trace;
  first = std::min(first, drawn_points(trace));
  if (first <= 0) return view;
  view.x_values += first;
  view.y_values += first;
  view.point_count -= first;
  view.drawn_point_count -= first;
  return view;
}

DataRange logarithmic_x_range(const Graph &graph, DataRange range) {
  if (range.min > 0 || !(range.max > 0)) return range;
  bool set_aside = false;
  double lowest = range.max;
  for (const Trace *t = graph.head ? graph.head->next : nullptr; t; t = t->next) {
    int first = starts_at_zero_frequency(*t) ? 1 : 0;
    set_aside = set_aside || first == 1;
    for (int i = first, n = drawn_points(*t); i < n; i++) {
      double x = t->x_values[i];
      if (!(x > 0)) return range;
      lowest = std::min(lowest, x);
    }
  }
  if (!set_aside) return range;
  return {lowest, range.max};
}
