// Trace lines and symbols.
#include "trace_drawing.h"

#include <algorithm>
#include <vector>

#include "coordinates.h"
#include "round.h"
#include "trace_reduction.h"
#include "trace_symbols.h"

namespace {

std::vector<LogicalPoint> logical_points(const Graph &graph, const Trace &trace, int count) {
  std::vector<LogicalPoint> points(count);
  for (int i = 0; i < count; i++)
    points[i] = {value_to_logical(&graph, 0, trace.x_values[i]),
                 value_to_logical(&graph, 1, trace.y_values[i])};
  return points;
}

// Where each sweep starts: at 0, and wherever x steps against the first step's direction.
std::vector<size_t> sweep_starts(const Trace &trace, const std::vector<LogicalPoint> &points,
                                 bool detect) {
  std::vector<size_t> starts{0};
  if (!detect || points.size() < 2) return starts;
  int d = trace.x_values[1] >= trace.x_values[0] ? 1 : -1;
  for (size_t i = 1; i < points.size(); i++)
    if (d * points[i].x < d * points[i - 1].x) starts.push_back(i);
  return starts;
}

void draw_line(Canvas &canvas, const Pen &pen, const std::vector<LogicalPoint> &points,
               const std::vector<size_t> &starts, const DeviceTransform *device) {
  canvas.set_pen(pen);
  if (device && reducible_pen(pen, *device)) {
    for (size_t s = 0; s < starts.size(); s++) {
      size_t end = s + 1 < starts.size() ? starts[s + 1] : points.size();
      size_t count = end - starts[s];
      if (count < 2) continue;   // a lone point draws nothing
      std::vector<LogicalPoint> kept =
          reduce_to_pixel_columns(points.data() + starts[s], count, *device);
      canvas.polyline(kept.data(), kept.size());
    }
    return;
  }
  canvas.move_to(points[0]);
  size_t next_start = 1;
  for (size_t i = 1; i < points.size(); i++) {
    if (next_start < starts.size() && starts[next_start] == i) {
      next_start++;
      canvas.move_to(points[i]);
    } else {
      canvas.line_to(points[i]);
    }
  }
}

void draw_symbols(Canvas &canvas, const Graph &graph, const Trace &trace, Colour colour,
                  const std::vector<LogicalPoint> &points) {
  canvas.set_pen({kPenSolid, 0, colour});
  int r = graph.character_height * trace.symbol_size / 10;
  size_t period = static_cast<size_t>(std::max(trace.symbol_period, 1));
  for (size_t i = 0; i < points.size(); i += period)
    draw_symbol(canvas, trace.symbol_index, points[i], r, colour);
}

}  // namespace

void draw_traces(const Graph &graph, Canvas &canvas, const GraphResources &resources,
                 const TraceDrawing &how) {
  for (const Trace *t = graph.head ? graph.head->next : nullptr; t; t = t->next) {
    int count = std::min(t->point_count, t->drawn_point_count);
    if (count <= 0 || !t->x_values || !t->y_values) continue;
    Colour colour = resources.palette[std::min(std::max(t->colour_index, 0), kColourCount - 1)];
    std::vector<LogicalPoint> points = logical_points(graph, *t, count);
    if (t->line_style != kPenNull) {
      int width = round_to_int(t->line_weight * graph.line_width_factor, 0, kCoordinateLimit);
      draw_line(canvas, {t->line_style, width, colour}, points,
                sweep_starts(*t, points, how.detect_multiple_traces), how.device);
    }
    if (t->display_symbols) draw_symbols(canvas, graph, *t, colour, points);
  }
}
