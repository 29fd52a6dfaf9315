// Zoom mode's arithmetic: the state saved when it starts and put back when it ends, and the
// zoom to a rubber band given in device pixels.
#pragma once

#include "../canvas/canvas.h"
#include "graph.h"

// The six automatic flags and both axes' display ranges (real values).
struct ZoomState {
  bool automatic[2][3];   // per axis: minimum, maximum, increment
  double min[2], max[2], increment[2];
};

ZoomState save_zoom_state(const Graph &graph);
// The flags come back, then each axis (x first) gets its saved range through the zoom range
// operation with the floor and ceil flags clear.
void restore_zoom_state(Graph *graph, const ZoomState &state);

// The logical point a device point shows under `t` (the inverse of to_device, rounded).
LogicalPoint to_logical(const DeviceTransform &t, LogicalPoint device);

// Zoom to a rubber band from `anchor` to `corner` (device pixels) under `t`: the automatic
// flags are cleared; a band less than 2 pixels wide or high stops there (false); otherwise
// each axis zooms to the band's values unless it is at the zoom limit (a message says so).
// True when the band was wide enough to try.
bool zoom_to_rectangle(Graph *graph, const DeviceTransform &t, LogicalPoint anchor, LogicalPoint corner);
