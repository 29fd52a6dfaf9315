// The format dialogs of a graph window: Format Axis, the tick labels, the axis titles, a
// trace's legend and a text block. Each is modal, owned by the graph window, reads the current
// values from the window's graph, and on OK writes them back; each returns whether OK wrote
// anything, so that the caller lays the graph out again and repaints it. Cancel changes
// nothing. The axis is 0 (x) or 1 (y).
#pragma once

#include <windows.h>

#include "../../graph/graph.h"
#include "../../graph/text_block.h"

bool run_axis_dialog(HWND graph_window, int axis);      // "Format X-Axis" / "Format Y-Axis"
bool run_label_dialog(HWND graph_window, int axis);     // "Format X-Axis Label" / ...
bool run_title_dialog(HWND graph_window, int axis);     // "Format X-Axis Title" / ...
bool run_legend_dialog(HWND graph_window, Trace *trace);      // "Format Legend"
// Writes the block's record only: sizing the block to its new text and repainting it are
// its window's.
bool run_text_dialog(HWND graph_window, TextBlock *block);    // "Format Text"
