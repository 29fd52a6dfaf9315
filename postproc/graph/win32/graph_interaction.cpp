// The graph window's mouse and keys, in the order of precedence a press follows: Add Text's
// placement, zoom mode's rubber band, the cursors, then the plot rectangle's drag.
//
// Overlays (band, tracker outline, handles) are drawn inverted on the window's device
// pixels, so that drawing them again erases them. The ranges zoom mode restores are kept per
// window: a second zoomed window must not put its ranges into the first.
#include "graph_interaction.h"

#include <algorithm>
#include <cstdlib>
#include <new>

#include "../drag.h"
#include "../hit_test.h"
#include "../layout.h"
#include "../properties.h"
#include "../zoom.h"
#include "cursors.h"
#include "graph_window.h"
#include "graph_window_state.h"
#include "overlay.h"
#include "text_windows.h"

namespace {

const int kCmdAddText = 12005, kCmdZoom = 14002, kCmdShowCursors = 14003;
const int kClickSlack = 2;   // device pixels within which a release is a click

bool g_add_text_armed = false;

void press_button(int command, bool pressed) {
  if (graph_window_settings().press_toolbar_button) graph_window_settings().press_toolbar_button(command, pressed);
}

TextSize client_size(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

DeviceTransform window_transform(HWND window, const Graph &graph) {
  return device_transform(graph_mapping(graph, client_size(window)));
}

LogicalPoint logical_at(HWND window, POINT p) {
  graph_device_to_logical(window, &p, 1);
  return {p.x, p.y};
}

RECT plot_on_device(HWND window, const Graph &graph) {
  POINT corners[2] = {{graph.plot.left, graph.plot.top}, {graph.plot.right, graph.plot.bottom}};
  graph_logical_to_device(window, corners, 2);
  return {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

POINT point_of(LPARAM lparam) { return {static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))}; }

RECT band_rect(const GraphWindowState &s) {
  return {std::min(s.anchor.x, s.corner.x), std::min(s.anchor.y, s.corner.y),
          std::max(s.anchor.x, s.corner.x), std::max(s.anchor.y, s.corner.y)};
}

void invert_band(HWND window, const GraphWindowState &s) {
  HDC dc = overlay_dc(window);
  if (!dc) return;
  invert_outline(dc, band_rect(s));
  ReleaseDC(window, dc);
}

void invert_track(HWND window, const GraphWindowState &s) {
  HDC dc = overlay_dc(window);
  if (!dc) return;
  invert_outline(dc, s.track);
  ReleaseDC(window, dc);
}

void set_plot_selected(HWND window, GraphWindowState &s, bool selected) {
  if (s.plot_selected == selected) return;
  s.plot_selected = selected;
  Graph *graph = window_graph(window);
  if (!graph) return;
  HDC dc = GetDC(window);
  if (!dc) return;
  invert_handles(dc, plot_on_device(window, *graph), kHandleSize);
  ReleaseDC(window, dc);
}

void place_text_block(HWND window, POINT at) {
  end_add_text();
  Graph *graph = window_graph(window);
  if (!graph) return;
  LogicalPoint p = logical_at(window, at);
  TextBlock *block = add_text_block(graph, {p.x, p.y, p.x, p.y}, graph_window_settings().preferences);
  if (!block) return;
  deselect_text_windows(window, nullptr);
  GraphWindowState *s = graph_window_state(window);
  if (s) set_plot_selected(window, *s, false);
  HWND block_window = make_text_block_window(window, block);
  relayout_graph_window(window);   // the block's font gets its height
  // Cancelled, the dialog leaves no block: one made for it and never given a text would stay
  // invisible and be written into graph files.
  if (graph_dialogs().format_text && !graph_dialogs().format_text(window, block)) {
    if (block_window) DestroyWindow(block_window);
    remove_text_block(graph, block);
  }
  relayout_graph_window(window);   // sized to the text the dialog gave it
}

void start_band(HWND window, GraphWindowState &s, POINT at) {
  s.banding = true;
  s.anchor = s.corner = at;
  SetCapture(window);
  invert_band(window, s);
}

void end_band(HWND window, GraphWindowState &s, POINT at) {
  invert_band(window, s);
  s.corner = at;
  s.banding = false;
  ReleaseCapture();
  Graph *graph = window_graph(window);
  if (!graph) return;
  DeviceTransform t = window_transform(window, *graph);
  zoom_to_rectangle(graph, t, {s.anchor.x, s.anchor.y}, {s.corner.x, s.corner.y});
  relayout_graph_window(window);
}

void press_on_plot(HWND window, GraphWindowState &s, POINT at) {
  Graph *graph = window_graph(window);
  if (!graph) return;
  RECT plot = plot_on_device(window, *graph);
  int mode = plot_drag_mode({plot.left, plot.top, plot.right, plot.bottom}, {at.x, at.y}, s.plot_selected);
  deselect_text_windows(window, nullptr);
  if (mode == kDragNone) {
    set_plot_selected(window, s, false);
    return;
  }
  s.drag_mode = mode;
  s.drag_armed = true;
  s.track = plot;
  s.last = at;
  set_plot_selected(window, s, true);
  SetCapture(window);
}

void drag_plot(HWND window, GraphWindowState &s, POINT at) {
  if (!s.tracking) {
    s.tracking = true;
  } else {
    invert_track(window, s);
  }
  LogicalRect moved = track_rect({s.track.left, s.track.top, s.track.right, s.track.bottom}, s.drag_mode,
                                 at.x - s.last.x, at.y - s.last.y);
  s.track = {moved.left, moved.top, moved.right, moved.bottom};
  s.last = at;
  invert_track(window, s);
}

void end_plot_drag(HWND window, GraphWindowState &s) {
  bool moved = s.tracking;
  if (s.tracking) invert_track(window, s);
  s.tracking = s.drag_armed = false;
  ReleaseCapture();
  Graph *graph = window_graph(window);
  if (!moved || !graph) return;
  LogicalRect r = ordered_rect({s.track.left, s.track.top, s.track.right, s.track.bottom});
  LogicalPoint a = logical_at(window, {r.left, r.top}), b = logical_at(window, {r.right, r.bottom});
  set_graph_property(graph, kGraphPlotLeft, number_value(a.x));
  set_graph_property(graph, kGraphPlotTop, number_value(a.y));
  set_graph_property(graph, kGraphPlotWidth, number_value(b.x - a.x));
  set_graph_property(graph, kGraphPlotHeight, number_value(b.y - a.y));
  set_graph_property(graph, kGraphLayoutAutomatic, number_value(0));
  s.plot_selected = false;   // the repaint draws it afresh, without handles
  relayout_graph_window(window);
}

void on_left_down(HWND window, GraphWindowState &s, POINT at) {
  s.press = at;
  if (g_add_text_armed) {
    place_text_block(window, at);
    return;
  }
  if (s.zoomed) {
    start_band(window, s, at);
    return;
  }
  if (cursors_shown() && cursors_window() == window) return;
  press_on_plot(window, s, at);
}

void on_left_up(HWND window, GraphWindowState &s, POINT at) {
  bool zoom_click = false;
  if (s.banding) {
    end_band(window, s, at);
    zoom_click = std::abs(at.x - s.press.x) < kClickSlack && std::abs(at.y - s.press.y) < kClickSlack;
  } else if (s.drag_armed) {
    end_plot_drag(window, s);
    return;
  }
  if (!cursors_shown() || cursors_window() != window) return;
  if (s.skip_release) {
    s.skip_release = false;
    return;
  }
  if (!s.zoomed || zoom_click) move_active_cursor(at);
}

void on_mouse_move(HWND window, GraphWindowState &s, POINT at) {
  if (s.banding) {
    invert_band(window, s);
    s.corner = at;
    invert_band(window, s);
  } else if (s.drag_armed && GetCapture() == window) {
    drag_plot(window, s, at);
  }
}

// The pointer over the client, as graph_pointer chooses it; the zoom cursor is the program's.
bool set_pointer(HWND window, const GraphWindowState &s) {
  Graph *graph = window_graph(window);
  if (!graph) return false;
  POINT at;
  GetCursorPos(&at);
  ScreenToClient(window, &at);
  RECT plot = plot_on_device(window, *graph);
  PointerSituation situation{s.zoomed, cursors_shown() && cursors_window() == window,
                             {plot.left, plot.top, plot.right, plot.bottom}, {at.x, at.y},
                             s.plot_selected, s.drag_armed ? s.drag_mode : kDragNone};
  DragCursor shape = graph_pointer(situation);
  HCURSOR zoom = graph_window_settings().zoom_pointer;
  if (shape == kCursorZoom && zoom) {
    SetCursor(zoom);
    return true;
  }
  static const LPCSTR kShapes[] = {IDC_ARROW, IDC_SIZENWSE, IDC_SIZENS, IDC_SIZENESW, IDC_SIZEWE};
  SetCursor(LoadCursorA(nullptr, kShapes[shape == kCursorZoom ? kCursorArrow : shape]));
  return true;
}

void on_double_click(HWND window, POINT at) {
  Graph *graph = window_graph(window);
  if (!graph) return;
  const GraphDialogs &d = graph_dialogs();
  bool changed = false;
  switch (hit_test(*graph, logical_at(window, at))) {
    case kHitXAxis: changed = d.format_axis && d.format_axis(window, 0); break;
    case kHitYAxis: changed = d.format_axis && d.format_axis(window, 1); break;
    case kHitXLabels: changed = d.format_label && d.format_label(window, 0); break;
    case kHitYLabels: changed = d.format_label && d.format_label(window, 1); break;
    case kHitXTitle: changed = d.format_title && d.format_title(window, 0); break;
    case kHitYTitle: changed = d.format_title && d.format_title(window, 1); break;
    case kHitPlot:
      graph->layout_automatic = true;
      for (Trace *t = graph->head ? graph->head->next : nullptr; t; t = t->next) t->legend.position_set = false;
      changed = true;
      break;
  }
  if (changed) relayout_graph_window(window);
}

// The arrow keys move the active cursor; every other key is the frame's, as without cursors.
bool on_arrow_key(GraphWindowState &s, WPARAM key) {
  POINT p = active_cursor_point();
  switch (key) {
    case VK_LEFT: p.x--; break;
    case VK_UP: p.y--; break;
    case VK_RIGHT: p.x++; break;
    case VK_DOWN: p.y++; break;
    default: return false;
  }
  move_active_cursor(p);
  s.skip_release = true;
  return true;
}

}  // namespace

GraphWindowState *graph_window_state(HWND window) {
  return window ? reinterpret_cast<GraphWindowState *>(GetWindowLongPtrA(window, kGraphStateWord)) : nullptr;
}

void create_interaction_state(HWND window) {
  SetWindowLongPtrA(window, kGraphStateWord, reinterpret_cast<LONG_PTR>(new (std::nothrow) GraphWindowState{}));
}

void destroy_interaction_state(HWND window) {
  if (cursors_window() == window) {
    hide_cursors();
    press_button(kCmdShowCursors, false);
  }
  delete graph_window_state(window);
  SetWindowLongPtrA(window, kGraphStateWord, 0);
}

void toggle_zoom(HWND window) {
  GraphWindowState *s = graph_window_state(window);
  Graph *graph = window_graph(window);
  if (!s || !graph) return;
  if (!s->zoomed) {
    if (cursors_shown()) {
      hide_cursors();
      press_button(kCmdShowCursors, false);
    }
    press_button(kCmdZoom, true);
    s->saved = save_zoom_state(*graph);
    s->zoomed = true;
    return;
  }
  press_button(kCmdZoom, false);
  restore_zoom_state(graph, s->saved);
  s->zoomed = false;
  relayout_graph_window(window);
}

bool graph_window_zoomed(HWND window) {
  GraphWindowState *s = graph_window_state(window);
  return s && s->zoomed;
}

void arm_add_text() {
  g_add_text_armed = true;
  press_button(kCmdAddText, true);
}

bool add_text_armed() { return g_add_text_armed; }

void end_add_text() {
  if (!g_add_text_armed) return;
  g_add_text_armed = false;
  press_button(kCmdAddText, false);
}

void deselect_plot(HWND window) {
  GraphWindowState *s = graph_window_state(window);
  if (s) set_plot_selected(window, *s, false);
}

bool top_text_block_selected(HWND window) {
  HWND top = window ? GetWindow(window, GW_CHILD) : nullptr;
  return top && window_text_block(top) && text_window_selected(top);
}

void delete_selected_text_block(HWND window) {
  if (!top_text_block_selected(window)) return;
  HWND top = GetWindow(window, GW_CHILD);
  TextBlock *block = window_text_block(top);
  DestroyWindow(top);
  remove_text_block(window_graph(window), block);
}

bool graph_interaction_message(HWND window, UINT message, WPARAM wparam, LPARAM lparam, LRESULT *result) {
  GraphWindowState *s = graph_window_state(window);
  if (!s) return false;
  switch (message) {
    case WM_LBUTTONDOWN: on_left_down(window, *s, point_of(lparam)); break;
    case WM_LBUTTONUP: on_left_up(window, *s, point_of(lparam)); break;
    case WM_MOUSEMOVE: on_mouse_move(window, *s, point_of(lparam)); break;
    case WM_LBUTTONDBLCLK: on_double_click(window, point_of(lparam)); break;
    case WM_SETCURSOR:
      if (LOWORD(lparam) != HTCLIENT || !set_pointer(window, *s)) return false;
      *result = TRUE;
      return true;
    case WM_KEYDOWN:
      if (!cursors_shown() || cursors_window() != window || !on_arrow_key(*s, wparam)) return false;
      break;
    case WM_CAPTURECHANGED:
      // Capture taken away mid-drag (another window, a dialog): the overlay goes, nothing applies.
      if (s->banding) invert_band(window, *s);
      if (s->tracking) invert_track(window, *s);
      s->banding = s->tracking = s->drag_armed = false;
      return false;
    default:
      return false;
  }
  *result = 0;
  return true;
}

void paint_interaction_overlay(HWND window, HDC dc) {
  GraphWindowState *s = graph_window_state(window);
  Graph *graph = window_graph(window);
  if (s && graph && s->plot_selected) invert_handles(dc, plot_on_device(window, *graph), kHandleSize);
}
