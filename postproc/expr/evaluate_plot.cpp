// The caller's side of an evaluation run over the current plot.
#include <algorithm>

#include "../data/plot_model.h"
#include "evaluate.h"
#include "evaluate_block.h"

void build_abscissa(double *abscissa) {
  // A point without a row (none, once a plot has loaded) counts as 0.
  int copied = copy_real_column(0, abscissa);
  std::fill(abscissa + copied, abscissa + point_count(), 0.0);
}

bool evaluate_over_current_plot(Expression *e, const double *abscissa, double *values) {
  return evaluate_run_in_blocks(e, abscissa, values, kEvaluationBlockPoints);
}
