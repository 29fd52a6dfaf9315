// The graph windows the simulator's link command asks for: traces made straight from
// variables, without the builder, with an optional function ("mag", "db", "phase", ...).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "../graph/graph.h"

// Fills a graph made by create_plot_graph (with base 10 on the axes that the link asks to be
// logarithmic) with one trace per variable of indices[start .. start + count), in order,
// from the current plot; indices that name no variable of it are left out. `title` becomes
// the legend texts separated by one blank; the y unit is the last variable's ("dB" for
// "db", "Deg" for "phase"). The traces, like the window, record the current plot. Returns
// the number of traces made: it stops early only when a trace cannot be added.
int direct_plot(Graph *graph, std::string &title, const std::vector<int> &indices, size_t start,
                size_t count, const std::string &function, const GraphPreferences &preferences);

// The legend of a direct trace: "f('name')", or "'name'" without a function.
std::string direct_legend(const std::string &function, const std::string &variable);
