// Trace lines and symbols. Points are converted as they are drawn, so a trace of millions of
// points costs no second copy of itself.
//
// A segment that leaves the square of the coordinate limits is cut where it leaves it (a
// zoomed-in view of a trace whose samples lie far off the plot), so the line broken there
// goes on as a new line where the trace comes back; a segment within the square is drawn
// from its rounded ends exactly as ever. Points beyond the limits get no symbol.
#include "trace_drawing.h"

#include <algorithm>
#include <vector>

#include "coordinates.h"
#include "../canvas/round.h"
#include "segment_clip.h"
#include "spectrum_points.h"
#include "trace_coordinates.h"
#include "trace_reduction.h"
#include "trace_symbols.h"

namespace {

struct TracePoints {
  const Graph &graph;
  const Trace &trace;
  AxisToLogical x{graph, 0}, y{graph, 1};
  LogicalPoint operator()(int i) const { return {x(trace.x_values[i]), y(trace.y_values[i])}; }
  ExactPoint exact(int i) const { return {x.exact(trace.x_values[i]), y.exact(trace.y_values[i])}; }
};

// The sweep's direction, from its first step; a step against it starts a new sweep.
int direction(const Trace &trace, int count) {
  return count > 1 && trace.x_values[1] < trace.x_values[0] ? -1 : 1;
}

// The reduced path. Each point is first compared, as a value, with the x values of the run's
// column and the y values the run has seen: a point inside both (most points of a dense
// trace) can only be the run's new last point, and costs no conversion. The others take the
// exact path, point for point as drawing every point would see them. Both ranges hold values
// within the coordinate limits only (no column at a limit, no height at one), so a point
// beyond them always takes the exact path, which cuts its segments.
class ReducedSweeps {
 public:
  ReducedSweeps(Canvas &canvas, const TracePoints &at, bool detect, int d, const DeviceTransform &device)
      : canvas_(canvas), at_(at), detect_(detect), d_(d), device_(device), reducer_(device),
        by_value_(at.x.monotone() && at.y.monotone()),
        forward_(at.x.rising() ? d : -d),
        edge_columns_{column_of(-kCoordinateLimit), column_of(kCoordinateLimit)} {}

  void draw(int count) {
    const double *xs = at_.trace.x_values, *ys = at_.trace.y_values;
    for (int i = 0; i < count;) {
      int passed = by_value_ ? last_points_from(i, count) : i;
      if (passed > i) {
        reducer_.extend(passed - 1);
        in_sweep_ += passed - i;
        i = passed;
        continue;
      }
      double x = xs[i], y = ys[i];
      bool in_column = by_value_ && columns_.contains(x) && goes_on(x, xs[i - 1]);
      double height = in_column ? at_.y.exact(y) : 0;
      if (in_column && within_limit(height)) {
        see_y(y);
        int c = logical_coordinate(height);
        // A value new to the run on a height it has reached already: every value of that
        // height is within its extremes, and a smooth trace stays on it for many points.
        if (!reducer_.add_in_column(i, c) && y == y && !at_limit(c)) see_y(coordinate_values(at_.y, y));
        in_sweep_++;
      } else {
        add_exactly(i, x, y);
      }
      i++;
    }
    end_line();
  }

 private:
  static bool within_limit(double coordinate) { return coordinate >= -kCoordinateLimit && coordinate <= kCoordinateLimit; }
  static bool at_limit(int coordinate) { return coordinate == kCoordinateLimit || coordinate == -kCoordinateLimit; }
  int column_of(int logical_x) const { return to_device(device_, {logical_x, 0}).x; }

  // A step that cannot run backwards in logical x, or any step when sweeps are not detected.
  bool goes_on(double x, double previous) const { return !detect_ || (x - previous) * forward_ >= 0; }

  // The end of the points from `i` on that can only be the run's new last point: in its
  // column, within the y values it has seen, going on with the sweep. Kept in locals, since
  // this loop is what a dense trace costs.
  int last_points_from(int i, int count) const {
    const double *xs = at_.trace.x_values, *ys = at_.trace.y_values;
    const ValueRange columns = columns_, seen = seen_y_;
    // Point 0 is never passed: no run holds a column before it.
    if (!detect_) {
      while (i < count && columns.contains(xs[i]) && seen.contains(ys[i])) i++;
      return i;
    }
    const double forward = forward_;
    while (i < count && columns.contains(xs[i]) && seen.contains(ys[i]) && (xs[i] - xs[i - 1]) * forward >= 0) i++;
    return i;
  }

  void add_exactly(int i, double x, double y) {
    ExactPoint e = at_.exact(i);
    LogicalPoint p = logical_point(e);
    bool breaks = i > 0 && detect_ && d_ * p.x < d_ * at_.x(at_.trace.x_values[i - 1]);
    if (breaks) end_line();
    bool inside = within_coordinate_limits(e);
    if (i > 0 && !breaks && (!inside || outside_)) cross_limits(at_.exact(i - 1), e, inside);
    outside_ = !inside;
    if (!inside) return;
    if (reducer_.add(i, p, kept_)) {
      columns_ = kNoValues;
      seen_y_ = kNoValues;
      run_length_ = 0;
    }
    see_y(y);
    // A run's column is looked up once it holds a second point: sparse traces, one point a
    // column, never pay for it. A column at a limit holds values beyond it as well.
    if (++run_length_ == 2 && by_value_ && x == x) {
      int column = column_of(p.x);
      if (column != edge_columns_[0] && column != edge_columns_[1]) columns_ = column_values(at_.x, device_, x);
    }
    in_sweep_++;
  }

