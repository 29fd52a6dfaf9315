// The graph's layout: logical size, margin, character height, fonts, plot rectangle, hit
// bands, axis geometry with ticks and label sizes, and the legend labels' sizes and places.
#pragma once

#include "../canvas/canvas.h"
#include "graph.h"
#include "label_layout.h"

// The surface point sizes are converted on: a logical height of
// round_half_away(dots_per_inch * window_extent_height * points / 72 / viewport_extent_height).
struct FontSurface {
  int dots_per_inch;
  int window_extent_height;
  int viewport_extent_height;
};
// The screen's: window extent H, viewport extent H / 7 (the page is 7 logical units a pixel).
FontSurface screen_font_surface(int dots_per_inch, int view_height);
int point_size_to_height(const FontSurface &surface, int point_size);

struct LayoutSurface {
  TextSize client;             // device units the graph is drawn into
  int dots_per_inch;           // the screen's vertical resolution
  const FontSurface *printer;  // when a printer is set up, point sizes are measured on it
};

// The isotropic mapping of the graph's logical space (with its margin) onto the client.
Mapping graph_mapping(const Graph &graph, TextSize client);

// Text measured through the canvas: the font is set, then the text measured.
MeasureText canvas_measure(Canvas &canvas);

// Lays the graph out for the surface: the whole sequence twice, since the top margin depends
// on the legend labels, whose sizes depend on the fonts the first pass sets. Leaves the
// graph's mapping set on the canvas.
void layout_graph(Graph *graph, Canvas &canvas, const LayoutSurface &surface);
