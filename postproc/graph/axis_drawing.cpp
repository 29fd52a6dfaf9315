// Axis, grid and frame drawing.
#include "axis_drawing.h"

#include <algorithm>
#include <vector>

#include "label_layout.h"
#include "labels.h"

namespace {

const Colour kBlack{0, 0, 0};
const LogicalRect kEmpty{0, 0, 0, 0};

struct Region {
  LogicalRect rect = kEmpty;
  bool any = false;
  void add(LogicalPoint at, TextSize size) {
    LogicalRect r{at.x, at.y, at.x + size.width, at.y + size.height};
    if (!any) {
      rect = r;
      any = true;
      return;
    }
    rect = {std::min(rect.left, r.left), std::min(rect.top, r.top),
            std::max(rect.right, r.right), std::max(rect.bottom, r.bottom)};
  }
};

void segment(Canvas &canvas, const TickSegment &s) {
  canvas.move_to(s.from);
  canvas.line_to(s.to);
}

// One labelled tick at coordinate `at` with label `label`, whose sizes are in slot `slot`.
void draw_tick(Canvas &canvas, const Graph &graph, int axis, int at, const TickLabel &label,
               int slot, const LabelMeasures &m, Region &region) {
  const AxisGeometry &g = graph.geometry[axis];
  bool logarithmic = graph.axes[axis].base != 1;
  TextSize size = g.label_sizes[slot], exponent = g.exponent_sizes[slot];
  LabelPlacement place;
  if (axis == 0) {
    segment(canvas, x_tick(at, graph.plot.bottom, m));
    place = place_x_label(at, graph.plot.bottom, size, exponent, logarithmic, m);
  } else {
    segment(canvas, y_tick(at, graph.plot.left, m));
    place = place_y_label(at, graph.plot.left, size, exponent, logarithmic, m);
  }
  canvas.text_out(place.text, label.text);
  region.add(place.text, size);
  if (!logarithmic) return;
  canvas.text_out(place.exponent, label.exponent);
  region.add(place.exponent, exponent);
}

LogicalRect draw_title(Graph &graph, Canvas &canvas, int axis, const LabelMeasures &m) {
  const AxisTitle &title = graph.title[axis];
  if (!title.display) return kEmpty;
  const AxisGeometry &g = graph.geometry[axis];
  const LogicalRect &p = graph.plot;
  TextSize size = g.title_size;
  canvas.set_font(title.font);
  canvas.set_text_align(kAlignCenter | kAlignTop);
  if (axis == 0) {
    int x = p.left + (p.right - p.left) / 2;
    int last_label_height = g.label_count > 0 ? g.label_sizes[g.label_count - 1].height : 0;
    int top = p.bottom + m.tick_length + m.drop + last_label_height + m.tic_length;
    canvas.text_out({x, top}, title.text);
    int left = x - size.width / 2;
    return {left, top, left + size.width, top + size.height};
  }
  int widest = 0;
  for (int i = 0; i < g.label_count; i++) widest = std::max(widest, g.label_sizes[i].width);
  if (graph.axes[1].base != 1) widest *= 2;
  int y = (p.top + p.bottom) / 2;
  int x = p.left - 2 * m.tick_length - size.height - m.tic_length - widest;
  canvas.text_out({x, y}, title.text);
  // The text reads upwards: its top faces left and its width runs along y.
  int top = y - size.width / 2;
  return {x, top, x + size.height, top + size.width};
}

void grid_line(Canvas &canvas, const LogicalRect &p, int axis, int at) {
  if (axis == 0) {
    canvas.move_to({at, p.top});
    canvas.line_to({at, p.bottom});
  } else {
    canvas.move_to({p.left, at});
    canvas.line_to({p.right, at});
  }
}

}  // namespace

void draw_axis(Graph &graph, Canvas &canvas, int axis) {
  if (axis != 0 && axis != 1) return;
  AxisGeometry &g = graph.geometry[axis];
  LabelMeasures m = label_measures(graph.character_height);
  std::vector<TickLabel> labels = tick_labels(graph.axes[axis], graph.label_format[axis]);
  Region region;
  canvas.set_pen({kPenSolid, 0, kBlack});
  canvas.set_font(graph.label_format[axis].font);
  canvas.set_text_align(kAlignLeft | kAlignTop);
  if (!labels.empty() && g.label_count > 0) {
    int walked = static_cast<int>(labels.size()) - 1;
    for (int i = 0; i < g.tick_count; i++) {
      // A full tick list keeps the walk's last tick in its last slot.
      int label = i < g.tick_count - 1 ? i : walked - 1;
      draw_tick(canvas, graph, axis, g.ticks[i], labels[label], i, m, region);
    }
    draw_tick(canvas, graph, axis, g.origin + g.length, labels.back(), g.label_count - 1, m,
              region);
  }
  for (int i = 0; i < g.tic_count; i++)
    segment(canvas, axis == 0 ? x_minor_tic(g.tics[i], graph.plot.bottom, m)
                              : y_minor_tic(g.tics[i], graph.plot.left, m));
  g.label_region = region.rect;
  g.title_region = draw_title(graph, canvas, axis, m);
}

void draw_grid(const Graph &graph, Canvas &canvas, int axis) {
  if (axis != 0 && axis != 1) return;
  const Axis &a = graph.axes[axis];
  const AxisGeometry &g = graph.geometry[axis];
  if (!a.display_grid) return;
  if (a.minor_grid_style != kPenNull) {
    canvas.set_pen({a.minor_grid_style, 0, kBlack});
    for (int i = 0; i < g.tic_count; i++) grid_line(canvas, graph.plot, axis, g.tics[i]);
  }
  if (a.major_grid_style != kPenNull) {
    canvas.set_pen({a.major_grid_style, 0, kBlack});
    for (int i = 1; i < g.tick_count; i++) grid_line(canvas, graph.plot, axis, g.ticks[i]);
  }
}

void draw_frame(const Graph &graph, Canvas &canvas) {
  const LogicalRect &p = graph.plot;
  canvas.set_pen({kPenSolid, 0, kBlack});
  canvas.move_to({p.left, p.top});
  canvas.line_to({p.right, p.top});
  canvas.line_to({p.right, p.bottom});
  canvas.line_to({p.left, p.bottom});
  canvas.line_to({p.left, p.top});
}
