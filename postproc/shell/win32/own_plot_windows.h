// The windows that single-point and pole-zero plots have of their own.
#pragma once

// Brings forward the window showing plot `plot_index` of kind `plot_kind` (a values table
// or a pole-zero graph), or opens it. The current plot stays what it was.
void show_plot_window(int plot_index, int plot_kind);
