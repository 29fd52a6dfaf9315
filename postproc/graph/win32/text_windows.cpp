// Text-class windows: text blocks' windows, and the selection and dragging that text blocks
// and legend labels share.
//
// A window keeps, after its marker and record words, a word of state bits and its hover
// drag mode. Positions are stored in the graph's logical units, so a drag converts the final
// device rectangle back through the graph's mapping.
#include "text_windows.h"

#include <algorithm>
#include <functional>

#include "../drag.h"
#include "../layout.h"
#include "../text_block.h"
#include "../../canvas/win32/gdi_canvas.h"
#include "graph_interaction.h"
#include "graph_window.h"
#include "legend_windows.h"
#include "overlay.h"

namespace {

const int kStateWord = 2 * static_cast<int>(sizeof(LONG_PTR));
const int kHoverWord = kStateWord + 4;
enum : LONG { kSelected = 1, kButtonDown = 2, kDragging = 4 };

// A border's right and bottom lines lie one logical unit inside the box, which is less than a
// pixel: a bordered block's window reaches one pixel further so that they are not clipped.
int outline_pixel(const TextBlock &block) { return block.border ? 1 : 0; }

// The drag in progress; one mouse, so one at a time.
struct TextDrag {
  RECT track;    // parent's device pixels
  POINT last;    // screen pixels
  int mode;
};
TextDrag g_drag{};

LONG state(HWND w) { return GetWindowLongA(w, kStateWord); }
void set_state(HWND w, LONG bits, bool on) { SetWindowLongA(w, kStateWord, on ? state(w) | bits : state(w) & ~bits); }

TextSize client_size(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

RECT rect_in_parent(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT *>(&r), 2);
  return r;
}

int hover_mode(HWND window, POINT at) {
  if (!window_text_block(window) || !text_window_selected(window)) return kDragMove;
  TextSize c = client_size(window);
  return handle_drag_mode(c.width, c.height, at.x, at.y);
}

void invert_track(HWND parent) {
  HDC dc = overlay_dc(parent);
  if (!dc) return;
  invert_outline(dc, g_drag.track);
  ReleaseDC(parent, dc);
}

void select(HWND window) {
  HWND parent = GetParent(window);
  deselect_text_windows(parent, window);
  deselect_plot(parent);
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (!text_window_selected(window)) {
    set_state(window, kSelected, true);
    InvalidateRect(window, nullptr, TRUE);
  }
}

// Stores the window's new device rectangle in the record's logical units.
void store_rect(HWND window, const RECT &r) {
  HWND parent = GetParent(window);
  POINT corners[2] = {{r.left, r.top}, {r.right, r.bottom}};
  graph_device_to_logical(parent, corners, 2);
  if (TextBlock *block = window_text_block(window)) {
    const int outline = outline_pixel(*block);
    POINT inner[2] = {{r.left, r.top}, {r.right - outline, r.bottom - outline}};
    graph_device_to_logical(parent, inner, 2);
    block->x = inner[0].x;
    block->y = inner[0].y;
    block->cx = inner[1].x - inner[0].x;
    block->cy = inner[1].y - inner[0].y;
  } else if (Trace *trace = window_legend_trace(window)) {
    trace->legend.x = corners[0].x;
    trace->legend.y = corners[0].y;
    trace->legend.position_set = true;
  }
}

void end_drag(HWND window) {
  bool dragged = state(window) & kDragging;
  if (dragged) invert_track(GetParent(window));
  set_state(window, kButtonDown | kDragging, false);
  if (GetCapture() == window) ReleaseCapture();
  if (!dragged) return;
  LogicalRect o = ordered_rect({g_drag.track.left, g_drag.track.top, g_drag.track.right, g_drag.track.bottom});
  MoveWindow(window, o.left, o.top, o.right - o.left, o.bottom - o.top, TRUE);
  store_rect(window, {o.left, o.top, o.right, o.bottom});
  relayout_graph_window(GetParent(window));
}

void on_move(HWND window, POINT at) {
  LONG s = state(window);
  if (!(s & kButtonDown) || GetCapture() != window) {
    SetWindowLongA(window, kHoverWord, hover_mode(window, at));
    return;
  }
  POINT screen = at;
  ClientToScreen(window, &screen);
  HWND parent = GetParent(window);
  if (!(s & kDragging)) {
    set_state(window, kDragging, true);
    g_drag.track = rect_in_parent(window);
  } else {
    invert_track(parent);
  }
  LogicalRect t = track_rect({g_drag.track.left, g_drag.track.top, g_drag.track.right, g_drag.track.bottom},
                             g_drag.mode, screen.x - g_drag.last.x, screen.y - g_drag.last.y);
  g_drag.track = {t.left, t.top, t.right, t.bottom};
  g_drag.last = screen;
  invert_track(parent);
}

void on_double_click(HWND window) {
  HWND parent = GetParent(window);
  const GraphDialogs &d = graph_dialogs();
  bool changed = false;
  if (TextBlock *block = window_text_block(window))
    changed = d.format_text && d.format_text(parent, block);
  else if (Trace *trace = window_legend_trace(window)) {
    changed = d.format_legend && d.format_legend(parent, trace);
    // The double click's first press selected the label for its dialog: its handles go
    // with the dialog rather than stay painted over the legend until the next click.
    set_state(window, kSelected, false);
    InvalidateRect(window, nullptr, TRUE);
  }
  if (changed) relayout_graph_window(parent);
}

}  // namespace

