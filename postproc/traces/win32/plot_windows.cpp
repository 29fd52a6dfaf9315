// The windows around the trace algorithms.
#include "plot_windows.h"

#include "../../base/win32/child_words.h"
#include "../../data/plot_model.h"
#include "../../data/win32/plot_dialogs.h"
#include "../../graph/win32/graph_window.h"
#include "../direct_plot.h"
#include "../expression_traces.h"
#include "../new_plot.h"
#include "../plot_graph.h"
#include "../reload.h"
#include "../x_axis.h"
#include "x_axis_dialog.h"

namespace {

std::string window_title(HWND window) {
  char text[kWindowTitleLimit + 1] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// A graph window of the current plot with a graph of the given axes; the window goes again
// when its graph cannot be made.
HWND graph_window_with_graph(HWND mdi_client, int x_base, int y_base, const GraphPreferences &preferences) {
  HWND window = create_graph_window(mdi_client, kGraphWindow, current_plot_index(), "");
  if (!window) return nullptr;
  Graph *graph = create_plot_graph(window, x_base, y_base, preferences);
  if (!graph) {
    SendMessageA(mdi_client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(window), 0);
    return nullptr;
  }
  set_window_graph(window, graph);
  return window;
}

}  // namespace

HWND new_plot_window(HWND mdi_client, AddPlotResult &batch, const GraphPreferences &preferences) {
  HWND window = graph_window_with_graph(mdi_client, 1, 1, preferences);
  if (!window) return nullptr;
  std::string title;
  new_plot(window_graph(window), title, batch.expressions, batch.legends, preferences);
  SetWindowTextA(window, title.c_str());
  refresh_graph_window(window);
  return window;
}

void overlay_plot_window(HWND window, AddPlotResult &batch, const GraphPreferences &preferences) {
  Graph *graph = window_graph(window);
  if (!graph) return;
  std::string title = window_title(window);
  overlay_plot(graph, title, batch.expressions, batch.legends, preferences);
  SetWindowTextA(window, title.c_str());
  refresh_graph_window(window);
}

void x_axis_expression_window(HWND window) {
  Graph *graph = window_graph(window);
  if (!graph || GetWindowLongPtrA(window, kChildKindWord) != kGraphWindow) return;
  ExpressionPtr x = run_x_axis_dialog(window);
  if (!x) return;
  if (apply_x_axis_expression(graph, std::move(x))) refresh_graph_window(window);
}

HWND direct_plot_window(HWND mdi_client, const std::vector<int> &indices, size_t start, size_t count,
                        const std::string &function, bool log_x, bool log_y, const GraphPreferences &preferences) {
  HWND window = graph_window_with_graph(mdi_client, log_x ? 10 : 1, log_y ? 10 : 1, preferences);
  if (!window) return nullptr;
  std::string title;
  direct_plot(window_graph(window), title, indices, start, count, function, preferences);
  // The window keeps the plot its traces come from, as they do: the current one.
  SetWindowTextA(window, title.c_str());
  refresh_graph_window(window);
  return window;
}

void recompute_graph_windows(HWND mdi_client, HWND frame) {
  for (HWND child = GetWindow(mdi_client, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    // Icon titles of minimized children have an owner; tables have no graph.
    if (GetWindow(child, GW_OWNER) || GetWindowLongPtrA(child, kChildKindWord) == kTableWindow) continue;
    Graph *graph = window_graph(child);
    if (!graph) continue;
    recompute_graph(graph, [frame] { show_select_current_plot(frame); });
    refresh_graph_window(child);
  }
}
