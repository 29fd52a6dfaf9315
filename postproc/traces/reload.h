// Reload: the traces of a graph computed again from the data file just read again.
#pragma once

#include <functional>

#include "../graph/graph.h"

// The "Select Current Plot" dialog, shown modally; whatever plot is current after it is the
// one used.
using ChoosePlot = std::function<void()>;

// Recomputes every trace that comes from a plot of the data file (plot index not -1), each
// from its own plot. A plot that is gone is told (owned by the graph's window) and replaced
// by the current plot, which `choose_plot` lets the user pick when the file has several. A
// trace whose variables are gone is told and keeps its values, as does one whose run fails.
// Then the data ranges, the y unit the traces share, and the evaluation warnings.
void recompute_graph(Graph *graph, const ChoosePlot &choose_plot);
