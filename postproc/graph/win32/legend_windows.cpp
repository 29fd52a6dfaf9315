// Legend label windows. A label's window covers the label's logical rectangle as the graph's
// mapping puts it on the device, and draws the label with the same mapping moved so that the
// label's corner is the window's.
#include "legend_windows.h"

#include "../legend_label.h"
#include "../layout.h"
#include "../resources.h"
#include "../../canvas/win32/gdi_canvas.h"
#include "graph_window.h"
#include "overlay.h"
#include "text_windows.h"
#include "../drag.h"

const char kTextWindowClass[] = "Text";

namespace {

Trace *label_trace(HWND window) {
  if (GetWindowLongPtrA(window, kTextMarkerWord) != kLegendLabelMarker) return nullptr;
  return reinterpret_cast<Trace *>(GetWindowLongPtrA(window, kTextRecordWord));
}

void paint_label(HWND window) {
  Trace *trace = label_trace(window);
  const GraphResources *resources = graph_resources();
  if (!trace || !resources) {
    ValidateRect(window, nullptr);
    return;
  }
  paint_text_class_window(window, {trace->legend.x, trace->legend.y},
                          [trace, resources](Canvas &canvas) { draw_legend_label(canvas, *trace, *resources); });
}

}  // namespace

void make_legend_windows(HWND graph_window, Graph &graph) {
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(graph_window, GWLP_HINSTANCE));
  for (Trace *t = graph.head ? graph.head->next : nullptr; t; t = t->next) {
    if (t->legend.window) continue;
    // Placed and shown by the next layout.
    HWND label = CreateWindowExA(0, kTextWindowClass, t->legend.text.c_str(), WS_CHILD | WS_CLIPSIBLINGS, 0, 0,
                                 0, 0, graph_window, nullptr, instance, nullptr);
    if (!label) continue;   // the graph still draws; the label shows once a window can be made
    SetWindowLongPtrA(label, kTextMarkerWord, kLegendLabelMarker);
    SetWindowLongPtrA(label, kTextRecordWord, reinterpret_cast<LONG_PTR>(t));
    t->legend.window = label;
  }
}

void place_legend_windows(HDC dc, const Graph &graph) {
  bool shown = graph.legend_display == kLegendShown;
  for (const Trace *t = graph.head ? graph.head->next : nullptr; t; t = t->next) {
    HWND label = static_cast<HWND>(t->legend.window);
    if (!label) continue;
    LogicalRect r = legend_label_rect(t->legend);
    POINT corners[2] = {{r.left, r.top}, {r.right, r.bottom}};
    LPtoDP(dc, corners, 2);
    RECT now{};
    GetWindowRect(label, &now);
    MapWindowPoints(nullptr, GetParent(label), reinterpret_cast<POINT *>(&now), 2);
    // A border's right and bottom lines lie a logical unit, less than a pixel, inside the
    // label's box: a bordered label's window reaches a pixel further to show them.
    int outline = t->legend.border ? 1 : 0;
    int width = corners[1].x - corners[0].x + outline, height = corners[1].y - corners[0].y + outline;
    // Moved only when it moves: a move repaints the label.
    if (now.left != corners[0].x || now.top != corners[0].y || now.right - now.left != width ||
        now.bottom - now.top != height)
      MoveWindow(label, corners[0].x, corners[0].y, width, height, TRUE);
    ShowWindow(label, shown ? SW_SHOWNA : SW_HIDE);
  }
}

bool text_window_message(HWND window, UINT message, WPARAM wparam, LPARAM lparam, LRESULT *result) {
  if (message == WM_PAINT && label_trace(window)) {
    paint_label(window);
    *result = 0;
    return true;
  }
  if (message == WM_PAINT && window_text_block(window)) {
    paint_text_block_window(window);
    *result = 0;
    return true;
  }
  return text_window_mouse(window, message, wparam, lparam, result);
}
