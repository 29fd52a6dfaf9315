#include "plot_graph.h"

#include <string>

#include "../data/plot_model.h"
#include "../graph/scaling.h"

Graph *create_plot_graph(WindowHandle owner, int x_base, int y_base,
                         const GraphPreferences &preferences) {
  std::string name, unit_name;
  variable_info(0, name, unit_name);
  return create_graph(owner, name, variable_unit_symbol(0), "", x_base, y_base, preferences);
}

void apply_data_range(Graph *graph, int axis, const RunningRange &range) {
  if (!range_holds_values(range)) return;
  if (!set_data_range(graph, axis, range.min, range.max) && graph->axes[axis].base == 1)
    set_data_range(graph, axis, range.min, range.max);
}
