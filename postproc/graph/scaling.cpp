// Axis scaling.
//
// The constants are part of the behaviour users see and are kept exactly: 1e-29 is the
// smallest magnitude the power functions treat as non-zero, 1e-15 marks a degenerate
// normalized range, 1e-9 is the snapping tolerance and the zero test of an end, 1e-12 the
// smallest relative width a zoom may reach.
#include "scaling.h"

#include <cmath>
#include <utility>

#include "../base/messages.h"
#include "../resources/resource_ids.h"
#include "resources.h"
#include "../canvas/round.h"
#include "spectrum_points.h"

namespace {

const double kZeroMagnitude = 1e-29;
const double kDegenerate = 1e-15;
const double kSnapTolerance = 1e-9;
const double kZoomLimit = 1e-12;

// The range checks speak without owner or caption: they run before a window may exist.
void warn(int string_id) { show_uncaptioned(kMbIconExclamation, string_id); }

double exact_power(int e) {
  double p = 1.0;
  for (int i = 0; i < e; i++) p *= 10.0;
  return p;
}

// Linear, or a logarithm base up to 10: a base below 2 has no usable logarithm, and the
// minor tics of a decade grow with the base.
bool valid_base(int base) { return base == 1 || (base >= 2 && base <= 10); }

double log_base(double v, int base) { return std::log10(v) / std::log10(static_cast<double>(base)); }

// A logarithm within the snapping tolerance of a whole number is that number: a sweep that
// ends at 1e7 and is written as 10000000.000000212 ends on the decade, and rounding in the
// data must not add an empty one when the end is raised or lowered to enclose it.
double snapped_log_base(double v, int base) {
  double l = log_base(v, base);
  double whole = round_half_away(l);
  return std::fabs(l - whole) < kSnapTolerance ? whole : l;
}

bool valid_axis(const Graph *graph, int axis) { return graph && (axis == 0 || axis == 1); }

// The data range an axis of `base` is scaled from: on a logarithmic x axis, without the 0 Hz
// points of spectra.
DataRange scaled_data_range(const Graph *graph, int axis, int base) {
  DataRange range = graph->data_range[axis];
  return axis == 0 && base != 1 ? logarithmic_x_range(*graph, range) : range;
}

}  // namespace

double power_of_ten(int e) {
  // Powers up to 10^22 are exact doubles, and one correctly rounded division gives the
  // nearest double to a negative power; only beyond that does pow decide.
  if (e >= 0 && e <= 22) return exact_power(e);
  if (e < 0 && e >= -22) return 1.0 / exact_power(-e);
  return std::pow(10.0, e);
}

namespace {

// 10^e for a whole e computed in doubles, which may be out of the int range.
double ten_to(double e) {
  if (std::isfinite(e) && std::fabs(e) <= 400) return power_of_ten(static_cast<int>(e));
  return std::pow(10.0, e);
}

}  // namespace

double normalization_power(double m) {
  if (m < kZeroMagnitude) return 1.0;
  double e = round_half_away(std::log10(m));
  if (e >= 0) e += 1;
  return ten_to(e);
}

EngineeringSplit engineering_split(double x) {
  double a = std::fabs(x);
  if (a < kZeroMagnitude) return {0.0, 1.0};
  double l = std::log10(a);
  double e = l >= 0 ? std::trunc(l) : round_half_away(l);
  double r = std::fmod(std::fabs(e), 3.0);
  double p = a >= 1 ? e - r : e - std::fmod(3.0 - r, 3.0);
  double power = ten_to(p);
  return {x / power, power};
}

double snap_up(double step, double x) {
  double r = frac(x / step);
  return r >= kSnapTolerance ? x + (1 - r) * step : x;
}

double nice_increment(double r) {
  const GraphResources *resources = graph_resources();
  if (!resources) return 0.5;
  const double *table = resources->increment_table;
  int i = 0;
  for (; table[i] != 0.0; i++)
    if (round_half_away(r / table[i]) <= resources->maximum_interval_count) return table[i];
  // Normalized ranges stay below 6.4, so the last entry always qualifies; a range that is
  // not a number qualifies for none and gets the coarsest.
  return i > 0 ? table[i - 1] : 0.5;
}

bool check_axis_range(double &min, double &max, int &base, bool floor_min, bool ceil_max) {
  if (min == max && !floor_min && !ceil_max) {
    warn(IDS_EQUAL_LIMITS);
    return false;
  }
  if (min == 0 && max == 0) return true;
  if (base == 1) return true;
  if (min <= 0 || max <= 0) {
    warn(IDS_LOG_NOT_POSITIVE);
    base = 1;
    return false;
  }
  double exact_min = snapped_log_base(min, base);
  min = round_half_away(exact_min);
  if (floor_min && min > exact_min) min -= 1;
  double exact_max = snapped_log_base(max, base);
  max = round_half_away(exact_max);
  if (ceil_max && max < exact_max) max += 1;
  return true;
}

