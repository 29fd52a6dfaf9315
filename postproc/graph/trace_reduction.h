// Drawing only what can show: a long sweep reduced, per device-pixel column, to the points
// that decide that column's pixels.
//
// Within one column every segment is vertical, so the pixels a run of points lights there
// are those between its lowest and highest point; the segments into and out of the column
// start at its first point and end at its last. Keeping first, lowest, highest and last, in
// their order, therefore draws the same pixels with a one-pixel solid pen, the end pixel that
// a line leaves out included. Dashes (whose pattern runs along the path) and wider pens
// (whose joins and caps depend on every vertex) get the full path.
#pragma once

#include <cstddef>
#include <vector>

#include "../canvas/canvas.h"
#include "trace_coordinates.h"

// Reduces a sweep fed one point at a time, so that a long trace is never held twice: the
// indices of the points to keep are appended to `kept` as each column's run ends. Indices
// rise through a sweep.
class ColumnReducer {
 public:
  explicit ColumnReducer(const DeviceTransform &device) : device_(device) {}
  // Point `index` at `point`; true when it starts a new run.
  bool add(size_t index, LogicalPoint point, std::vector<size_t> &kept) {
    // Dense traces repeat x: the same x is the same column, so the run goes on.
    if (running_ && point.x == cached_x_) {
      add_in_column(index, point.y);
      return false;
    }
    return add_at_new_x(index, point, kept);
  }
  // Point `index`, known to be in the run's column, at logical height y; true when y is a new
  // lowest or highest of the run.
  bool add_in_column(size_t index, int y) {
    last_ = index;
    // The first of equal extremes: any would light the same pixels.
    if (y < lowest_.y) {
      lowest_ = {index, y};
      return true;
    }
    if (y > highest_.y) {
      highest_ = {index, y};
      return true;
    }
    return false;
  }
  // Point `index`, known to be in the run's column and within its lowest and highest y: it
  // can only become the run's last point.
  void extend(size_t index) { last_ = index; }
  // Ends the sweep: keeps the last run's points and starts afresh.
  void finish(std::vector<size_t> &kept);

 private:
  struct Extreme {
    size_t index;
    int y;
  };
  bool add_at_new_x(size_t index, LogicalPoint point, std::vector<size_t> &kept);

  DeviceTransform device_;
  bool running_ = false;
  int column_ = 0;
  int cached_x_ = 0;   // the x of the last point added at a new x
  size_t first_ = 0, last_ = 0;
  Extreme lowest_{}, highest_{};
};

// The points of `points` (one unbroken sweep, logical units) to draw instead of all of them,
// in their order.
std::vector<LogicalPoint> reduce_to_pixel_columns(const LogicalPoint *points, size_t count,
                                                  const DeviceTransform &device);

// Whether a pen draws one device pixel wide under `device`, so that reduction is exact.
bool reducible_pen(const Pen &pen, const DeviceTransform &device);

// A closed interval of values; empty when low > high (NaN is in none).
struct ValueRange {
  double low, high;
  bool contains(double v) const { return v >= low && v <= high; }
};
const ValueRange kNoValues{1.0, 0.0};

// Every value of a monotone axis (AxisToLogical::monotone) that lands in the device column of
// `value`, which must be a number: comparing a value with this range then replaces its
// conversion. The edges are exact, found by search from the inverse mapping's estimate.
ValueRange column_values(const AxisToLogical &axis, const DeviceTransform &device, double value);
// Every value of a monotone axis whose logical coordinate is that of `value` (a number).
ValueRange coordinate_values(const AxisToLogical &axis, double value);
