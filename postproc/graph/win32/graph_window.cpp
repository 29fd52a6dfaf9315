// The graph window. The graph is laid out on the window's own DC before every paint, unless
// the operation just before has laid it out already (a size change, a view or legend switch),
// since the layout measures text in the fonts the DC realises.
#include "graph_window.h"

#include "../../base/win32/child_words.h"
#include "../paint.h"
#include "../resources.h"
#include "copy_graph.h"
#include "graph_interaction.h"
#include "../../canvas/win32/gdi_canvas.h"
#include "legend_windows.h"
#include "text_windows.h"

const char kGraphWindowClass[] = "ChildGraph";

namespace {

GraphWindowSettings g_settings{};
GraphDialogs g_dialogs{};

TextSize client_size(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

// The logical view size is the process's, left by whichever window laid out last: a layout
// stays fresh only while the view size is still the one it left.
LONG_PTR view_size_mark() {
  const GraphResources *r = graph_resources();
  return r ? (static_cast<LONG_PTR>(r->view_width & 0x7FFF) << 16) | (r->view_height & 0xFFFF) : 0;
}
void set_fresh(HWND window, bool fresh) { SetWindowLongPtrA(window, kGraphFreshWord, fresh ? view_size_mark() : 0); }
bool fresh(HWND window) {
  LONG_PTR mark = GetWindowLongPtrA(window, kGraphFreshWord);
  return mark != 0 && mark == view_size_mark();
}

// Lays the graph out on `dc` and moves the legend windows to their new places. A minimized
// window has no client to lay out on.
void lay_out_on(HWND window, HDC dc) {
  Graph *graph = window_graph(window);
  TextSize client = client_size(window);
  if (!graph || client.width <= 0 || client.height <= 0) return;
  int saved = SaveDC(dc);
  {
    GdiCanvas canvas(dc);
    layout_graph(graph, canvas, {client, GetDeviceCaps(dc, LOGPIXELSY), g_settings.printer});
  }
  place_legend_windows(dc, *graph);
  place_text_block_windows(dc, *graph);
  RestoreDC(dc, saved);
}

// Lays out now, on a DC of its own, and lets the next paint use it.
void lay_out_fresh(HWND window) {
  HDC dc = GetDC(window);
  if (!dc) return;
  lay_out_on(window, dc);
  ReleaseDC(window, dc);
  set_fresh(window, true);
  InvalidateRect(window, nullptr, TRUE);
}

void paint_on(HWND window, HDC dc) {
  Graph *graph = window_graph(window);
  TextSize client = client_size(window);
  if (graph && client.width > 0 && client.height > 0) {
    if (!fresh(window)) lay_out_on(window, dc);
    set_fresh(window, false);
    int saved = SaveDC(dc);
    {
      GdiCanvas canvas(dc);
      paint_graph(graph, canvas, client, g_settings.detect_multiple_traces);
    }
    RestoreDC(dc, saved);
    paint_interaction_overlay(window, dc);
  }
}

void paint(HWND window) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  if (!dc) return;
  paint_on(window, dc);
  EndPaint(window, &ps);
}

// The kind comes through the MDI creation record; the plot index is set by the creator.
void create(HWND window, LPARAM lparam) {
  auto *create = reinterpret_cast<CREATESTRUCTA *>(lparam);
  auto *mdi = create ? static_cast<MDICREATESTRUCTA *>(create->lpCreateParams) : nullptr;
  int kind = mdi && mdi->lParam == kPoleZeroWindow ? kPoleZeroWindow : kGraphWindow;
  SetWindowLongPtrA(window, kChildKindWord, kind);
  SetWindowLongPtrA(window, kChildContentWord, 0);
  SetWindowLongPtrA(window, kChildPlotWord, -1);
  set_fresh(window, false);
  create_interaction_state(window);
}

}  // namespace

void set_graph_window_settings(const GraphWindowSettings &settings) { g_settings = settings; }
const GraphWindowSettings &graph_window_settings() { return g_settings; }
void set_graph_dialogs(const GraphDialogs &dialogs) { g_dialogs = dialogs; }
const GraphDialogs &graph_dialogs() { return g_dialogs; }

