// The graph of a window that traces are made in (New Plot, direct plots), and the step every
// batch ends with: an axis's data range from what the batch collected, which rescales it.
#pragma once

#include <memory>

#include "../graph/graph.h"
#include "running_range.h"

struct GraphRelease {
  void operator()(Graph *g) const { destroy_graph(g); }
};
using GraphPtr = std::unique_ptr<Graph, GraphRelease>;

// A graph over the current plot: x title the name of variable 0 with its unit symbol, the y
// title's default text without a unit; none when memory runs out (the window is then
// destroyed, silently).
Graph *create_plot_graph(WindowHandle owner, int x_base, int y_base,
                         const GraphPreferences &preferences);

// Sets the axis's data range to the collected one, when it holds a value. A logarithmic axis
// over data that is not positive tells so and turns linear; it is then scaled linearly to the
// data rather than left at its previous range.
void apply_data_range(Graph *graph, int axis, const RunningRange &range);
