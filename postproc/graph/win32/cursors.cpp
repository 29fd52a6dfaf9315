// The cursors. Their values are those of the pointer's pixel, not snapped to trace points;
// a marker's square is centred on its point. The read-outs take the digits and the format
// the preferences had when they were filled.
//
// The read-out window is owned by the frame and must stay above it. Without a window manager
// (Wine on a bare X display) each change of the keyboard focus raises the frame on the
// display, the window order follows the display's a moment later, and the display raises a
// window only when it becomes the first of all. So while the cursors are shown, each focus
// change of the program is followed by a lift of the read-out: below the frame for a moment,
// then to the top. The read-out itself never takes the keyboard.
#include "cursors.h"

#include <string>

#include "../../resources/cursor_dialog_ids.h"
#include "../coordinates.h"
#include "../cursor_readout.h"
#include "graph_window.h"

const char kCursorWindowClass[] = "Cursor";

namespace {

const int kMarkerSize = 11;
const int kMarkerHalf = 5;
const POINT kStart[2] = {{15, 15}, {15, 35}};
const int kMarkerNumberWord = 0;   // 1 or 2
const UINT kLiftMessage = WM_APP + 1;   // posted to the read-out window: back above the frame

struct CursorSet {
  HWND graph_window;
  HWND info;
  HWINEVENTHOOK focus_hook;   // lifts the read-out after each focus change
  HWND markers[2];
  POINT points[2];          // device pixels of the graph window
  CursorPoint values[2];
  int active;               // 0 or 1
};
CursorSet g_set{};

CursorPoint values_at(HWND graph_window, POINT at) {
  Graph *graph = window_graph(graph_window);
  if (!graph) return {0, 0};
  graph_device_to_logical(graph_window, &at, 1);
  return {logical_to_value(graph, 0, at.x), logical_to_value(graph, 1, at.y)};
}

void set_text(int id, const std::string &text) { SetDlgItemTextA(g_set.info, id, text.c_str()); }

void fill_span_readouts() {
  const GraphWindowSettings &s = graph_window_settings();
  const Graph *graph = window_graph(g_set.graph_window);
  const Trace *trace = graph ? nearest_trace(*graph, g_set.values[0]) : nullptr;
  SpanStatistics span{};
  if (trace) span = span_statistics(*trace, g_set.values[0].x, g_set.values[1].x);
  set_text(IDC_SPAN_TRACE, trace ? trace->legend.text : "");
  const int ids[] = {IDC_SPAN_MINIMUM, IDC_SPAN_MAXIMUM, IDC_SPAN_MEAN, IDC_SPAN_RMS, IDC_SPAN_PEAK_TO_PEAK};
  const double numbers[] = {span.minimum, span.maximum, span.mean, span.rms, span.peak_to_peak};
  for (int i = 0; i < 5; i++)
    set_text(ids[i], span.count > 0 ? cursor_number(numbers[i], s.cursor_digits, s.cursor_number_format) : "");
}

void fill_readouts() {
  if (!g_set.info) return;
  const GraphWindowSettings &s = graph_window_settings();
  const int ids[2] = {IDC_CURSOR_ONE_VALUE, IDC_CURSOR_TWO_VALUE};
  for (int i = 0; i < 2; i++)
    set_text(ids[i], cursor_readout(g_set.values[i].x, g_set.values[i].y, s.cursor_digits, s.cursor_number_format));
  set_text(IDC_CURSOR_DIFFERENCE, cursor_difference(g_set.values[0], g_set.values[1], s.cursor_digits, s.cursor_number_format));
  fill_span_readouts();
}

void place_marker(int i, POINT at) {
  g_set.points[i] = at;
  g_set.values[i] = values_at(g_set.graph_window, at);
  // Moving the window repaints the square it leaves and the one it takes.
  MoveWindow(g_set.markers[i], at.x - kMarkerHalf, at.y - kMarkerHalf, kMarkerSize, kMarkerSize, TRUE);
}

// Whether the frame and the read-out are the first shown windows: a dialog or a message box
// above them keeps its place, the read-out is not lifted over it.
bool frame_on_top(HWND info, HWND frame) {
  for (HWND w = GetTopWindow(nullptr); w && w != frame; w = GetWindow(w, GW_HWNDNEXT))
    if (w != info && IsWindowVisible(w)) return false;
  return true;
}

void lift_above_owner(HWND info) {
  HWND frame = GetWindow(info, GW_OWNER);
  if (!frame || !IsWindowVisible(info) || !frame_on_top(info, frame)) return;
  const UINT keep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  SetWindowPos(info, frame, 0, 0, 0, 0, keep | SWP_NOOWNERZORDER | SWP_NOREDRAW);
  SetWindowPos(info, HWND_TOP, 0, 0, 0, 0, keep);
}

void CALLBACK focus_changed(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD) {
  if (g_set.info) PostMessageA(g_set.info, kLiftMessage, 0, 0);
}

INT_PTR CALLBACK info_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      CheckRadioButton(dialog, IDC_CURSOR_ONE, IDC_CURSOR_TWO, IDC_CURSOR_ONE);
      return FALSE;   // no focus on a radio button: the keyboard stays with the graph
    case kLiftMessage:
      // Posted, so that the lift follows the focus change that buried the window.
      lift_above_owner(dialog);
      return TRUE;
    case WM_MOUSEACTIVATE:
      // The frame's accelerators, its menu keys and the cursors' arrow keys stay with the frame.
      SetWindowLongPtrA(dialog, DWLP_MSGRESULT, MA_NOACTIVATE);
      return TRUE;
    case WM_COMMAND:
      if (HIWORD(wparam) == BN_CLICKED && (LOWORD(wparam) == IDC_CURSOR_ONE || LOWORD(wparam) == IDC_CURSOR_TWO)) {
        g_set.active = LOWORD(wparam) == IDC_CURSOR_ONE ? 0 : 1;
        // The clicked button took the focus; the graph gets it back for the arrow keys.
        if (GetFocus() && IsChild(dialog, GetFocus())) SetFocus(g_set.graph_window);
        return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

void paint_marker(HWND window) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  if (!dc) return;
  RECT r{0, 0, kMarkerSize, kMarkerSize};
  FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SelectObject(dc, GetStockObject(BLACK_PEN));
  MoveToEx(dc, 5, 0, nullptr);
  LineTo(dc, 5, 10);
  MoveToEx(dc, 0, 5, nullptr);
  LineTo(dc, 10, 5);
  MoveToEx(dc, 0, 0, nullptr);
  LineTo(dc, 0, 3);
  if (GetWindowLongA(window, kMarkerNumberWord) == 2) {
    MoveToEx(dc, 2, 0, nullptr);
    LineTo(dc, 2, 3);
  }
  EndPaint(window, &ps);
}

}  // namespace