namespace {

void set_linear_range(Axis &axis, double lo, double hi, double increment, bool automatic) {
  double range = std::fabs(hi - lo);
  double m = std::fabs(lo) < std::fabs(hi) ? std::fabs(hi) : std::fabs(lo);
  double s = normalization_power(m);
  double lo_n = lo / s, hi_n = hi / s;
  if (range / s < kDegenerate) {
    if (std::fabs(hi_n) / s < kDegenerate) {
      hi_n += 5;
      lo_n -= 1;
    } else {
      double widen = std::fabs(hi_n);
      hi_n += widen;
      lo_n -= widen;
    }
    range = std::fabs(hi_n - lo_n) * s;
  }
  if (!automatic) {
    double end = std::fabs(hi_n) > kSnapTolerance ? hi_n : lo_n;
    double p = engineering_split(end * s).power;
    axis.min = lo_n * s / p;
    axis.max = hi_n * s / p;
    axis.increment = increment / p;
    axis.scale = p;
    return;
  }
  double inc = nice_increment(range / s);
  double a = snap_up(inc, std::fabs(lo_n));
  double b = snap_up(inc, std::fabs(hi_n));
  if (hi_n < 0) b = -b;
  if (lo_n < 0) a = -a;
  if (hi_n > b) b += inc;
  if (lo_n < a) a -= inc;
  double end = std::fabs(b) > kSnapTolerance ? b : a;
  double p = engineering_split(end * s).power;
  axis.min = a * s / p;
  axis.max = b * s / p;
  axis.increment = inc * s / p;
  axis.scale = p;
}

bool finite_range(const Axis &axis) {
  return std::isfinite(axis.min) && std::isfinite(axis.max) && std::isfinite(axis.increment) &&
         std::isfinite(axis.scale);
}

}  // namespace

void set_axis_range(Axis &axis, double lo, double hi, double increment, bool automatic) {
  if (axis.base != 1) {
    axis.increment = 1;
    axis.scale = 1;
    axis.min = lo;
    axis.max = hi == lo ? hi + 1 : hi;
    return;
  }
  set_linear_range(axis, lo, hi, increment, automatic);
  if (finite_range(axis)) return;
  // Data beyond about 3e307 push the normalization power past the largest double. Scaled
  // down by 10^6, a multiple of three decades, the same steps give the same axis units and
  // a scale 10^6 smaller.
  const double shift = 1e6;
  set_linear_range(axis, lo / shift, hi / shift, increment / shift, automatic);
  axis.scale *= shift;
}

bool set_data_range(Graph *graph, int axis, double lo, double hi) {
  if (!valid_axis(graph, axis)) return false;
  graph->data_range[axis] = {lo, hi};
  Axis &a = graph->axes[axis];
  DataRange scaled = scaled_data_range(graph, axis, a.base);
  lo = scaled.min;
  hi = scaled.max;
  if (!check_axis_range(lo, hi, a.base, true, true)) return false;
  set_axis_range(a, lo, hi, 0, true);
  return true;
}

bool set_axis_base(Graph *graph, int axis, int base) {
  if (!valid_axis(graph, axis) || !valid_base(base)) return false;
  DataRange scaled = scaled_data_range(graph, axis, base);
  double lo = scaled.min, hi = scaled.max;
  int checked_base = base;
  if (!check_axis_range(lo, hi, checked_base, true, true)) return false;
  Axis &a = graph->axes[axis];
  a.base = base;
  set_axis_range(a, lo, hi, 0, true);
  return true;
}

bool set_manual_range(Graph *graph, int axis, double min, double max, double increment) {
  if (!valid_axis(graph, axis)) return false;
  Axis &a = graph->axes[axis];
  DataRange scaled = scaled_data_range(graph, axis, a.base);
  if (a.automatic_min) min = scaled.min;
  if (a.automatic_max) max = scaled.max;
  if (!check_axis_range(min, max, a.base, a.automatic_min, a.automatic_max)) return false;
  set_axis_range(a, min, max, increment, true);
  if (a.automatic_min) min = a.min * a.scale;
  if (a.automatic_max) max = a.max * a.scale;
  if (a.automatic_increment) increment = a.increment * a.scale;
  set_axis_range(a, min, max, increment, false);
  return true;
}

bool zoom_axis_range(Graph *graph, int axis, double lo, double hi, double increment, bool zoom) {
  if (!valid_axis(graph, axis)) return false;
  if (lo > hi) std::swap(lo, hi);
  Axis &a = graph->axes[axis];
  if (!check_axis_range(lo, hi, a.base, zoom, zoom)) return false;
  set_axis_range(a, lo, hi, increment, false);
  return true;
}

ZoomOutcome zoom_graph(Graph *graph, double x_lo, double x_hi, double y_lo, double y_hi) {
  ZoomOutcome outcome{};
  if (!graph) return outcome;
  for (Axis &a : graph->axes)
    a.automatic_min = a.automatic_max = a.automatic_increment = false;
  const double bands[2][2] = {{x_lo, x_hi}, {y_lo, y_hi}};
  for (int axis = 0; axis < 2; axis++) {
    double lo = bands[axis][0], hi = bands[axis][1];
    if (lo > hi) std::swap(lo, hi);
    double d = lo != 0 ? lo : hi;
    // A band of no width at zero divides 0 by 0; it is as narrow as a band can be.
    if (!(std::fabs(hi - lo) / std::fabs(d) >= kZoomLimit)) {
      show_message(graph->owner, kMbIconStop, axis == 0 ? IDS_MAX_ZOOM_X : IDS_MAX_ZOOM_Y);
      continue;
    }
    outcome.zoomed[axis] = zoom_axis_range(graph, axis, lo, hi, (hi - lo) / 3, true);
  }
  return outcome;
}
