// The caller's side of an evaluation run over the current plot.
#include "../data/plot_model.h"
#include "evaluate.h"
#include "evaluate_block.h"

void build_abscissa(double *abscissa) {
  int points = point_count();
  for (int i = 0; i < points; i++) {
    RowToken token;
    const double *row = lock_real_row(i, token);
    abscissa[i] = row ? row[0] : 0.0;
    release_row(token);
  }
}

bool evaluate_over_current_plot(Expression *e, const double *abscissa, double *values) {
  return evaluate_run_in_blocks(e, abscissa, values, kEvaluationBlockPoints);
}
