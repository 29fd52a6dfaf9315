#include "raster.h"

#include <cstdlib>

void rasterise_line(LogicalPoint a, LogicalPoint b, Pixels &pixels) {
  int dx = std::abs(b.x - a.x), sx = a.x < b.x ? 1 : -1;
  int dy = -std::abs(b.y - a.y), sy = a.y < b.y ? 1 : -1;
  int error = dx + dy;
  int x = a.x, y = a.y;
  while (x != b.x || y != b.y) {
    pixels.insert({x, y});
    int e2 = 2 * error;
    if (e2 >= dy) error += dy, x += sx;
    if (e2 <= dx) error += dx, y += sy;
  }
}

Pixels rasterise(const std::vector<LogicalPoint> &points, const DeviceTransform &device) {
  Pixels pixels;
  for (size_t i = 1; i < points.size(); i++)
    rasterise_line(to_device(device, points[i - 1]), to_device(device, points[i]), pixels);
  return pixels;
}

Pixels rasterise_lines(const std::vector<DrawRecord> &records, const DeviceTransform &device) {
  Pixels pixels;
  LogicalPoint at{0, 0};
  for (const DrawRecord &r : records) {
    if (r.op == DrawOp::kMoveTo) {
      at = to_device(device, r.points[0]);
    } else if (r.op == DrawOp::kLineTo) {
      LogicalPoint to = to_device(device, r.points[0]);
      rasterise_line(at, to, pixels);
      at = to;
    } else if (r.op == DrawOp::kPolyline) {
      Pixels more = rasterise(r.points, device);
      pixels.insert(more.begin(), more.end());
    }
  }
  return pixels;
}

size_t differing_pixels(const Pixels &a, const Pixels &b) {
  size_t differ = 0;
  for (const auto &p : a) differ += b.count(p) == 0;
  for (const auto &p : b) differ += a.count(p) == 0;
  return differ;
}
