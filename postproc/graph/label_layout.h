// Where tick marks and labels go, and the space the labels need. Text is measured by the
// caller's function, in the logical units of the current layout, so this stays free of fonts.
#pragma once

#include <functional>
#include <string>

#include "graph.h"
#include "symbols.h"

using MeasureText = std::function<TextSize(const LogicalFont &font, const std::string &text)>;

// Measures that follow from the character height c.
struct LabelMeasures {
  int tick_length;    // L = round_half_away(0.4 c)
  int tic_length;     // G = round_half_away(0.2 c), also the gap between tick and label
  int drop;           // D = max(0.1 c, 1) truncated
  int exponent_gap;   // X = max(round_half_away(0.3 G), 10)
};
LabelMeasures label_measures(int character_height);

struct TickSegment {
  LogicalPoint from, to;
};
// Labelled ticks and minor tics below the plot's bottom edge B / left of its left edge A.
TickSegment x_tick(int x, int bottom, const LabelMeasures &m);
TickSegment y_tick(int y, int left, const LabelMeasures &m);
TickSegment x_minor_tic(int x, int bottom, const LabelMeasures &m);
TickSegment y_minor_tic(int y, int left, const LabelMeasures &m);

// Top-left corners of a label's text and, on a logarithmic axis, of its exponent.
struct LabelPlacement {
  LogicalPoint text;
  LogicalPoint exponent;
};
// `exponent` is the exponent's size on a logarithmic axis and ignored on a linear one.
LabelPlacement place_x_label(int x, int bottom, TextSize text, TextSize exponent,
                             bool logarithmic, const LabelMeasures &m);
LabelPlacement place_y_label(int y, int left, TextSize text, TextSize exponent,
                             bool logarithmic, const LabelMeasures &m);

// Measures the labels of an axis and keeps their sizes in its geometry; past the 100th tick
// later labels overwrite the last tick's slot, as the tick list does.
void measure_tick_labels(Graph &graph, int axis, const MeasureText &measure);

// The height of the band below the plot that the x labels (and title) take.
int x_label_band_height(const Graph &graph, const MeasureText &measure);
// The width of the band left of the plot that the y labels (and title) take.
int y_label_band_width(const Graph &graph, const MeasureText &measure);