  // The segment from `from` to `to`, one of them or both beyond the limits, cut to them: it
  // ends the line, starts the next one, or is a line of its own.
  void cross_limits(ExactPoint from, ExactPoint to, bool to_inside) {
    if (!clip_to_coordinate_limits(from, to)) return;
    if (!outside_) {
      LogicalPoint exit = logical_point(to);
      end_line(&exit);
    } else if (to_inside) {
      entry_ = logical_point(from);
      entered_ = true;
    } else {
      LogicalPoint passing[2] = {logical_point(from), logical_point(to)};
      canvas_.polyline(passing, 2);
    }
  }

  // Every y the run has met lands between its lowest and highest point, and so does every
  // value between two of them on a monotone axis.
  void see_y(double y) {
    if (y != y) return;   // lands at 0, not in order with the others
    see_y({y, y});
  }
  void see_y(ValueRange values) {
    if (seen_y_.low > seen_y_.high) {
      seen_y_ = values;
      return;
    }
    seen_y_.low = std::min(seen_y_.low, values.low);
    seen_y_.high = std::max(seen_y_.high, values.high);
  }

  // Draws the line so far: the point where it came back within the limits, the points kept,
  // the point where it left them.
  void end_line(const LogicalPoint *exit = nullptr) {
    reducer_.finish(kept_);
    size_t points = in_sweep_ + (entered_ ? 1 : 0) + (exit ? 1 : 0);
    if (points >= 2) {   // a lone point draws nothing
      points_.clear();
      if (entered_) points_.push_back(entry_);
      for (size_t i : kept_) points_.push_back(at_(static_cast<int>(i)));
      if (exit) points_.push_back(*exit);
      canvas_.polyline(points_.data(), points_.size());
    }
    kept_.clear();
    in_sweep_ = 0;
    entered_ = false;
    columns_ = kNoValues;
    seen_y_ = kNoValues;
    run_length_ = 0;
  }

  Canvas &canvas_;
  const TracePoints &at_;
  bool detect_;
  int d_;
  const DeviceTransform &device_;
  ColumnReducer reducer_;
  bool by_value_;
  int forward_;           // +1: a sweep goes on while x values do not fall; -1: not rise
  int edge_columns_[2];   // the device columns of the two x limits
  ValueRange columns_ = kNoValues;   // the x values of the run's column, once looked up
  ValueRange seen_y_ = kNoValues;    // the y values (numbers) of the run's points
  int run_length_ = 0;    // the run's points that took the exact path
  int in_sweep_ = 0;      // points of the line in the reducer
  bool outside_ = false;  // the last point taking the exact path lay beyond the limits
  bool entered_ = false;  // the line starts where the trace came back within the limits
  LogicalPoint entry_{};
  std::vector<size_t> kept_;
  std::vector<LogicalPoint> points_;
};

void draw_every_point(Canvas &canvas, const TracePoints &at, int count, bool detect, int d) {
  ExactPoint previous_exact = at.exact(0);
  LogicalPoint previous = logical_point(previous_exact);
  bool previous_inside = within_coordinate_limits(previous_exact);
  if (previous_inside) canvas.move_to(previous);
  for (int i = 1; i < count; i++) {
    ExactPoint exact = at.exact(i);
    LogicalPoint p = logical_point(exact);
    bool inside = within_coordinate_limits(exact);
    if (detect && d * p.x < d * previous.x) {
      if (inside) canvas.move_to(p);
    } else if (inside && previous_inside) {
      canvas.line_to(p);
    } else {
      ExactPoint from = previous_exact, to = exact;
      if (clip_to_coordinate_limits(from, to)) {
        if (!previous_inside) canvas.move_to(logical_point(from));
        canvas.line_to(inside ? p : logical_point(to));
      }
    }
    previous_exact = exact;
    previous = p;
    previous_inside = inside;
  }
}

void draw_symbols(Canvas &canvas, const TracePoints &at, int count, Colour colour) {
  const Trace &trace = at.trace;
  canvas.set_pen({kPenSolid, 0, colour});
  int r = at.graph.character_height * trace.symbol_size / 10;
  int period = std::max(trace.symbol_period, 1);
  for (int i = 0; i < count; i += period) {
    ExactPoint exact = at.exact(i);
    if (within_coordinate_limits(exact)) draw_symbol(canvas, trace.symbol_index, logical_point(exact), r, colour);
    if (count - i <= period) break;   // i + period would pass the end, or overflow
  }
}

}  // namespace

void draw_traces(const Graph &graph, Canvas &canvas, const GraphResources &resources,
                 const TraceDrawing &how) {
  for (const Trace *listed = graph.head ? graph.head->next : nullptr; listed; listed = listed->next) {
    // A spectrum's 0 Hz point has no place on a logarithmic x axis: drawn from the next one.
    int hidden = hidden_leading_points(graph, *listed);
    const Trace view = hidden > 0 ? trace_from_point(*listed, hidden) : Trace{};
    const Trace *t = hidden > 0 ? &view : listed;
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
        ReducedSweeps(canvas, at, how.detect_multiple_traces, d, *how.device).draw(count);
      else
        draw_every_point(canvas, at, count, how.detect_multiple_traces, d);
    }
    if (t->display_symbols) draw_symbols(canvas, at, count, colour);
  }
}