LRESULT CALLBACK cursor_marker_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_PAINT) {
    paint_marker(window);
    return 0;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

bool show_cursors(HWND graph_window, HWND frame) {
  if (g_set.info) hide_cursors();
  if (!graph_window || !window_graph(graph_window)) return false;
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(graph_window, GWLP_HINSTANCE));
  g_set = {};
  g_set.graph_window = graph_window;
  g_set.info = CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_CURSOR_INFO), frame, info_proc, 0);
  for (int i = 0; i < 2; i++) {
    g_set.markers[i] = CreateWindowExA(0, kCursorWindowClass, nullptr, WS_CHILD | WS_CLIPSIBLINGS, 0, 0,
                                       kMarkerSize, kMarkerSize, graph_window, nullptr, instance, nullptr);
    if (g_set.markers[i]) SetWindowLongA(g_set.markers[i], kMarkerNumberWord, i + 1);
  }
  if (!g_set.info || !g_set.markers[0] || !g_set.markers[1]) {
    hide_cursors();
    return false;
  }
  for (int i = 0; i < 2; i++) {
    place_marker(i, kStart[i]);
    ShowWindow(g_set.markers[i], SW_SHOWNA);
  }
  fill_readouts();
  place_cursor_info(frame);
  ShowWindow(g_set.info, SW_SHOWNA);
  g_set.focus_hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, focus_changed,
                                     GetCurrentProcessId(), GetCurrentThreadId(), WINEVENT_OUTOFCONTEXT);
  PostMessageA(g_set.info, kLiftMessage, 0, 0);   // after the caller has brought the frame up
  return true;
}

// Inside the frame's top-right corner, below the toolbar, where it covers little of a graph.
void place_cursor_info(HWND frame) {
  if (!g_set.info || !frame) return;
  RECT frame_rect{}, info_rect{};
  GetWindowRect(frame, &frame_rect);
  GetWindowRect(g_set.info, &info_rect);
  SetWindowPos(g_set.info, nullptr, frame_rect.right - (info_rect.right - info_rect.left) - 24,
               frame_rect.top + 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void hide_cursors() {
  if (g_set.focus_hook) UnhookWinEvent(g_set.focus_hook);
  if (g_set.info) DestroyWindow(g_set.info);
  for (HWND marker : g_set.markers)
    if (marker && IsWindow(marker)) DestroyWindow(marker);
  g_set = {};
}

bool cursors_shown() { return g_set.info != nullptr; }
HWND cursors_window() { return g_set.graph_window; }
HWND cursor_info_window() { return g_set.info; }

void move_active_cursor(POINT at) {
  if (!g_set.info) return;
  place_marker(g_set.active, at);
  fill_readouts();
}

POINT active_cursor_point() { return g_set.points[g_set.active]; }
