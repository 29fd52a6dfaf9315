// The X-Axis Expression dialog's OK: one finished Expression gives the x values of every
// trace of a graph.
#pragma once

#include "../expr/expression_ptr.h"
#include "../graph/graph.h"

// Evaluates `x` (finalized) over the current plot. A failed run (its message has been shown)
// changes nothing and returns false. Otherwise every trace gets the values, a copy of `x` as
// its x expression and its drawn point count, and the x axis gets the values' range, the text
// of `x` as its title and its unit symbol as unit; `x` is freed either way.
bool apply_x_axis_expression(Graph *graph, ExpressionPtr x);
