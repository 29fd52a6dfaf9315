// The isotropic mapping shared by every canvas that is not the platform's own.
#include "geometry.h"

#include <algorithm>
#include <cmath>

#include "round.h"

namespace {

double ratio(int viewport, int window) { return window == 0 ? 0.0 : static_cast<double>(viewport) / window; }

}  // namespace

DeviceTransform device_transform(const Mapping &m) {
  double rx = ratio(m.viewport_extent.width, m.window_extent.width);
  double ry = ratio(m.viewport_extent.height, m.window_extent.height);
  double s = std::min(std::fabs(rx), std::fabs(ry));
  DeviceTransform t;
  t.scale_x = rx < 0 ? -s : s;
  t.scale_y = ry < 0 ? -s : s;
  t.offset_x = m.viewport_origin.x - m.window_origin.x * t.scale_x;
  t.offset_y = m.viewport_origin.y - m.window_origin.y * t.scale_y;
  return t;
}

LogicalPoint to_device(const DeviceTransform &t, LogicalPoint p) {
  const int kFar = 1 << 30;   // far off any device, and still an int
  return {round_to_int(p.x * t.scale_x + t.offset_x, -kFar, kFar),
          round_to_int(p.y * t.scale_y + t.offset_y, -kFar, kFar)};
}
