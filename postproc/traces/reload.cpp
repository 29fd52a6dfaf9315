// recompute_graph.
//
// A trace's x expression is rebound by name like its y expression: an X-Axis Expression over
// a variable whose index moved would otherwise give the x values of another variable, or of
// none. The default x expression, variable 0, carries no name and stays as it is.
//
// The data ranges cover every trace of the graph afterwards, recomputed or not (a trace
// left as it was, experimental data, a spectrum), so that none is drawn off the axes.
#include "reload.h"

#include <algorithm>
#include <string>
#include <vector>

#include "../base/messages.h"
#include "../data/plot_model.h"
#include "../expr/evaluate.h"
#include "../graph/axis.h"
#include "../graph/properties.h"
#include "../resources/resource_ids.h"
#include "expression_traces.h"
#include "plot_graph.h"
#include "value_array.h"

namespace {

const int kValueMemoryCode = 702;

// Makes the trace's plot current, or tells that it is gone and settles on another.
void select_trace_plot(Graph *graph, Trace *trace, const ChoosePlot &choose_plot) {
  if (select_plot(trace->plot_index, false)) return;
  bool one_plot = plot_count() == 1;
  show_message(graph->owner, kMbIconExclamation,
               one_plot ? IDS_PLOT_MISSING_CURRENT : IDS_PLOT_MISSING_SELECT, trace->plot_index,
               trace->legend.text.c_str());
  if (one_plot) {
    trace->plot_index = 0;
  } else {
    if (choose_plot) choose_plot();
    trace->plot_index = current_plot_index();
  }
}

bool rebind(Expression *e) { return !e || rebind_variables(e); }

// New values from the current plot; false leaves the trace as it was.
bool recompute_trace(Trace *trace) {
  int count = point_count();
  size_t n = static_cast<size_t>(count);
  std::vector<double> abscissa(n);
  build_abscissa(abscissa.data());
  double *xs = new_value_array(n, kValueMemoryCode), *ys = new_value_array(n, kValueMemoryCode);
  bool ok = true;
  if (trace->x_expression)
    ok = evaluate_over_current_plot(trace->x_expression, abscissa.data(), xs);
  else
    std::copy(abscissa.begin(), abscissa.end(), xs);
  ok = ok && evaluate_over_current_plot(trace->y_expression, abscissa.data(), ys);
  if (!ok) {
    delete[] xs;
    delete[] ys;
    return false;
  }
  PropertyValue v{};
  v.values = xs;
  set_trace_property(trace, kTraceXValues, v);
  v.values = ys;
  set_trace_property(trace, kTraceYValues, v);
  set_trace_property(trace, kTracePointCount, number_value(count));
  return true;
}

}  // namespace

void recompute_graph(Graph *graph, const ChoosePlot &choose_plot) {
  if (plot_count() == 0) return;
  for (Trace *t = graph->head->next; t; t = t->next) {
    if (t->plot_index == -1 || !t->y_expression) continue;
    select_trace_plot(graph, t, choose_plot);
    if (!rebind(t->y_expression) || !rebind(t->x_expression)) {
      show_message(graph->owner, kMbOk, IDS_VARIABLES_MISSING, t->legend.text.c_str());
      continue;
    }
    recompute_trace(t);
  }

  RunningRange x = empty_running_range(), y = empty_running_range();
  for (Trace *t = graph->head->next; t; t = t->next) {
    extend_range(x, t->x_values, std::min(t->point_count, t->drawn_point_count));
    extend_range(y, t->y_values, std::min(t->point_count, t->drawn_point_count));
  }
  apply_data_range(graph, 0, x);
  apply_data_range(graph, 1, y);
  set_title_unit(graph, 1, common_y_unit(graph));
  show_evaluation_warnings(graph->owner);
}
