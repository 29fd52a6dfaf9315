#include "new_plot.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>

#include "../base/ascii.h"
#include "../data/plot_model.h"
#include "../expr/evaluate.h"
#include "../graph/scaling.h"

namespace {

// The running minimum and maximum of the values that can be drawn. Non-numbers and
// infinities (a complex run does not screen them) are left out: one of them would make the
// axis range unusable.
struct RunningRange {
  double min = std::numeric_limits<double>::max();
  double max = -std::numeric_limits<double>::max();
  void extend(const std::vector<double> &values) {
    for (double v : values) {
      if (!std::isfinite(v)) continue;
      if (v < min) min = v;
      if (v > max) max = v;
    }
  }
  bool holds_values() const { return min <= max; }
};

bool evaluate(Expression *e, const std::vector<double> &abscissa, std::vector<double> &values) {
  values.assign(abscissa.size(), 0.0);
  return evaluate_over_current_plot(e, abscissa.data(), values.data());
}

// A trace's value array, owned as add_trace takes it over.
double *new_array(const std::vector<double> &values) {
  double *array = new (std::nothrow) double[values.empty() ? 1 : values.size()];
  if (array) std::copy(values.begin(), values.end(), array);
  return array;
}

// A refused logarithmic range has switched the axis to linear; the data range then scales
// the linear axis, rather than leaving it at its empty default.
void scale_axis(Graph *graph, int axis, const RunningRange &range) {
  if (!range.holds_values()) return;
  if (!set_data_range(graph, axis, range.min, range.max) && graph->axes[axis].base == 1)
    set_data_range(graph, axis, range.min, range.max);
}

}  // namespace

GraphPreferences graph_preferences(const Settings &s) {
  GraphPreferences p;
  p.x_title_face = s.x_title_face;
  p.y_title_face = s.y_title_face;
  p.x_label_face = s.x_label_face;
  p.y_label_face = s.y_label_face;
  p.legend_face = s.legend_face;
  p.x_title_size = s.x_title_size;
  p.y_title_size = s.y_title_size;
  p.x_label_size = s.x_label_size;
  p.y_label_size = s.y_label_size;
  p.legend_size = s.legend_size;
  p.graph_digits = s.graph_digits;
  p.tic_marks = s.tic_marks;
  return p;
}

std::string common_y_unit(const std::vector<ExpressionPtr> &expressions) {
  if (expressions.empty()) return "";
  std::string unit = expression_unit_symbol(expressions.front().get());
  for (size_t i = 1; i < expressions.size(); i++)
    if (!equal_ignoring_case(unit, expression_unit_symbol(expressions[i].get()))) return "";
  return unit;
}

NewPlot new_plot_graph(NewPlotRequest request, const GraphPreferences &preferences) {
  std::vector<double> abscissa(static_cast<size_t>(point_count()));
  build_abscissa(abscissa.data());
  std::string variable_name, variable_unit_name;
  variable_info(0, variable_name, variable_unit_name);

  std::vector<double> x_values = abscissa;
  std::string x_title = variable_name, x_unit = variable_unit_symbol(0);
  if (request.x_expression) {
    if (!evaluate(request.x_expression.get(), abscissa, x_values))
      return {nullptr, kNewPlotEvaluationFailed, -1};
    x_title = expression_text(request.x_expression.get());
    x_unit = expression_unit_symbol(request.x_expression.get());
  }
  RunningRange x_range, y_range;
  x_range.extend(x_values);

  std::vector<std::vector<double>> y_values(request.y_expressions.size());
  for (size_t i = 0; i < y_values.size(); i++) {
    if (!evaluate(request.y_expressions[i].get(), abscissa, y_values[i]))
      return {nullptr, kNewPlotEvaluationFailed, static_cast<int>(i)};
    y_range.extend(y_values[i]);
  }

  GraphPtr graph(create_graph(nullptr, x_title, x_unit, common_y_unit(request.y_expressions),
                              request.x_base, request.y_base, preferences));
  if (!graph) return {nullptr, kNewPlotNoMemory, 0};
  for (size_t i = 0; i < y_values.size(); i++) {
    ExpressionPtr x_expression(request.x_expression
                                   ? copy_expression(request.x_expression.get())
                                   : make_variable_expression(variable_name.c_str(),
                                                              variable_dimension(0)));
    double *xs = new_array(x_values), *ys = new_array(y_values[i]);
    Trace *trace = x_expression && xs && ys
                       ? add_trace(graph.get(), 0, 0, 0, 0,
                                   expression_text(request.y_expressions[i].get()),
                                   static_cast<int>(abscissa.size()), current_plot_index(), xs,
                                   ys, preferences)
                       : nullptr;
    if (!trace) {
      delete[] xs;
      delete[] ys;
      return {nullptr, kNewPlotNoMemory, static_cast<int>(i)};
    }
    trace->x_expression = x_expression.release();
    trace->y_expression = request.y_expressions[i].release();
  }
  scale_axis(graph.get(), 0, x_range);
  scale_axis(graph.get(), 1, y_range);
  return {std::move(graph), kNewPlotOk, 0};
}
