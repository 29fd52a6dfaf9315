// ulmocli eval FILE.out [--plot N] [--x EXPR] EXPR...: each expression evaluated over one
// plot (the last one, as after a load, unless --plot names another) and printed in the
// trace export format, x being variable 0 or the --x expression. Every expression is parsed
// and evaluated before anything is printed, so a failure leaves no partial output; the
// messages the program would have shown go to stderr.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "../base/text.h"
#include "../data/export.h"
#include "../data/plot_model.h"
#include "../expr/evaluate.h"
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

int run_eval(int argc, char **argv) {
  EvalArguments a;
  if (!read_arguments(argc, argv, a)) return cli_usage("eval");
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
