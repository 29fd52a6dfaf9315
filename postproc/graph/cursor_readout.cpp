// Cursor read-outs and the span measurements.
//
// Numbers go through c_format, so that exponents have three digits as everywhere in the
// program. The nearest trace is judged in values at the cursor's x, which needs no layout
// and does not depend on the window's shape.
#include "cursor_readout.h"

#include <algorithm>
#include <cmath>

#include "../base/cformat.h"

namespace {

const int kMaxCursorDigits = 20;

int drawn_points(const Trace &t) {
  if (!t.x_values || !t.y_values) return 0;
  return std::max(0, std::min(t.point_count, t.drawn_point_count));
}

// The trace's value at x by linear interpolation between the first pair of points around it;
// outside the trace's x span, the nearer end point's value.
bool value_at(const Trace &t, double x, double &y) {
  int n = drawn_points(t);
  if (n == 0) return false;
  for (int i = 0; i + 1 < n; i++) {
    double x0 = t.x_values[i], x1 = t.x_values[i + 1];
    if ((x0 <= x && x <= x1) || (x1 <= x && x <= x0)) {
      y = x1 == x0 ? t.y_values[i] : t.y_values[i] + (t.y_values[i + 1] - t.y_values[i]) * (x - x0) / (x1 - x0);
      return true;
    }
  }
  y = std::fabs(x - t.x_values[0]) <= std::fabs(x - t.x_values[n - 1]) ? t.y_values[0] : t.y_values[n - 1];
  return true;
}

}  // namespace

int cursor_digits(int digits) { return std::min(std::max(digits, 0), kMaxCursorDigits); }

std::string cursor_number(double value, int digits, int format) {
  int d = cursor_digits(digits);
  return format == kCursorDecimal ? c_format("%-.*lf", d, value) : c_format("%-.*lE", d, value);
}

std::string cursor_readout(double x, double y, int digits, int format) {
  return "(" + cursor_number(x, digits, format) + "," + cursor_number(y, digits, format) + ")";
}

std::string cursor_difference(const CursorPoint &one, const CursorPoint &two, int digits, int format) {
  return cursor_readout(one.x - two.x, one.y - two.y, digits, format);
}

const Trace *nearest_trace(const Graph &graph, const CursorPoint &at) {
  const Trace *best = nullptr;
  double best_distance = 0;
  for (const Trace *t = graph.head ? graph.head->next : nullptr; t; t = t->next) {
    double y;
    if (!value_at(*t, at.x, y)) continue;
    double distance = std::fabs(y - at.y);
    if (!best || distance < best_distance) {
      best = t;
      best_distance = distance;
    }
  }
  return best;
}

SpanStatistics span_statistics(const Trace &trace, double x1, double x2) {
  return measure_span(trace.x_values, trace.y_values, drawn_points(trace), x1, x2);
}
