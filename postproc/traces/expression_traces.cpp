// add_expression_traces and common_y_unit.
//
// Each trace owns its x and y arrays (new[]) and both Expressions from the moment add_trace
// succeeds; until then the arrays are this file's and are released on every way out. A run
// that fails takes nothing into the ranges or the title: what was collected describes
// exactly the traces that exist.
#include "expression_traces.h"

#include <algorithm>
#include <cassert>

#include "../base/ascii.h"
#include "../base/messages.h"
#include "../data/plot_model.h"
#include "../expr/evaluate.h"
#include "value_array.h"

namespace {

const int kValueMemoryCode = 702;

}  // namespace

bool add_expression_traces(Graph *graph, std::string &title,
                           std::vector<ExpressionPtr> &expressions,
                           const std::vector<std::string> &legends, RunningRange &x_range,
                           RunningRange &y_range, const GraphPreferences &preferences) {
  assert(legends.size() >= expressions.size());
  if (title.size() > kWindowTitleLimit) title.resize(kWindowTitleLimit);
  int count = point_count();
  size_t n = static_cast<size_t>(count);
  std::string x_name, x_unit_name;
  variable_info(0, x_name, x_unit_name);

  for (size_t i = 0; i < expressions.size(); i++) {
    // The trace's own x values are the run's abscissa: no third array of a long plot.
    double *xs = new_value_array(n, kValueMemoryCode), *ys = new_value_array(n, kValueMemoryCode);
    build_abscissa(xs);
    Trace *trace = nullptr;
    if (evaluate_over_current_plot(expressions[i].get(), xs, ys))
      trace = add_trace(graph, 0, 0, 0, 0, legends[i], count, current_plot_index(), xs, ys,
                        preferences);
    if (!trace) {
      delete[] xs;
      delete[] ys;
      return false;
    }
    trace->x_expression = make_variable_expression(x_name.c_str(), variable_dimension(0));
    if (!trace->x_expression) out_of_memory(kValueMemoryCode);
    trace->y_expression = expressions[i].release();
    extend_range(x_range, xs, count);
    extend_range(y_range, ys, count);
    title += legends[i] + " ";
  }
  return true;
}

std::string common_y_unit(Graph *graph) {
  std::string unit;
  bool first = true;
  for (Trace *t = graph->head->next; t; t = t->next) {
    if (!t->y_expression) continue;
    std::string symbol = expression_unit_symbol(t->y_expression);
    if (first) {
      unit = symbol;
      first = false;
    } else if (!equal_ignoring_case(unit, symbol)) {
      return "";
    }
  }
  return unit;
}
