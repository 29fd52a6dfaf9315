// Label placement and the label bands.
#include "label_layout.h"

#include <algorithm>
#include <vector>

#include "labels.h"
#include "../canvas/round.h"
#include "ticks.h"

namespace {

int rounded(double x) { return static_cast<int>(round_half_away(x)); }

int letter_height(const MeasureText &measure, const LogicalFont &font) {
  return measure(font, "X").height;
}

// Widths of the labels v = min, min + increment, ... while v < max, as they are drawn; the
// label at max is not among them.
int widest_y_label(const Graph &graph, const MeasureText &measure) {
  const Axis &axis = graph.axes[1];
  TickLabelFormat format = graph.label_format[1];
  format.digits = drawn_label_digits(axis, format);
  int widest = 0;
  double v = axis.min;
  for (int step = 0; v < axis.max && step < kMaxTickSteps; step++) {
    TickLabel label = tick_label(axis, format, v);
    int width = measure(format.font, label.text).width;
    if (!label.exponent.empty()) width += measure(format.font, label.exponent).width;
    widest = std::max(widest, width);
    double next = v + axis.increment;
    if (!(next > v)) break;
    v = next;
  }
  return widest;
}

}  // namespace

LabelMeasures label_measures(int c) {
  LabelMeasures m;
  m.tick_length = rounded(0.4 * c);
  m.tic_length = rounded(0.2 * c);
  m.drop = static_cast<int>(std::max(0.1 * c, 1.0));
  m.exponent_gap = std::max(rounded(0.3 * m.tic_length), 10);
  return m;
}

TickSegment x_tick(int x, int bottom, const LabelMeasures &m) {
  return {{x, bottom}, {x, bottom + m.tick_length}};
}

TickSegment y_tick(int y, int left, const LabelMeasures &m) {
  return {{left - m.tick_length + 1, y}, {left, y}};
}

TickSegment x_minor_tic(int x, int bottom, const LabelMeasures &m) {
  return {{x, bottom + m.tic_length}, {x, bottom}};
}

TickSegment y_minor_tic(int y, int left, const LabelMeasures &m) {
  return {{left - m.tic_length, y}, {left, y}};
}

// Below the axis the exponent only follows the base, so its size does not matter.
LabelPlacement place_x_label(int x, int bottom, TextSize text, TextSize /*exponent*/,
                             bool logarithmic, const LabelMeasures &m) {
  LabelPlacement p{};
  p.text.y = bottom + m.tick_length + m.drop;
  if (!logarithmic) {
    p.text.x = rounded(x - text.width / 2.0);
    return p;
  }
  p.text.x = x - rounded(text.width / 2.0);
  p.exponent.x = p.text.x + text.width + m.exponent_gap;
  p.exponent.y = rounded(p.text.y - 0.3 * text.height);
  return p;
}

LabelPlacement place_y_label(int y, int left, TextSize text, TextSize exponent,
                             bool logarithmic, const LabelMeasures &m) {
  LabelPlacement p{};
  int tick_outer_end = left - m.tick_length + 1;
  p.text.y = y - rounded(text.height / 2.0);
  if (!logarithmic) {
    p.text.x = tick_outer_end - text.width - m.tic_length;
    return p;
  }
  p.text.x = tick_outer_end - text.width - exponent.width - m.tic_length;
  p.exponent.x = p.text.x + text.width + m.exponent_gap;
  p.exponent.y = rounded(p.text.y - 0.3 * text.height);
  return p;
}

void measure_tick_labels(Graph &graph, int axis, const MeasureText &measure) {
  if (axis != 0 && axis != 1) return;
  const Axis &a = graph.axes[axis];
  const LogicalFont &font = graph.label_format[axis].font;
  AxisGeometry &g = graph.geometry[axis];
  std::vector<TickLabel> labels = tick_labels(a, graph.label_format[axis]);
  int ticks = static_cast<int>(labels.size()) - 1;
  g.label_count = std::min(ticks, kMaxTicks) + 1;
  for (int i = 0; i <= ticks; i++) {
    int slot = i == ticks ? g.label_count - 1 : std::min(i, kMaxTicks - 1);
    g.label_sizes[slot] = measure(font, labels[i].text);
    g.exponent_sizes[slot] =
        labels[i].exponent.empty() ? TextSize{0, 0} : measure(font, labels[i].exponent);
  }
}

int x_label_band_height(const Graph &graph, const MeasureText &measure) {
  int height = letter_height(measure, graph.label_format[0].font) + 2 * graph.character_height;
  if (graph.title[0].display) height += letter_height(measure, graph.title[0].font);
  return height;
}

int y_label_band_width(const Graph &graph, const MeasureText &measure) {
  int width = graph.axes[1].max > graph.axes[1].min ? widest_y_label(graph, measure) : 0;
  if (graph.title[1].display) width += letter_height(measure, graph.title[1].font);
  return width;
}
