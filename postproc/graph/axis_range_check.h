// Whether a manual axis range is one to draw: the rule of the Format Axis dialog's OK and of
// a graph file's stored range alike, on numbers.
#pragma once

// values and automatic are indexed by AutomaticFlag (min, max, increment); values are real
// values, not axis units. An automatic value is what the program would compute from the
// others, so the checks see the range that would be drawn. Returns the string id of the
// message that refuses the range, or 0.
int check_axis_range(bool logarithmic, const bool automatic[3], const double values[3]);
