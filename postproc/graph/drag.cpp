// Drag modes and tracker geometry.
#include "drag.h"

#include <algorithm>

#include "hit_test.h"

int handle_drag_mode(int w, int h, int dx, int dy) {
  const int s = kHandleSize;
  const int a = (w - s) / 2, b = (h - s) / 2;
  const bool left = dx < s, centre = a < dx && dx < a + s, right = w - s < dx && dx < w;
  const bool top = dy < s, middle = b < dy && dy < b + s, bottom = h - s < dy && dy < h;
  // The first matching handle wins, in mode order.
  if (left && top) return kDragTopLeft;
  if (centre && top) return kDragTop;
  if (right && top) return kDragTopRight;
  if (right && middle) return kDragRight;
  if (right && bottom) return kDragBottomRight;
  if (centre && bottom) return kDragBottom;
  if (left && bottom) return kDragBottomLeft;
  if (left && middle) return kDragLeft;
  return kDragMove;
}

int plot_drag_mode(const LogicalRect &plot, LogicalPoint p, bool selected) {
  if (!contains(plot, p)) return kDragNone;
  if (!selected) return kDragMove;
  return handle_drag_mode(plot.right - plot.left, plot.bottom - plot.top, p.x - plot.left,
                          p.y - plot.top);
}

DragCursor drag_cursor(int mode) {
  switch (mode) {
    case kDragTopLeft: case kDragBottomRight: return kCursorSizeNwse;
    case kDragTop: case kDragBottom: return kCursorSizeNs;
    case kDragTopRight: case kDragBottomLeft: return kCursorSizeNesw;
    case kDragRight: case kDragLeft: return kCursorSizeWe;
  }
  return kCursorArrow;
}

DragCursor graph_pointer(const PointerSituation &s) {
  if (s.zoomed) return contains(s.plot, s.at) ? kCursorZoom : kCursorArrow;
  if (s.cursors_shown) return kCursorArrow;
  if (s.armed_mode != kDragNone) return drag_cursor(s.armed_mode);
  return drag_cursor(plot_drag_mode(s.plot, s.at, s.selected));
}

LogicalRect track_rect(const LogicalRect &r, int mode, int dx, int dy) {
  LogicalRect t = r;
  const bool moves_top = mode == kDragTopLeft || mode == kDragTop || mode == kDragTopRight;
  const bool moves_bottom = mode == kDragBottomRight || mode == kDragBottom || mode == kDragBottomLeft;
  const bool moves_left = mode == kDragTopLeft || mode == kDragBottomLeft || mode == kDragLeft;
  const bool moves_right = mode == kDragTopRight || mode == kDragRight || mode == kDragBottomRight;
  const bool all = mode == kDragMove;
  if (all || moves_left) t.left += dx;
  if (all || moves_right) t.right += dx;
  if (all || moves_top) t.top += dy;
  if (all || moves_bottom) t.bottom += dy;
  return t;
}

LogicalRect ordered_rect(const LogicalRect &r) {
  return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
          std::max(r.top, r.bottom)};
}

SelectionHandles selection_handles(const LogicalRect &r, int size) {
  const int w = r.right - r.left, h = r.bottom - r.top;
  const int cx = r.left + (w - size) / 2, cy = r.top + (h - size) / 2;
  const int right = r.right - size, bottom = r.bottom - size;
  const LogicalPoint corners[8] = {{r.left, r.top}, {cx, r.top},     {right, r.top},
                                   {right, cy},     {right, bottom}, {cx, bottom},
                                   {r.left, bottom}, {r.left, cy}};
  SelectionHandles result;
  for (int i = 0; i < 8; i++)
    result.handles[i] = {corners[i].x, corners[i].y, corners[i].x + size, corners[i].y + size};
  return result;
}
