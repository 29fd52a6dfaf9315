// Sorted abscissas (the usual case) are walked once, O(points + samples): the sample times
// never decrease, since k*T/(M-1) is monotone in k under correctly rounded arithmetic, so the
// walk finds the same interval a binary search would. An abscissa that is not sorted (or
// holds a NaN) falls back to the binary search per sample, which stays in bounds and gives
// the values the plain rule defines.
#include "resample.h"

#include <algorithm>

namespace {

bool sorted(const double *x, int32_t n) {
  for (int32_t i = 1; i < n; i++)
    if (!(x[i] >= x[i - 1])) return false;
  return true;
}

// The last index with x[i] <= t, or 0 when there is none.
int32_t search(const double *x, int32_t n, double t) {
  int32_t lo = 0, hi = n - 1;
  while (lo < hi) {
    int32_t mid = lo + (hi - lo + 1) / 2;
    if (x[mid] <= t)
      lo = mid;
    else
      hi = mid - 1;
  }
  return lo;
}

double interpolate(const double *x, const double *y, int32_t n, int32_t i, double t) {
  if (i >= n - 1) i = n - 2;
  double width = x[i + 1] - x[i];
  if (width == 0) return y[i + 1];
  return y[i] + (t - x[i]) * (y[i + 1] - y[i]) / width;
}

}  // namespace

void resample_uniform(const double *x, const double *y, int32_t points, int32_t samples,
                      double *out) {
  if (samples <= 0 || points <= 0) return;
  if (samples == points) {
    std::copy(y, y + points, out);
    return;
  }
  if (points == 1) {
    std::fill(out, out + samples, y[0]);
    return;
  }
  double x0 = x[0], span = x[points - 1] - x[0];
  int32_t last = samples - 1;
  bool walk = sorted(x, points);
  int32_t i = 0;
  for (int32_t k = 1; k < last; k++) {
    double t = x0 + k * span / last;
    if (walk)
      while (i + 1 < points && x[i + 1] <= t) i++;
    else
      i = search(x, points, t);
    out[k] = interpolate(x, y, points, i, t);
  }
  out[0] = y[0];
  out[last] = y[points - 1];
}
