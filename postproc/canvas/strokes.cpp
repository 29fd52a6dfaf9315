#include "strokes.h"

#include <cmath>

namespace {

const double kDash[] = {18, 6};
const double kDot[] = {3, 3};
const double kDashDot[] = {9, 6, 3, 6};
const double kDashDotDot[] = {9, 3, 3, 3, 3, 3};

}  // namespace

double device_pen_width(const Pen &pen, double scale) {
  if (pen.width <= 0) return 1;
  return std::fmax(1.0, std::round(pen.width * std::fabs(scale)));
}

DashPattern dash_pattern(int style, double device_width) {
  if (device_width > 1) return {nullptr, 0};
  switch (style) {
    case kPenDash: return {kDash, 2};
    case kPenDot: return {kDot, 2};
    case kPenDashDot: return {kDashDot, 4};
    case kPenDashDotDot: return {kDashDotDot, 6};
    default: return {nullptr, 0};
  }
}

double pixel_offset(double device_width) {
  return std::fmod(device_width, 2.0) == 1.0 ? 0.5 : 0.0;
}
