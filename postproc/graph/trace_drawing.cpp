// Trace lines and symbols. Points are converted as they are drawn, so a trace of millions of
// points costs no second copy of itself.
#include "trace_drawing.h"

#include <algorithm>
#include <vector>

#include "coordinates.h"
#include "round.h"
#include "trace_coordinates.h"
#include "trace_reduction.h"
#include "trace_symbols.h"

namespace {

struct TracePoints {
  const Graph &graph;
  const Trace &trace;
  AxisToLogical x{graph, 0}, y{graph, 1};
  LogicalPoint operator()(int i) const { return {x(trace.x_values[i]), y(trace.y_values[i])}; }
};

// The sweep's direction, from its first step; a step against it starts a new sweep.
int direction(const Trace &trace, int count) {
  return count > 1 && trace.x_values[1] < trace.x_values[0] ? -1 : 1;
}

void draw_reduced(Canvas &canvas, const TracePoints &at, int count, bool detect, int d,
                  const DeviceTransform &device) {
  ColumnReducer reducer(device);
  std::vector<LogicalPoint> kept;
  int in_sweep = 0;
  auto end_sweep = [&]() {
    reducer.finish(kept);
    if (in_sweep >= 2) canvas.polyline(kept.data(), kept.size());   // a lone point draws nothing
    kept.clear();
    in_sweep = 0;
  };
  LogicalPoint previous{};
  for (int i = 0; i < count; i++) {
    LogicalPoint p = at(i);
    if (i > 0 && detect && d * p.x < d * previous.x) end_sweep();
    reducer.add(p, kept);
    in_sweep++;
    previous = p;
  }
  end_sweep();
}

void draw_every_point(Canvas &canvas, const TracePoints &at, int count, bool detect, int d) {
  LogicalPoint previous = at(0);
  canvas.move_to(previous);
  for (int i = 1; i < count; i++) {
    LogicalPoint p = at(i);
    if (detect && d * p.x < d * previous.x)
      canvas.move_to(p);
    else
      canvas.line_to(p);
    previous = p;
  }
}

void draw_symbols(Canvas &canvas, const TracePoints &at, int count, Colour colour) {
  const Trace &trace = at.trace;
  canvas.set_pen({kPenSolid, 0, colour});
  int r = at.graph.character_height * trace.symbol_size / 10;
  int period = std::max(trace.symbol_period, 1);
  for (int i = 0; i < count; i += period) {
    draw_symbol(canvas, trace.symbol_index, at(i), r, colour);
    if (count - i <= period) break;   // i + period would pass the end, or overflow
  }
}

}  // namespace

void draw_traces(const Graph &graph, Canvas &canvas, const GraphResources &resources,
                 const TraceDrawing &how) {
  for (const Trace *t = graph.head ? graph.head->next : nullptr; t; t = t->next) {
    int count = std::min(t->point_count, t->drawn_point_count);
    if (count <= 0 || !t->x_values || !t->y_values) continue;
    Colour colour = resources.palette[std::min(std::max(t->colour_index, 0), kColourCount - 1)];
    TracePoints at{graph, *t};
    if (t->line_style != kPenNull) {
      int width = round_to_int(t->line_weight * graph.line_width_factor, 0, kCoordinateLimit);
      Pen pen{t->line_style, width, colour};
      canvas.set_pen(pen);
      int d = direction(*t, count);
      if (how.device && reducible_pen(pen, *how.device))
        draw_reduced(canvas, at, count, how.detect_multiple_traces, d, *how.device);
      else
        draw_every_point(canvas, at, count, how.detect_multiple_traces, d);
    }
    if (t->display_symbols) draw_symbols(canvas, at, count, colour);
  }
}
