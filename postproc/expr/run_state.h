// What the block path of a run shares with the point path (evaluate.cpp): the run's state
// and the few formulas whose every bit both paths must agree on. Internal to expr.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "expression.h"

struct RunState {
  int last_point;
  int point_counter;
  bool usable;   // the Expression passed the check of reset_evaluation
};
RunState current_run();
// The block path evaluated `points` points from the point counter on.
void advance_point_counter(int points);
// Raises (never lowers) the warning flags, as reading the data would have.
void raise_evaluation_warnings(bool non_number, bool infinity);

// The tokens of an Expression and of all its nested derivative arguments: the stack depth
// (values or columns) that evaluating it can need.
inline size_t total_tokens(const Expression *e) {
  size_t n = static_cast<size_t>(e->token_count);
  for (int32_t i = 0; i < e->token_count; i++)
    if (e->tokens[i].derivative_argument) n += total_tokens(e->tokens[i].derivative_argument);
  return n;
}

const double kPi = 3.141592653589793;

// Every result that is not a number becomes the same quiet NaN. Which operand's NaN an
// operation passes on when both are NaNs is the compiler's choice (a * b may be computed as
// b * a), so without this the sign of a NaN result, and its text ("nan" or "-nan"), could
// differ between builds and between the point and the block path. Nothing but the payload
// of a NaN ever depends on it: every comparison with a NaN is false.
inline double one_nan(double v) { return v == v ? v : std::numeric_limits<double>::quiet_NaN(); }

inline double magnitude(double re, double im) { return std::sqrt(re * re + im * im); }

// Phase in degrees in (-180, 180]: a negative zero imaginary part counts as zero, so that
// (-1, -0) is 180 like (-1, 0).
inline double phase_degrees(double re, double im) {
  if (re == 0 && im == 0) return 0.0;
  if (im == 0) im = 0.0;
  return std::atan2(im, re) * 180.0 / kPi;
}

// Running function `code` (int, avg, rms) at point n of a run over abscissa x, from the
// function's value f there and its accumulator slot.
inline double running_step(int32_t code, double f, const double *x, int n, double &sum,
                           double &previous) {
  double g = code == kTokenRms ? f * f : f;
  // At the first point the integral is 0, the mean the value and the root mean square its
  // magnitude (a root mean square is never negative).
  if (n == 0) {
    previous = g;
    return code == kTokenInt ? 0.0 : code == kTokenAvg ? f : std::fabs(f);
  }
  sum += (x[n] - x[n - 1]) * (previous + g) * 0.5;
  previous = g;
  double span = x[n] - x[0];
  switch (code) {
    case kTokenInt: return sum;
    // Over a span of zero width the mean of the function is its value there.
    case kTokenAvg: return span != 0 ? sum / span : f;
    default: return span != 0 ? std::sqrt(sum / span) : std::fabs(f);
  }
}
