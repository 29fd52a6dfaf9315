// The X-Axis Expression over the traces of a graph.
//
// The traces may come from an earlier plot with another number of points than the current
// one. A trace's arrays always keep its own point count, so that everything that walks them
// (drawing, cursors, export, the graph file) stays inside both: a trace with more points
// than the current plot repeats the last x value at its end, and only the points that have
// their own x value are drawn.
#include "x_axis.h"

#include <algorithm>
#include <vector>

#include "../base/messages.h"
#include "../data/plot_model.h"
#include "../expr/evaluate.h"
#include "../graph/axis.h"
#include "../graph/properties.h"
#include "plot_graph.h"
#include "value_array.h"

namespace {

const int kXAxisMemoryCode = 701;

// The trace's new x array: `values` fitted to its point count.
double *fitted_copy(const std::vector<double> &values, int point_count) {
  size_t n = static_cast<size_t>(point_count);
  double *copy = new_value_array(n, kXAxisMemoryCode);
  size_t shared = std::min(n, values.size());
  std::copy(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(shared), copy);
  double last = values.empty() ? 0.0 : values.back();
  std::fill(copy + shared, copy + n, last);
  return copy;
}

}  // namespace

bool apply_x_axis_expression(Graph *graph, ExpressionPtr x) {
  int count = point_count();
  std::vector<double> abscissa(static_cast<size_t>(count)), values(abscissa.size());
  build_abscissa(abscissa.data());
  if (!evaluate_over_current_plot(x.get(), abscissa.data(), values.data())) return false;

  for (Trace *t = graph->head->next; t; t = t->next) {
    PropertyValue v{};
    v.values = fitted_copy(values, t->point_count);
    set_trace_property(t, kTraceXValues, v);
    v.expression = copy_expression(x.get());
    if (!v.expression) out_of_memory(kXAxisMemoryCode);
    set_trace_property(t, kTraceXExpression, v);
    set_trace_property(t, kTraceDrawnPointCount, number_value(std::min(count, t->point_count)));
  }
  RunningRange range = empty_running_range();
  extend_range(range, values.data(), count);
  apply_data_range(graph, 0, range);
  set_title_text(graph, 0, expression_text(x.get()));
  set_title_unit(graph, 0, expression_unit_symbol(x.get()));
  // The run may have replaced non-numbers in the data; say so now rather than at the next
  // batch, which would seem to blame its own traces.
  show_evaluation_warnings(graph->owner);
  return true;
}
