// Direct plots.
//
// A trace records the plot it was computed from, which is the current plot: after a link
// with a file of several plots the user has chosen one, and reload and the graph file must
// find the same plot again. Its y expression is the legend read back as an expression, with
// the unit the axis shows, so that a reload computes the same values and keeps the unit.
// Link indices come from another program; one that names no variable is skipped rather
// than read past the end of a row.
#include "direct_plot.h"

#include <algorithm>

#include "../base/messages.h"
#include "../data/plot_model.h"
#include "../expr/direct.h"
#include "../expr/expression.h"
#include "../graph/axis.h"
#include "plot_graph.h"
#include "running_range.h"
#include "value_array.h"

namespace {

const int kDirectMemoryCode = 704;

std::string direct_y_unit(const std::string &function, int variable) {
  if (function == "db") return "dB";
  if (function == "phase") return "Deg";
  return variable_unit_symbol(variable);
}

// x and y of every point: variable 0's real part, and the mode's value of the variable.
void fill_values(int variable, int mode, double *xs, double *ys, int count) {
  for (int i = 0; i < count; i++) {
    RowToken real_token, imag_token;
    const double *re = lock_real_row(i, real_token);
    const double *im = lock_imag_row(i, imag_token);
    if (re) {
      xs[i] = re[0];
      ys[i] = direct_value(mode, re[variable], im ? im[variable] : 0.0);
    }
    release_row(real_token);
    release_row(imag_token);
  }
}

}  // namespace

std::string direct_legend(const std::string &function, const std::string &variable) {
  if (function.empty()) return "'" + variable + "'";
  return function + "('" + variable + "')";
}

int direct_plot(Graph *graph, std::string &title, const std::vector<int> &indices, size_t start,
                size_t count, const std::string &function, const GraphPreferences &preferences) {
  int mode = direct_plot_mode(function.c_str());
  int points = point_count();
  std::string x_name, x_unit_name;
  variable_info(0, x_name, x_unit_name);
  RunningRange x_range = empty_running_range(), y_range = empty_running_range();
  std::string y_unit;
  int made = 0;
  title.clear();

  size_t end = std::min(indices.size(), start + std::min(count, indices.size()));
  for (size_t k = start; k < end; k++) {
    int v = indices[k];
    std::string name, unit_name;
    if (!variable_info(v, name, unit_name)) continue;
    std::string legend = direct_legend(function, name);
    size_t n = static_cast<size_t>(points);
    double *xs = new_value_array(n, kDirectMemoryCode), *ys = new_value_array(n, kDirectMemoryCode);
    fill_values(v, mode, xs, ys, points);
    Trace *trace = add_trace(graph, 0, 0, 0, 0, legend, points, current_plot_index(), xs, ys,
                             preferences);
    if (!trace) {
      delete[] xs;
      delete[] ys;
      break;
    }
    if (made++ > 0) title += " ";
    title += legend;
    y_unit = direct_y_unit(function, v);
    extend_range(x_range, xs, points);
    extend_range(y_range, ys, points);
    trace->x_expression = make_variable_expression(x_name.c_str(), variable_dimension(0));
    if (!trace->x_expression) out_of_memory(kDirectMemoryCode);
    // A function the expression language does not know leaves the trace without one; reload
    // then keeps its values.
    trace->y_expression = parse_expression(legend.c_str());
    if (trace->y_expression) set_expression_unit(trace->y_expression, y_unit);
  }
  set_title_unit(graph, 1, y_unit);
  apply_data_range(graph, 0, x_range);
  apply_data_range(graph, 1, y_range);
  return made;
}
