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

#include "canvas.h"

// Reduces a sweep fed one point at a time, so that a long trace is never held twice: points
// to keep are appended to `out` as each column's run ends.
class ColumnReducer {
 public:
  explicit ColumnReducer(const DeviceTransform &device) : device_(device) {}
  void add(LogicalPoint point, std::vector<LogicalPoint> &out) {
    // Dense traces repeat x: the same x is the same column, so the run goes on.
    if (count_ > 0 && point.x == cached_x_) {
      Kept kept{point, count_++};
      // The first of equal extremes: any would light the same pixels.
      if (point.y < lowest_.point.y) lowest_ = kept;
      if (point.y > highest_.point.y) highest_ = kept;
      last_ = kept;
      return;
    }
    add_at_new_x(point, out);
  }
  // Ends the sweep: flushes the last run and starts afresh.
  void finish(std::vector<LogicalPoint> &out);

 private:
  struct Kept {
    LogicalPoint point;
    long long order;   // position in the run
  };
  void add_at_new_x(LogicalPoint point, std::vector<LogicalPoint> &out);

  DeviceTransform device_;
  long long count_ = 0;
  int column_ = 0;
  int cached_x_ = 0;   // the x of the last point added
  Kept first_{}, lowest_{}, highest_{}, last_{};
};

// The points of `points` (one unbroken sweep, logical units) to draw instead of all of them,
// in their order.
std::vector<LogicalPoint> reduce_to_pixel_columns(const LogicalPoint *points, size_t count,
                                                  const DeviceTransform &device);

// Whether a pen draws one device pixel wide under `device`, so that reduction is exact.
bool reducible_pen(const Pen &pen, const DeviceTransform &device);
