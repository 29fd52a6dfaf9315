// How a pen of the graph looks on a device that is not GDI: its width in device units and
// its dashes, imitating GDI's cosmetic pens.
#pragma once

#include <cstddef>

#include "canvas.h"

// Width 0 is one device pixel; otherwise the logical width scaled, at least one pixel.
double device_pen_width(const Pen &pen, double scale);

struct DashPattern {
  const double *lengths;   // device units, on and off alternating; none for a solid line
  size_t count;
};
// GDI dashes only pens of one pixel; wider ones draw solid.
DashPattern dash_pattern(int style, double device_width);

// Where a line of this width lies so that it covers whole pixels: the centre of a pixel for
// an odd width, its edge for an even one.
double pixel_offset(double device_width);
