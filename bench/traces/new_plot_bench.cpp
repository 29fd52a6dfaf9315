// new_plot_bench FILE [EXPR...]: the whole New Plot path on a result file, as a user waits for
// it: the load, then for each expression (by default 'v(1)', 'v(1)'*'v(2)' and db('v(3)'))
// the batch (evaluation, ranges, scaling) and the first paint of the new window's graph at
// 800 x 600. Prints each step's time; runs natively (cairo) and under Wine (GDI).
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "base/ui.h"
#include "data/load.h"
#include "data/plot_model.h"
#include "expr/expression.h"
#include "expr/expression_ptr.h"
#include "first_paint.h"
#include "graph/resources.h"
#include "graph/graph.h"
#include "shell/settings.h"
#include "traces/new_plot.h"
#include "traces/plot_graph.h"

namespace {

const int kWidth = 800, kHeight = 600;

double now_ms() {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// Messages of the program go to the console.
int print_message(WindowHandle, const char *text, const char *, unsigned) {
  fprintf(stderr, "%s\n", text);
  return 1;
}

bool bench_expression(const char *text, const GraphPreferences &preferences) {
  int why = 0;
  std::vector<ExpressionPtr> batch;
  batch.emplace_back(parse_expression_with_units(text, &why));
  if (!batch.back()) {
    printf("%s: not an expression of this file (failure %d)\n", text, why);
    return false;
  }
  std::vector<std::string> legends{text};
  GraphPtr graph(create_plot_graph(nullptr, 1, 1, preferences));
  if (!graph) return false;
  std::string title;
  double start = now_ms();
  BatchOutcome outcome = new_plot(graph.get(), title, batch, legends, preferences);
  double batch_ms = now_ms() - start;
  if (!outcome.ok) {
    printf("%s: the evaluation failed\n", text);
    return false;
  }
  double paint_ms = first_paint_ms(graph.get(), kWidth, kHeight);
  printf("%s: batch (evaluation, ranges, scaling) %.1f ms, first paint %.1f ms, New Plot %.1f ms\n", text,
         batch_ms, paint_ms, batch_ms + paint_ms);
  return paint_ms >= 0;
}

}  // namespace

int main(int argc, char **argv) {
  if (argc < 2) {
    fprintf(stderr, "usage: new_plot_bench FILE [EXPR...]\n");
    return 2;
  }
  ui_hooks().message_box = print_message;
  create_graph_resources({255, 255, 255}, free_expression);
  load_function_table();
  double start = now_ms();
  if (!load_data_file(argv[1])) {
    fprintf(stderr, "new_plot_bench: %s does not load\n", argv[1]);
    return 1;
  }
  printf("%d-bit new_plot_bench: %s, %d points x %d variables, loaded in %.0f ms\n",
         static_cast<int>(sizeof(void *) * 8), argv[1], point_count(), variable_count(), now_ms() - start);
  GraphPreferences preferences = default_graph_preferences();
  std::vector<const char *> expressions(argv + 2, argv + argc);
  if (expressions.empty()) expressions = {"'v(1)'", "'v(1)'*'v(2)'", "db('v(3)')"};
  bool ok = true;
  for (const char *text : expressions) ok = bench_expression(text, preferences) && ok;
  destroy_graph_resources();
  return ok ? 0 : 1;
}
