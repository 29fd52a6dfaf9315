// What a graph window keeps while the user works it: zoom mode and the ranges it restores,
// the rubber band, the plot rectangle's selection and drag, and the cursor click rule.
// Allocated when the window is created and freed with it; reached through kGraphStateWord.
#pragma once

#include <windows.h>

#include "../zoom.h"

struct GraphWindowState {
  bool zoomed;               // zoom mode is on
  ZoomState saved;           // the ranges and flags from before the first zoom
  bool banding;              // a rubber band is being drawn (mouse captured)
  POINT anchor, corner;      // the band, device pixels
  POINT press;               // where the left button went down last
  bool plot_selected;        // its handles are shown
  bool drag_armed;           // pressed inside the plot rectangle, not yet moved
  bool tracking;             // the tracker shows an outline
  int drag_mode;             // DragMode of the armed or running drag
  RECT track;                // the outline, device pixels
  POINT last;                // the mouse at the last tracker move
  bool skip_release;         // an arrow key moved the cursor: the next release does not
};

GraphWindowState *graph_window_state(HWND window);
