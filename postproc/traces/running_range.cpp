#include "running_range.h"

#include <cmath>
#include <limits>

namespace {

const double kHeldLimit = 1.7976931348623158e307;

}  // namespace

RunningRange empty_running_range() {
  return {std::numeric_limits<double>::max(), -std::numeric_limits<double>::max()};
}

void extend_range(RunningRange &range, const double *values, int count) {
  for (int i = 0; i < count; i++) {
    double v = values[i];
    if (!std::isfinite(v)) continue;
    if (v < range.min) range.min = v;
    if (v > range.max) range.max = v;
  }
}

bool range_holds_values(const RunningRange &range) {
  return range.min < kHeldLimit && range.max > -kHeldLimit;
}
