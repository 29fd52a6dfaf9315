// Zoom state and zoom to rectangle.
#include "zoom.h"

#include <cstdlib>

#include "axis.h"
#include "coordinates.h"
#include "../canvas/round.h"
#include "scaling.h"

namespace {
const int kMinimumBand = 2;   // device pixels
const int kFar = 1 << 30;
}  // namespace

ZoomState save_zoom_state(const Graph &graph) {
  ZoomState s{};
  for (int axis = 0; axis < 2; axis++) {
    for (int flag = 0; flag < 3; flag++) s.automatic[axis][flag] = automatic_flag(&graph, axis, flag);
    DisplayRange r = display_range(&graph, axis);
    s.min[axis] = r.min;
    s.max[axis] = r.max;
    s.increment[axis] = r.increment;
  }
  return s;
}

void restore_zoom_state(Graph *graph, const ZoomState &s) {
  if (!graph) return;
  for (int axis = 0; axis < 2; axis++)
    for (int flag = 0; flag < 3; flag++) set_automatic_flag(graph, axis, flag, s.automatic[axis][flag]);
  for (int axis = 0; axis < 2; axis++)
    zoom_axis_range(graph, axis, s.min[axis], s.max[axis], s.increment[axis], false);
}

LogicalPoint to_logical(const DeviceTransform &t, LogicalPoint d) {
  double x = t.scale_x != 0 ? (d.x - t.offset_x) / t.scale_x : 0;
  double y = t.scale_y != 0 ? (d.y - t.offset_y) / t.scale_y : 0;
  return {round_to_int(x, -kFar, kFar), round_to_int(y, -kFar, kFar)};
}

bool zoom_to_rectangle(Graph *graph, const DeviceTransform &t, LogicalPoint anchor, LogicalPoint corner) {
  if (!graph) return false;
  for (int axis = 0; axis < 2; axis++)
    for (int flag = 0; flag < 3; flag++) set_automatic_flag(graph, axis, flag, false);
  if (std::abs(corner.x - anchor.x) < kMinimumBand || std::abs(corner.y - anchor.y) < kMinimumBand)
    return false;
  LogicalPoint a = to_logical(t, anchor), b = to_logical(t, corner);
  zoom_graph(graph, logical_to_value(graph, 0, a.x), logical_to_value(graph, 0, b.x),
             logical_to_value(graph, 1, a.y), logical_to_value(graph, 1, b.y));
  return true;
}
