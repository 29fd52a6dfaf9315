// Clipping a segment to the coordinate limits (Liang and Barsky's parametric form).
//
// Clamping each end on its own would move a far end along one axis only, so the drawn line
// would point elsewhere than the data: zoomed in, a gentle slope whose next sample lies a few
// plot widths off the edge came out steep. Cutting the segment where it leaves the square
// keeps the part that is drawn on the true line. Ends inside the square are not recomputed,
// so a segment that never leaves it rounds exactly as before.
#include "segment_clip.h"

namespace {

const double kLimit = kCoordinateLimit;

// Narrows [t0, t1] to where p * t <= q holds; false when nothing is left.
bool narrow(double p, double q, double &t0, double &t1) {
  if (p == 0) return q >= 0;   // parallel to this edge: wholly in or wholly out
  double t = q / p;
  if (p < 0) {
    if (t > t1) return false;
    if (t > t0) t0 = t;
  } else {
    if (t < t0) return false;
    if (t < t1) t1 = t;
  }
  return true;
}

}  // namespace

bool within_coordinate_limits(ExactPoint p) {
  return p.x >= -kLimit && p.x <= kLimit && p.y >= -kLimit && p.y <= kLimit;
}

bool clip_to_coordinate_limits(ExactPoint &a, ExactPoint &b) {
  double dx = b.x - a.x, dy = b.y - a.y;
  double t0 = 0, t1 = 1;
  if (!narrow(-dx, a.x + kLimit, t0, t1) || !narrow(dx, kLimit - a.x, t0, t1) ||
      !narrow(-dy, a.y + kLimit, t0, t1) || !narrow(dy, kLimit - a.y, t0, t1))
    return false;
  // An end inside stays, also where rounding put its parameter an ulp short of it.
  ExactPoint from = a;
  if (t1 < 1 && !within_coordinate_limits(b)) b = {from.x + t1 * dx, from.y + t1 * dy};
  if (t0 > 0 && !within_coordinate_limits(from)) a = {from.x + t0 * dx, from.y + t0 * dy};
  return true;
}
