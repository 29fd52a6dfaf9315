// Evaluation of a finalized Expression over the points of the current plot, one point per
// call, in point order. One run at a time; its state is process-wide.
#pragma once

#include "../base/ui.h"
#include "expression.h"

struct EvaluationResult {
  double value;   // the real part of the result
  bool ok;        // false: the run has failed (any message has been shown)
};

// Starts a run over points 0..last_point of the current plot: point counter 0, every
// accumulator of the Expression 0. An Expression that cannot be evaluated over this plot
// (not finalized, or a variable index at or beyond variable_count) makes every call of the
// run fail with the internal-error message.
void reset_evaluation(Expression *expression, int last_point, int variable_count);

// The Expression at the run's point counter, from that point's value row(s) and the
// abscissa (variable 0 at every point); advances the point counter, whatever the outcome.
EvaluationResult evaluate_real_point(Expression *expression, const double *row,
                                     const double *abscissa);
EvaluationResult evaluate_complex_point(Expression *expression, const double *real_row,
                                        const double *imag_row, const double *abscissa);

// The modal message of a failed run: string `message_id`, exclamation icon, OK, owned by
// the frame window.
void show_evaluation_error(int message_id);

// Raised when a real evaluation replaced a non-number or an infinity in the data by 0; only
// clear_evaluation_warnings and show_evaluation_warnings lower them.
bool non_number_seen();
bool infinity_seen();
void clear_evaluation_warnings();
// Shows the warning of each raised flag (non-numbers first) and lowers it.
void show_evaluation_warnings(WindowHandle owner);

// Variable 0 (real parts) at every point of the current plot: the abscissa of a run and the
// x values of a new trace. `abscissa` holds point_count() values.
void build_abscissa(double *abscissa);
// One whole run over the current plot, as every caller makes it: reset, then every point in
// order. It gives exactly what calling evaluate_real_point or evaluate_complex_point for each
// point with its row(s) locked would give, but evaluates blocks of points at once. `values`
// holds point_count() values; false when the run failed (its message, if any, has been
// shown; `values` is then not meaningful).
bool evaluate_over_current_plot(Expression *expression, const double *abscissa, double *values);
