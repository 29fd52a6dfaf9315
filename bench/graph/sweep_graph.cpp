#include "sweep_graph.h"

#include <algorithm>
#include <new>

#include "canvas/canvas.h"
#include "graph/scaling.h"
#include "noisy_sweep.h"
#include "graph/graph.h"
#include "shell/settings.h"

Graph *sweep_graph(int count) {
  GraphPreferences preferences = default_graph_preferences();
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
