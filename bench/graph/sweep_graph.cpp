#include "sweep_graph.h"

#include <algorithm>
#include <new>

#include "graph/canvas.h"
#include "graph/scaling.h"
#include "noisy_sweep.h"

namespace {

GraphPreferences bench_preferences() {
  GraphPreferences p;
  p.x_title_face = p.y_title_face = p.legend_face = "Times New Roman";
  p.x_label_face = p.y_label_face = "Arial";
  p.x_title_size = p.y_title_size = 20;
  p.x_label_size = p.y_label_size = 18;
  p.legend_size = 18;
  p.graph_digits = 1;
  p.tic_marks = 3;
  return p;
}

}  // namespace

Graph *sweep_graph(int count) {
  GraphPreferences preferences = bench_preferences();
  double *x = new (std::nothrow) double[count];
  double *y = new (std::nothrow) double[count];
  Graph *graph = x && y ? create_graph(nullptr, "Time", "s", "V", 1, 1, preferences) : nullptr;
  if (!graph) {
    delete[] x;
    delete[] y;
    return nullptr;
  }
  fill_noisy_sweep(x, y, count);
  // Kind 0, from an expression: a line without symbols.
  if (!add_trace(graph, 0, 0, kPenSolid, 1, "v(out)", count, -1, x, y, preferences)) {
    delete[] x;
    delete[] y;
    destroy_graph(graph);
    return nullptr;
  }
  auto [y_min, y_max] = std::minmax_element(y, y + count);
  set_data_range(graph, 0, x[0], x[count - 1]);
  set_data_range(graph, 1, *y_min, *y_max);
  return graph;
}
