// The operations on one axis of a graph (0 x, 1 y) that dialogs, the graph file and drawing
// use; rescaling ones are in scaling.h. Out-of-range axis indices read as zero and change
// nothing.
#pragma once

#include <string>

#include "graph.h"

struct DisplayRange {
  double min, max, increment;   // real values
};

// Linear: the stored values times the scale; logarithmic: base^min, base^max, increment 1.
DisplayRange display_range(const Graph *graph, int axis);
DataRange data_range(const Graph *graph, int axis);

enum AutomaticFlag { kAutomaticMin = 0, kAutomaticMax = 1, kAutomaticIncrement = 2 };
bool automatic_flag(const Graph *graph, int axis, int flag);
void set_automatic_flag(Graph *graph, int axis, int flag, bool on);

int axis_base(const Graph *graph, int axis);
int axis_tics(const Graph *graph, int axis);
void set_axis_tics(Graph *graph, int axis, int tics);

struct GridSettings {
  int major_style, minor_style;
  bool display;
};
GridSettings axis_grid(const Graph *graph, int axis);
void set_axis_grid(Graph *graph, int axis, const GridSettings &grid);

// Titles: the text and the unit are kept apart inside one string, "text  [unit]".
void set_title_text(Graph *graph, int axis, const std::string &text);   // keeps the unit
std::string title_text(const Graph *graph, int axis);
void set_title_unit(Graph *graph, int axis, const std::string &unit);   // "" removes it
std::string title_unit(const Graph *graph, int axis);
void set_title_font(Graph *graph, int axis, const LogicalFont &font, int point_size);
void set_title_display(Graph *graph, int axis, bool display);

// Tick-label format.
void set_label_font(Graph *graph, int axis, const LogicalFont &font, int point_size);
void set_label_digits(Graph *graph, int axis, int digits);
void set_label_notation(Graph *graph, int axis, int notation);
