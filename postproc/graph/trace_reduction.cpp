// Per-column reduction of a sweep.
//
// Device y only grows or only falls with logical y, so the lowest and highest logical y of a
// run are its device extremes too (which is which does not matter: both are kept, in order),
// and only x needs the device transform.
#include "trace_reduction.h"

#include <cmath>
#include <utility>

#include "round.h"

void ColumnReducer::add_at_new_x(LogicalPoint point, std::vector<LogicalPoint> &out) {
  int column = to_device(device_, {point.x, 0}).x;
  cached_x_ = point.x;
  Kept kept{point, count_++};
  if (kept.order > 0 && column == column_) {
    if (point.y < lowest_.point.y) lowest_ = kept;
    if (point.y > highest_.point.y) highest_ = kept;
    last_ = kept;
    return;
  }
  if (kept.order > 0) {
    finish(out);
    count_ = 1;
    kept.order = 0;
  }
  column_ = column;
  first_ = lowest_ = highest_ = last_ = kept;
}

void ColumnReducer::finish(std::vector<LogicalPoint> &out) {
  if (count_ == 0) return;
  Kept chosen[4] = {first_, lowest_, highest_, last_};
  if (chosen[2].order < chosen[1].order) std::swap(chosen[1], chosen[2]);
  for (int i = 0; i < 4; i++)
    if (i == 0 || chosen[i].order != chosen[i - 1].order) out.push_back(chosen[i].point);
  count_ = 0;
}

std::vector<LogicalPoint> reduce_to_pixel_columns(const LogicalPoint *points, size_t count,
                                                  const DeviceTransform &device) {
  std::vector<LogicalPoint> kept;
  ColumnReducer reducer(device);
  for (size_t i = 0; i < count; i++) reducer.add(points[i], kept);
  reducer.finish(kept);
  return kept;
}

bool reducible_pen(const Pen &pen, const DeviceTransform &device) {
  if (pen.style != kPenSolid) return false;
  return round_half_away(pen.width * std::fabs(device.scale_x)) <= 1.0;
}
