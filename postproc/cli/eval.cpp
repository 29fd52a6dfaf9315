// ulmocli eval FILE.out [--plot N] [--x EXPR] EXPR...: each expression evaluated over one
// plot (the last one, as after a load, unless --plot names another) and printed in the
// trace export format, x being variable 0 or the --x expression. Every expression is parsed
// and evaluated before anything is printed, so a failure leaves no partial output; the
// messages the program would have shown go to stderr.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "../base/text.h"
#include "../base/ui.h"
#include "../data/export.h"
#include "../data/plot_model.h"
#include "../expr/evaluate.h"
#include "../expr/expression.h"
#include "commands.h"

namespace {

struct EvalArguments {
  const char *path = nullptr;
  int plot = -1;               // -1: the current plot after the load
  const char *x = nullptr;
  std::vector<const char *> expressions;
};

bool read_arguments(int argc, char **argv, EvalArguments &a) {
  for (int i = 0; i < argc; i++) {
    if (strcmp(argv[i], "--plot") == 0 && i + 1 < argc) {
      if (!read_plot_argument(argv[++i], a.plot)) return false;
    } else if (strcmp(argv[i], "--x") == 0 && i + 1 < argc) {
      a.x = argv[++i];
    } else if (!a.path) {
      a.path = argv[i];
    } else {
      a.expressions.push_back(argv[i]);
    }
  }
  return a.path && !a.expressions.empty();
}

}  // namespace

bool read_plot_argument(const char *text, int &plot) {
  char *end;
  long n = strtol(text, &end, 10);
  if (*end || end == text || n < 0 || n > 1000000) return false;
  plot = static_cast<int>(n);
  return true;
}

int cli_open_abscissa(const char *path, int plot, std::vector<double> &abscissa) {
  if (int status = cli_open_plot(path, plot)) return status;
  clear_evaluation_warnings();
  abscissa.assign(static_cast<size_t>(point_count()), 0.0);
  build_abscissa(abscissa.data());
  return kCliOk;
}

int evaluate_text(const char *text, const std::vector<double> &abscissa, Series &out) {
  int why = kParseOk;
  Expression *e = parse_expression(text, &why);
  if (!e) {
    if (why == kParseUnknownVariable)
      fprintf(stderr, "ulmocli: %s: a quoted name is not a variable of plot %d\n", text,
              current_plot_index());
    else
      fprintf(stderr, "ulmocli: %s: %s\n", text,
              why == kParseNoMemory ? "out of memory" : "not an expression");
    return kCliBadExpression;
  }
  out.text = expression_text(e);
  out.values.assign(abscissa.size(), 0.0);
  bool ok = evaluate_over_current_plot(e, abscissa.data(), out.values.data());
  free_expression(e);
  if (!ok) {
    fprintf(stderr, "ulmocli: %s cannot be evaluated over plot %d\n", text, current_plot_index());
    return kCliEvaluationFailed;
  }
  return kCliOk;
}

int run_eval(int argc, char **argv) {
  EvalArguments a;
  if (!read_arguments(argc, argv, a)) {
    fprintf(stderr, "usage: ulmocli eval FILE.out [--plot N] [--x EXPR] EXPR...\n");
    return kCliUsage;
  }
  std::vector<double> abscissa;
  if (int status = cli_open_abscissa(a.path, a.plot, abscissa)) return status;
  Series x{"", abscissa};
  int status = a.x ? evaluate_text(a.x, abscissa, x) : kCliOk;
  std::vector<Series> ys(a.expressions.size());
  for (size_t i = 0; i < ys.size() && status == kCliOk; i++)
    status = evaluate_text(a.expressions[i], abscissa, ys[i]);
  if (status != kCliOk) return status;

  for (const Series &y : ys)
    write_trace_export(stdout, ansi_to_utf8(y.text).c_str(), x.values.data(), y.values.data(),
                       static_cast<int>(y.values.size()));
  show_evaluation_warnings(nullptr);
  return fflush(stdout) == 0 && !ferror(stdout) ? kCliOk : kCliUsage;
}
