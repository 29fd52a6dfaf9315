// Per-column reduction of a sweep.
#include "trace_reduction.h"

#include <algorithm>
#include <cmath>

#include "round.h"

std::vector<LogicalPoint> reduce_to_pixel_columns(const LogicalPoint *points, size_t count,
                                                  const DeviceTransform &device) {
  std::vector<LogicalPoint> kept;
  size_t start = 0;
  while (start < count) {
    LogicalPoint first = to_device(device, points[start]);
    size_t lowest = start, highest = start;
    int low_y = first.y, high_y = first.y;
    size_t end = start + 1;
    for (; end < count; end++) {
      LogicalPoint d = to_device(device, points[end]);
      if (d.x != first.x) break;
      // The first of equal extremes: any would light the same pixels.
      if (d.y < low_y) low_y = d.y, lowest = end;
      if (d.y > high_y) high_y = d.y, highest = end;
    }
    size_t last = end - 1;
    size_t chosen[4] = {start, std::min(lowest, highest), std::max(lowest, highest), last};
    for (int i = 0; i < 4; i++)
      if (i == 0 || chosen[i] != chosen[i - 1]) kept.push_back(points[chosen[i]]);
    start = end;
  }
  return kept;
}

bool reducible_pen(const Pen &pen, const DeviceTransform &device) {
  if (pen.style != kPenSolid) return false;
  return round_half_away(pen.width * std::fabs(device.scale_x)) <= 1.0;
}
