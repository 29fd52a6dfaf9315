// Graph windows made and refreshed from traces: New Plot, Overlay Plot, the X-axis
// expression, the link's direct plots and Reload, each the trace algorithm applied to a
// window's graph followed by the window's title, layout and repaint.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "../../graph/graph.h"
#include "add_plot_dialog.h"

// A new graph window of the current plot with the batch's traces; none when the window or its
// graph cannot be made (nothing is left behind then).
HWND new_plot_window(HWND mdi_client, AddPlotResult &batch, const GraphPreferences &preferences);
// The batch's traces added to the graph of `window`.
void overlay_plot_window(HWND window, AddPlotResult &batch, const GraphPreferences &preferences);
// The X-Axis Expression dialog for `window`, and its expression applied to every trace.
void x_axis_expression_window(HWND window);
// One window of the link's direct traces: indices[start .. start + count) of the current
// plot, with the function and the logarithmic axes asked for.
HWND direct_plot_window(HWND mdi_client, const std::vector<int> &indices, size_t start, size_t count,
                        const std::string &function, bool log_x, bool log_y, const GraphPreferences &preferences);
// After a reload: every graph window's traces computed again from the data file.
void recompute_graph_windows(HWND mdi_client, HWND frame);
