// The rounding of all drawing geometry.
#pragma once

// Rounds half away from zero (2.5 -> 3, -2.5 -> -3), computed from the truncated value so
// that every platform agrees. The result is a whole number kept as a double: callers clamp
// before converting, since a data value may lie far outside the int range.
double round_half_away(double x);

// x minus x truncated toward zero (negative for negative x).
double frac(double x);

// round_half_away, clamped to [low, high] first so that the conversion to int is defined.
int round_to_int(double x, int low, int high);
