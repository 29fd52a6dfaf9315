// The manual range rule: a linear axis at least a millionth of a millionth of its ends long,
// the maximum above the minimum, and a manual increment positive and within the range.
#include "axis_range_check.h"

#include <cmath>

#include "../resources/resource_ids.h"
#include "axis.h"
#include "scaling.h"

namespace {

const double kShortestRelativeLength = 1e-12;

}  // namespace

int check_axis_range(bool logarithmic, const bool automatic[3], const double values[3]) {
  double min = values[kAutomaticMin], max = values[kAutomaticMax], increment = values[kAutomaticIncrement];
  bool linear = !logarithmic;
  if (linear && !automatic[kAutomaticMin] && !automatic[kAutomaticMax]) {
    double reference = std::fabs(min == 0 ? max : min);
    if (std::fabs(max - min) / reference < kShortestRelativeLength) return IDS_AXIS_TOO_SHORT;
  }
  if (linear) {
    Axis computed{};
    computed.base = 1;
    set_axis_range(computed, min, max, increment, true);
    if (automatic[kAutomaticMin]) min = computed.min * computed.scale;
    if (automatic[kAutomaticMax]) max = computed.max * computed.scale;
    if (automatic[kAutomaticIncrement]) increment = computed.increment * computed.scale;
  }
  if (max <= min) return IDS_MAX_NOT_ABOVE_MIN;
  if (linear && !automatic[kAutomaticIncrement]) {
    if (increment <= 0) return IDS_INCREMENT_NOT_POSITIVE;
    if (max - min < increment) return IDS_INCREMENT_EXCEEDS_RANGE;
  }
  return 0;
}
