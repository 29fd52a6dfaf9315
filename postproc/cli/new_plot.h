// The graph that New Plot builds from expressions over the current plot: one trace per
// expression, its legend the expression's text, the x title variable 0 (or the x-axis
// expression) with its unit, the y unit the one the expressions share, and both axes scaled
// automatically to the data. Kept free of windows so that the Add Plot dialog can share it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "../expr/expression.h"
#include "../graph/graph.h"
#include "../shell/settings.h"

struct ExpressionRelease {
  void operator()(Expression *e) const { free_expression(e); }
};
using ExpressionPtr = std::unique_ptr<Expression, ExpressionRelease>;

struct GraphRelease {
  void operator()(Graph *g) const { destroy_graph(g); }
};
using GraphPtr = std::unique_ptr<Graph, GraphRelease>;

// The fonts, digits and tic marks a new graph takes from the preferences.
GraphPreferences graph_preferences(const Settings &settings);

// The unit symbol all expressions share (letter case aside), or the empty text.
std::string common_y_unit(const std::vector<ExpressionPtr> &expressions);

struct NewPlotRequest {
  std::vector<ExpressionPtr> y_expressions;   // finalized; the traces take them over
  ExpressionPtr x_expression;                 // none: variable 0, as New Plot has it
  int x_base = 1;                             // 1 linear, 10 logarithmic
  int y_base = 1;
};

enum NewPlotStatus { kNewPlotOk, kNewPlotEvaluationFailed, kNewPlotNoMemory };

struct NewPlot {
  GraphPtr graph;       // only when status is kNewPlotOk
  int status;
  int failed;           // the expression whose run failed: its index, -1 for the x expression
};

// Evaluates every expression over the current plot, in order, and builds the graph. A run
// that fails has shown its message; nothing is built then. A logarithmic axis over data that
// is not positive shows the scaling's message and turns linear.
NewPlot new_plot_graph(NewPlotRequest request, const GraphPreferences &preferences);
