// The graph window ("ChildGraph"): an MDI child that owns its Graph, lays it out before it
// paints it, switches its view and its legends, and copies it to the clipboard. Pole-zero
// windows are of the same class.
#pragma once

#include <windows.h>

#include <string>

#include "../graph.h"
#include "../layout.h"

extern const char kGraphWindowClass[];   // "ChildGraph"

// The window words beyond the three every child has: the view size the last operation's layout
// left (0: none), so that the next paint need not lay the graph out again; and the window's
// interaction state (graph_window_state.h).
const int kGraphFreshWord = 3 * static_cast<int>(sizeof(LONG_PTR));
const int kGraphStateWord = 4 * static_cast<int>(sizeof(LONG_PTR));

// What the graph windows take from the program.
struct GraphWindowSettings {
  bool detect_multiple_traces;   // the preference: a backwards step in x starts a new sweep
  const FontSurface *printer;    // point sizes are measured on it when one is set up
  int cursor_digits;             // decimals of the cursor read-outs
  int cursor_number_format;      // 0 decimal, 1 scientific
  GraphPreferences preferences;  // fonts of new text blocks
  // Shows a toolbar button pressed or released (Zoom, Display Cursors, Add Text).
  void (*press_toolbar_button)(int command_id, bool pressed);
  HCURSOR zoom_pointer;          // over the plot in zoom mode
};
void set_graph_window_settings(const GraphWindowSettings &settings);
const GraphWindowSettings &graph_window_settings();

// The format dialogs, which a layer above the graph supplies; each returns whether the user
// changed something (the caller then lays the graph out again and repaints it).
struct GraphDialogs {
  bool (*format_axis)(HWND graph_window, int axis);     // dialog 700
  bool (*format_label)(HWND graph_window, int axis);    // dialog 1600
  bool (*format_title)(HWND graph_window, int axis);    // dialog 2401
  bool (*format_legend)(HWND graph_window, Trace *trace);        // dialog 1700
  bool (*format_text)(HWND graph_window, TextBlock *block);     // dialog 1500
};
void set_graph_dialogs(const GraphDialogs &dialogs);
const GraphDialogs &graph_dialogs();

// A visible MDI child of class "ChildGraph" at the default place and size, of kind
// kGraphWindow or kPoleZeroWindow, showing `plot_index`, without a graph yet; none when the
// platform refuses it.
HWND create_graph_window(HWND mdi_client, int kind, int plot_index, const std::string &title);

// The window's graph, or none.
Graph *window_graph(HWND window);
// The window owns `graph` from now on and frees it when it is destroyed.
void set_window_graph(HWND window, Graph *graph);

// After its graph changed (traces added or recomputed, ranges rescaled): new traces' legend
// labels get their windows, and the graph is laid out again and repainted.
void refresh_graph_window(HWND window);

// The view commands: window view (Normal) or page view (Print Layout).
void set_graph_view(HWND window, int view_mode);
// Show/Hide Legends: the labels' windows appear or go, and the top margin follows.
void toggle_graph_legends(HWND window);
// Copy Graph: the picture the window shows, as a metafile on the clipboard.
bool copy_graph_window(HWND window);

// Device pixels of the window to the graph's logical units and back, by the platform's own
// mapping arithmetic, so that a position stored from a drag lands on the pixel it came from.
void graph_device_to_logical(HWND window, POINT *points, int count);
void graph_logical_to_device(HWND window, POINT *points, int count);

// Lays the graph out now and repaints the window and its labels.
void relayout_graph_window(HWND window);

// Creation, paint, size and destruction; false leaves the message to the default handling.
bool graph_window_message(HWND window, UINT message, WPARAM wparam, LPARAM lparam, LRESULT *result);