namespace {

void convert(HWND window, POINT *points, int count, bool to_logical) {
  Graph *graph = window_graph(window);
  HDC dc = graph ? GetDC(window) : nullptr;
  if (!dc) return;
  int saved = SaveDC(dc);
  {
    GdiCanvas canvas(dc);
    canvas.set_mapping(graph_mapping(*graph, client_size(window)));
  }
  if (to_logical)
    DPtoLP(dc, points, count);
  else
    LPtoDP(dc, points, count);
  RestoreDC(dc, saved);
  ReleaseDC(window, dc);
}

}  // namespace

void graph_device_to_logical(HWND window, POINT *points, int count) { convert(window, points, count, true); }
void graph_logical_to_device(HWND window, POINT *points, int count) { convert(window, points, count, false); }

void relayout_graph_window(HWND window) {
  lay_out_fresh(window);
  // The labels and blocks repaint where they are; a moved one repaints on its own.
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    InvalidateRect(child, nullptr, TRUE);
}

HWND create_graph_window(HWND mdi_client, int kind, int plot_index, const std::string &title) {
  HWND window = create_mdi_child(mdi_client, kGraphWindowClass, title.c_str(), kind);
  if (window) SetWindowLongPtrA(window, kChildPlotWord, plot_index);
  return window;
}

Graph *window_graph(HWND window) {
  return window ? reinterpret_cast<Graph *>(GetWindowLongPtrA(window, kChildContentWord)) : nullptr;
}

void set_window_graph(HWND window, Graph *graph) {
  if (graph) graph->owner = window;
  SetWindowLongPtrA(window, kChildContentWord, reinterpret_cast<LONG_PTR>(graph));
}

void refresh_graph_window(HWND window) {
  Graph *graph = window_graph(window);
  if (!graph) return;
  make_legend_windows(window, *graph);
  lay_out_fresh(window);
}

void set_graph_view(HWND window, int view_mode) {
  Graph *graph = window_graph(window);
  if (!graph || (view_mode != kWindowView && view_mode != kPageView)) return;
  graph->view_mode = view_mode;
  lay_out_fresh(window);
}

void toggle_graph_legends(HWND window) {
  Graph *graph = window_graph(window);
  if (!graph) return;
  graph->legend_display = graph->legend_display == kLegendShown ? kLegendHidden : kLegendShown;
  lay_out_fresh(window);
}

bool copy_graph_window(HWND window) {
  Graph *graph = window_graph(window);
  const GraphResources *resources = graph_resources();
  if (!graph || !resources || IsIconic(window)) return false;
  // Laid out on the screen first: the picture's logical space and label sizes are this
  // window's, whichever window laid out last.
  HDC dc = GetDC(window);
  if (!dc) return false;
  lay_out_on(window, dc);
  ReleaseDC(window, dc);
  int width = resources->view_width, height = resources->view_height;
  TextSize client = client_size(window);
  COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
  Colour text_colour{GetRValue(text), GetGValue(text), GetBValue(text)};
  return copy_graph_to_clipboard(window, width, height, [&](Canvas &canvas) {
    draw_copied_graph(graph, canvas, text_colour, client, g_settings.detect_multiple_traces);
  });
}

bool graph_window_message(HWND window, UINT message, WPARAM wparam, LPARAM lparam, LRESULT *result) {
  if (graph_interaction_message(window, message, wparam, lparam, result)) return true;
  switch (message) {
    case WM_CREATE:
      create(window, lparam);
      return false;   // the MDI default still runs
    case WM_PAINT:
      paint(window);
      *result = 0;
      return true;
    case WM_PRINTCLIENT:   // the client drawn on another surface, as it shows
      paint_on(window, reinterpret_cast<HDC>(wparam));
      *result = 0;
      return true;
    case WM_SIZE:
      if (wparam != SIZE_MINIMIZED) lay_out_fresh(window);
      return false;   // the MDI default keeps the frame's menu and maximized state
    case WM_DESTROY:
      destroy_interaction_state(window);
      return false;
    case WM_NCDESTROY:
      // The label windows are gone by now; the graph goes with its window.
      destroy_graph(window_graph(window));
      SetWindowLongPtrA(window, kChildContentWord, 0);
      return false;
  }
  return false;
}
