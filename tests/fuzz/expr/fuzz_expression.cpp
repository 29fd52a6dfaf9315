// Any text: parse it over a real and a complex plot; what parses must print a text that
// parses to the same postfix tokens with the same values, survive a copy and a rebind, and
// evaluate without a crash, a leak or undefined behaviour. The plots hold the awkward data:
// zeros, negatives, a repeated abscissa, a non-number and an infinity.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <string>
#include <vector>

#include "base/ui.h"
#include "data/load.h"
#include "data/plot_list.h"
#include "data/plot_model.h"
#include "expr/evaluate.h"
#include "expr/expression.h"
#include "fuzz_support.h"

namespace {

const int kPoints = 6;

SamplePlot fuzz_plot(bool complex) {
  SamplePlot p;
  p.circuit_title = "fuzz";
  p.simulation_date = "now";
  p.plot_name = complex ? "AC" : "Transient";
  p.number_type = complex ? 8 : 4;
  p.variables = {{"time", 2}, {"v(1)", 0}, {"i(vdd)", 1}, {"v(out)", 0}, {"x y", 14}};
  p.point_count = kPoints;
  const double t[kPoints] = {0, 1, 1, 2, 4, 5};
  const double v[kPoints] = {0, -1, 2, NAN, 1e300, -0.0};
  const double w[kPoints] = {-2, -1, 0, 1, INFINITY, 3};
  for (int i = 0; i < kPoints; i++) {
    double row[] = {t[i], v[i], i * 0.5 - 1, w[i], -3.0 + i};
    double im[] = {0, i * 1.0, 0, -i * 1.0, 0};
    p.real.insert(p.real.end(), row, row + 5);
    p.imag.insert(p.imag.end(), im, im + 5);
  }
  if (!complex) p.imag.clear();
  return p;
}

std::string postfix(const Expression *e) {
  std::string out;
  for (int32_t i = 0; i < e->token_count; i++) {
    const Token &t = e->tokens[i];
    char buf[64];
    snprintf(buf, sizeof buf, "%d:%.17g ", t.code, t.code == kTokenConstant ? t.value : 0.0);
    out += buf;
    if (t.derivative_argument) out += "[" + postfix(t.derivative_argument) + "]";
  }
  return out;
}

bool same(double a, double b) { return (std::isnan(a) && std::isnan(b)) || a == b; }

// Evaluates over the current plot; false when the run failed.
bool run(Expression *e, const std::vector<double> &x, std::vector<double> &y) {
  y.assign(x.size(), 0.0);
  return evaluate_over_current_plot(e, x.data(), y.data());
}

void check(bool condition, const char *what) {
  if (!condition) {
    fprintf(stderr, "fuzz_expression: %s\n", what);
    abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
  load_fuzz_plots({fuzz_plot(false), fuzz_plot(true)});
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  std::string text(reinterpret_cast<const char *>(data), size);
  for (int plot = 0; plot < 2; plot++) {
    select_plot(plot, false);
    Expression *e = parse_expression(text.c_str());
    if (!e) continue;
    std::vector<double> x(kPoints), y, y_again;
    build_abscissa(x.data());
    bool ok = run(e, x, y);

    std::string printed = expression_text(e);
    Expression *back = parse_expression(printed.c_str());
    check(back != nullptr, "the text form does not parse back");
    check(postfix(back) == postfix(e), "the text form parses to other tokens");
    check(expression_text(back) == printed, "the text form changes when read back");
    bool ok_back = run(back, x, y_again);
    check(ok == ok_back, "the text form evaluates differently");
    for (size_t i = 0; ok && i < y.size(); i++) check(same(y[i], y_again[i]), "values differ");
    free_expression(back);

    Expression *copy = copy_expression(e);
    check(copy != nullptr, "copy failed");
    check(rebind_variables(copy), "rebind failed on the same plot");
    bool ok_copy = run(copy, x, y_again);
    check(ok == ok_copy, "the copy evaluates differently");
    for (size_t i = 0; ok && i < y.size(); i++) check(same(y[i], y_again[i]), "copy values differ");
    free_expression(copy);
    expression_unit_symbol(e);
    free_expression(e);
  }
  clear_evaluation_warnings();
  return 0;
}
