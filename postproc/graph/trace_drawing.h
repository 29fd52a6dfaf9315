// The traces of a graph: lines in their style and weight, sweeps apart when asked, symbols.
#pragma once

#include "../canvas/canvas.h"
#include "graph.h"
#include "resources.h"

struct TraceDrawing {
  bool detect_multiple_traces;    // the preference: a backwards step in x starts a new sweep
  const DeviceTransform *device;  // where the points land; none draws every point
};

// Draws every trace in list order; clipping is the caller's.
void draw_traces(const Graph &graph, Canvas &canvas, const GraphResources &resources,
                 const TraceDrawing &how);
