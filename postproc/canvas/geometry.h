// The geometry records of every drawing: logical points, rectangles, text sizes, colours,
// and the isotropic mapping of a logical window onto a device. Plain values, no drawing.
#pragma once

#include <cstdint>

struct LogicalPoint {
  int x, y;
};

struct LogicalRect {
  int left, top, right, bottom;
};

struct TextSize {
  int width, height;
};

struct Colour {
  uint8_t red, green, blue;
};

// The isotropic mapping of a logical window onto the device viewport: the window extent is
// scaled by the same factor in both directions so that the whole window fits the viewport.
struct Mapping {
  LogicalPoint window_origin;
  TextSize window_extent;
  LogicalPoint viewport_origin;
  TextSize viewport_extent;
};

// Where a logical point lands on the device under an isotropic mapping. Like the platform,
// the axis with the larger ratio is shrunk to the other's scale (the picture is not centred);
// a direction whose extents have opposite signs runs backwards.
struct DeviceTransform {
  double scale_x, scale_y;   // device units per logical unit, signed
  double offset_x, offset_y; // device position of logical (0, 0)
};
DeviceTransform device_transform(const Mapping &mapping);
// Rounded to the nearest device unit, halves away from zero.
LogicalPoint to_device(const DeviceTransform &t, LogicalPoint logical);
