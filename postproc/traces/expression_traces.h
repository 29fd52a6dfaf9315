// Traces made from finished Expressions over the current plot, as New Plot and Overlay Plot
// add them to a graph, and the y unit that the traces of a graph share.
#pragma once

#include <string>
#include <vector>

#include "../expr/expression_ptr.h"
#include "../graph/graph.h"
#include "running_range.h"

const size_t kWindowTitleLimit = 511;

// Adds one trace per Expression (finalized), in order, with the legend text of the same
// position; each trace takes its Expression over as its y expression. Stops at the first
// Expression whose run fails (its message has been shown) or whose trace cannot be added:
// the traces made before it stay, the Expressions from it on stay with the caller. `title`
// (cut to 511 characters) gets each added trace's legend followed by one blank, and the
// ranges take in the x and y values of each added trace. True when every trace was added.
bool add_expression_traces(Graph *graph, std::string &title,
                           std::vector<ExpressionPtr> &expressions,
                           const std::vector<std::string> &legends, RunningRange &x_range,
                           RunningRange &y_range, const GraphPreferences &preferences);

// The unit symbol of the first trace's y expression when every trace with a y expression
// has that symbol (letter case aside); otherwise, and without any, the empty text.
std::string common_y_unit(Graph *graph);