TextBlock *window_text_block(HWND window) {
  if (!window || GetWindowLongPtrA(window, kTextMarkerWord) != kTextBlockMarker) return nullptr;
  return reinterpret_cast<TextBlock *>(GetWindowLongPtrA(window, kTextRecordWord));
}

Trace *window_legend_trace(HWND window) {
  if (!window || GetWindowLongPtrA(window, kTextMarkerWord) != kLegendLabelMarker) return nullptr;
  return reinterpret_cast<Trace *>(GetWindowLongPtrA(window, kTextRecordWord));
}

bool text_window_selected(HWND window) { return (state(window) & kSelected) != 0; }

void deselect_text_windows(HWND graph_window, HWND except) {
  for (HWND child = GetWindow(graph_window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (child == except || !text_window_selected(child)) continue;
    set_state(child, kSelected, false);
    InvalidateRect(child, nullptr, TRUE);
  }
}

HWND make_text_block_window(HWND graph_window, TextBlock *block) {
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(graph_window, GWLP_HINSTANCE));
  HWND window = CreateWindowExA(0, kTextWindowClass, block->text.c_str(), WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0,
                                graph_window, nullptr, instance, nullptr);
  if (!window) return nullptr;
  SetWindowLongPtrA(window, kTextMarkerWord, kTextBlockMarker);
  SetWindowLongPtrA(window, kTextRecordWord, reinterpret_cast<LONG_PTR>(block));
  block->window = window;
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return window;
}

void place_text_block_windows(HDC dc, Graph &graph) {
  GdiCanvas canvas(dc);
  for (TextBlock *b = graph.text_blocks; b; b = b->next) {
    size_text_block(canvas, *b);
    HWND window = static_cast<HWND>(b->window);
    if (!window) continue;
    // The block's text is its window's text too, for whatever reads windows.
    char shown[kTextBlockTextLimit + 2] = {};
    GetWindowTextA(window, shown, sizeof shown);
    if (b->text != shown) SetWindowTextA(window, b->text.c_str());
    POINT corners[2] = {{b->x, b->y}, {b->x + b->cx, b->y + b->cy}};
    LPtoDP(dc, corners, 2);
    MoveWindow(window, corners[0].x, corners[0].y, corners[1].x - corners[0].x + outline_pixel(*b),
               corners[1].y - corners[0].y + outline_pixel(*b), TRUE);
    InvalidateRect(window, nullptr, TRUE);
    ShowWindow(window, SW_SHOWNA);
  }
}

void paint_text_class_window(HWND window, LogicalPoint corner, const std::function<void(Canvas &)> &draw) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  if (!dc) return;
  HWND parent = GetParent(window);
  Graph *graph = window_graph(parent);
  TextSize parent_client = client_size(parent);
  if (graph && parent_client.width > 0 && parent_client.height > 0) {
    int saved = SaveDC(dc);
    {
      GdiCanvas canvas(dc);
      Mapping mapping = graph_mapping(*graph, parent_client);
      mapping.window_origin = corner;
      canvas.set_mapping(mapping);
      draw(canvas);
    }
    RestoreDC(dc, saved);
    if (text_window_selected(window)) {
      RECT r;
      GetClientRect(window, &r);
      invert_handles(dc, r, kHandleSize);
    }
  }
  EndPaint(window, &ps);
}

void paint_text_block_window(HWND window) {
  TextBlock *block = window_text_block(window);
  if (!block) {
    ValidateRect(window, nullptr);
    return;
  }
  paint_text_class_window(window, {block->x, block->y}, [block](Canvas &canvas) { draw_text_block(canvas, *block); });
}

bool text_window_mouse(HWND window, UINT message, WPARAM, LPARAM lparam, LRESULT *result) {
  POINT at{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
  switch (message) {
    case WM_LBUTTONDOWN:
      end_add_text();   // the press takes the block, not a place for a new one
      g_drag.mode = hover_mode(window, at);   // as it hovered: a block selected by this press moves
      select(window);
      set_state(window, kButtonDown, true);
      g_drag.last = at;
      ClientToScreen(window, &g_drag.last);
      SetCapture(window);
      break;
    case WM_MOUSEMOVE: on_move(window, at); break;
    case WM_LBUTTONUP: end_drag(window); break;
    case WM_LBUTTONDBLCLK: on_double_click(window); break;
    case WM_SETCURSOR: {
      if (LOWORD(lparam) != HTCLIENT) return false;
      int mode = (state(window) & kButtonDown) ? g_drag.mode : GetWindowLongA(window, kHoverWord);
      static const LPCSTR kShapes[] = {IDC_ARROW, IDC_SIZENWSE, IDC_SIZENS, IDC_SIZENESW, IDC_SIZEWE};
      SetCursor(LoadCursorA(nullptr, kShapes[drag_cursor(mode)]));
      *result = TRUE;
      return true;
    }
    case WM_CAPTURECHANGED:
      if (state(window) & kDragging) invert_track(GetParent(window));
      set_state(window, kButtonDown | kDragging, false);
      return false;
    default:
      return false;
  }
  *result = 0;
  return true;
}
