// The caller's side of an evaluation run over the current plot.
#include "../data/plot_model.h"
#include "evaluate.h"

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
  int points = point_count();
  bool real = is_real_plot();
  reset_evaluation(e, points - 1, variable_count());
  for (int i = 0; i < points; i++) {
    RowToken re_token, im_token;
    const double *re = lock_real_row(i, re_token);
    EvaluationResult r;
    if (real) {
      r = evaluate_real_point(e, re, abscissa);
    } else {
      const double *im = lock_imag_row(i, im_token);
      r = evaluate_complex_point(e, re, im, abscissa);
      release_row(im_token);
    }
    release_row(re_token);
    if (!r.ok) return false;
    values[i] = r.value;
  }
  return true;
}
