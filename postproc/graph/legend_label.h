// A trace's legend label: its size, and its drawing (border, sample symbol, text) in the
// graph's logical units at the label's own position.
#pragma once

#include "../canvas/canvas.h"
#include "graph.h"
#include "resources.h"

// The sample symbol's half-size r and its gap g to the text, for text height t.
struct LegendSymbolMeasures {
  int half_size;
  int gap;
};
LegendSymbolMeasures legend_symbol_measures(int text_height);

// Measures the label in its font and keeps the sizes in it (size, text size, descent).
void size_legend_label(Canvas &canvas, LegendLabel &label);

// Draws the label at (label.x, label.y) with the sizes of its last sizing.
void draw_legend_label(Canvas &canvas, const Trace &trace, const GraphResources &resources);

// The label at the top-left corner of its rectangle, as stored.
LogicalRect legend_label_rect(const LegendLabel &label);
