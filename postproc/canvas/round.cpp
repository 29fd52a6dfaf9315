// Rounding computed from the truncated value and its fraction, step by step as the rule reads,
// so a value just below a half stays below it whatever the C library's rounding does.
#include "round.h"

#include <cmath>

double round_half_away(double x) {
  double t = std::trunc(x);
  double f = x - t;
  if (f >= 0.5) return t + 1;
  if (f <= -0.5) return t - 1;
  return t;
}

double frac(double x) { return x - std::trunc(x); }

int round_to_int(double x, int low, int high) {
  if (std::isnan(x)) return 0;
  double r = round_half_away(x);
  if (r < low) return low;
  if (r > high) return high;
  return static_cast<int>(r);
}
