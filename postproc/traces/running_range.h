// The minimum and maximum that a batch of new or recomputed traces collects for an axis's
// data range.
#pragma once

struct RunningRange {
  double min, max;
};

// [+1.7976931348623157e308, -1.7976931348623157e308]: holds no value yet.
RunningRange empty_running_range();
// Takes in the finite values; a non-number or an infinity (which a complex run and the direct
// plots let through) would leave no axis range to draw on.
void extend_range(RunningRange &range, const double *values, int count);
// Whether at least one value came in: minimum below 1.7976931348623158e307 and maximum above
// its negative.
bool range_holds_values(const RunningRange &range);
