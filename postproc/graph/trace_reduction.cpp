// Per-column reduction of a sweep.
#include "trace_reduction.h"

#include <cmath>
#include <utility>

#include "round.h"

void ColumnReducer::add(LogicalPoint point, std::vector<LogicalPoint> &out) {
  LogicalPoint d = to_device(device_, point);
  Kept kept{point, count_++};
  if (kept.order > 0 && d.x == column_) {
    // The first of equal extremes: any would light the same pixels.
    if (d.y < low_y_) low_y_ = d.y, lowest_ = kept;
    if (d.y > high_y_) high_y_ = d.y, highest_ = kept;
    last_ = kept;
    return;
  }
  if (kept.order > 0) {
    finish(out);
    count_ = 1;
    kept.order = 0;
  }
  column_ = d.x;
  first_ = lowest_ = highest_ = last_ = kept;
  low_y_ = high_y_ = d.y;
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
