// New Plot and Overlay Plot: a batch of finished Expressions becomes traces of a graph, in
// a new graph window or in the active one. The window itself (its creation, its title, its
// repaint) is the caller's; `title` is the window's text in and out.
#pragma once

#include <string>
#include <vector>

#include "../expr/expression_ptr.h"
#include "../graph/graph.h"

struct BatchOutcome {
  bool ok;            // every Expression became a trace
  int traces_added;   // on failure also the position of the Expression that failed
};

// Into a graph just made by create_plot_graph: the traces, then the x unit of variable 0, the
// y unit the traces share, both data ranges, the evaluation warnings. A failed batch keeps
// the traces made before the failure and is finished like a whole one (status bar back,
// axes scaled to those traces, warnings shown), so the window shows what it holds.
BatchOutcome new_plot(Graph *graph, std::string &title, std::vector<ExpressionPtr> &expressions,
                      const std::vector<std::string> &legends,
                      const GraphPreferences &preferences);

// Onto the traces of an existing graph: its data ranges grow by the new traces, and its y
// unit is emptied unless the unit the traces now share, old and new, is the one it shows.
BatchOutcome overlay_plot(Graph *graph, std::string &title,
                          std::vector<ExpressionPtr> &expressions,
                          const std::vector<std::string> &legends,
                          const GraphPreferences &preferences);
