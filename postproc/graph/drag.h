// Dragging a rectangle (the plot rectangle, a text block, a legend label) in device pixels:
// which drag mode the pointer position picks, the mouse cursor each mode shows (and the one a
// graph window shows in zoom mode), how a mouse movement changes the rectangle, and where the
// eight selection handles sit.
#pragma once

#include "graph.h"
#include "symbols.h"

// 1..8 resize by one corner or edge, clockwise from the top-left corner; 9 moves.
enum DragMode {
  kDragNone = 0,
  kDragTopLeft = 1,
  kDragTop = 2,
  kDragTopRight = 3,
  kDragRight = 4,
  kDragBottomRight = 5,
  kDragBottom = 6,
  kDragBottomLeft = 7,
  kDragLeft = 8,
  kDragMove = 9,
};

enum DragCursor {
  kCursorArrow,
  kCursorSizeNwse,   // north-west / south-east
  kCursorSizeNs,
  kCursorSizeNesw,   // north-east / south-west
  kCursorSizeWe,
  kCursorZoom,       // the program's own cursor resource 6
};

const int kHandleSize = 5;   // device pixels

// The mode of a pointer at (dx, dy) from the top-left corner of a selected w x h rectangle:
// the handle it lies on, else a move.
int handle_drag_mode(int w, int h, int dx, int dy);
// The plot rectangle's rule: no drag outside it, a move inside while it is not selected,
// the handles' modes while it is.
int plot_drag_mode(const LogicalRect &plot, LogicalPoint p, bool selected);
DragCursor drag_cursor(int mode);

// What a graph window knows when the pointer moves over it, device pixels.
struct PointerSituation {
  bool zoomed;          // zoom mode is on
  bool cursors_shown;   // this window shows the cursors
  LogicalRect plot;
  LogicalPoint at;
  bool selected;        // the plot rectangle shows its handles
  int armed_mode;       // the drag pressed but not yet released, or kDragNone
};
// Zoom mode shows the zoom cursor over the plot rectangle and the arrow elsewhere; shown
// cursors take a click anywhere, so the arrow; otherwise the drag that a press would start.
DragCursor graph_pointer(const PointerSituation &s);

// The rectangle after the mouse moved by (dx, dy) in `mode`: the edges the mode moves follow.
LogicalRect track_rect(const LogicalRect &r, int mode, int dx, int dy);
// Left <= right and top <= bottom.
LogicalRect ordered_rect(const LogicalRect &r);

// The eight handles of a selected rectangle, clockwise from the top-left corner as the drag
// modes are, each `size` square and inside the rectangle.
struct SelectionHandles {
  LogicalRect handles[8];
};
SelectionHandles selection_handles(const LogicalRect &r, int size);
