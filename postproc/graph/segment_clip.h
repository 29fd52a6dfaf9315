// Trace segments cut to the square that 16-bit device coordinates hold.
#pragma once

#include "coordinates.h"
#include "symbols.h"

// A point in logical units before rounding.
struct ExactPoint {
  double x, y;
};

// Whether both coordinates lie within +-kCoordinateLimit.
bool within_coordinate_limits(ExactPoint p);

// Cuts the segment a-b to that square along its true line, in double precision; false when
// no part of it lies there. An end inside the square is left as it is, bit for bit.
bool clip_to_coordinate_limits(ExactPoint &a, ExactPoint &b);

// A logical coordinate: clamped to +-kCoordinateLimit, rounded half away from zero; 0 for a
// value that is not a number.
inline int logical_coordinate(double x) {
  if (x != x) return 0;
  if (x >= kCoordinateLimit) return kCoordinateLimit;
  if (x <= -kCoordinateLimit) return -kCoordinateLimit;
  // Within the limits truncation is the int conversion; halves go away from zero. Written
  // without branches: the fraction of noisy data is a coin toss for a predictor.
  int t = static_cast<int>(x);
  double f = x - t;
  return t + static_cast<int>(f >= 0.5) - static_cast<int>(f <= -0.5);
}

inline LogicalPoint logical_point(ExactPoint p) { return {logical_coordinate(p.x), logical_coordinate(p.y)}; }
