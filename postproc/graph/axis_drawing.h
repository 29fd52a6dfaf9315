// The axes with their ticks, labels, minor tics and titles; the grid; the frame.
#pragma once

#include "../canvas/canvas.h"
#include "graph.h"

// One axis (0 x, 1 y): labelled ticks with their labels, the tick and label at the axis end,
// the minor tics, then the title when displayed. Uses the label and title sizes of the last
// layout (so it draws the same where text cannot be measured) and stores the regions the
// labels and the title cover.
void draw_axis(Graph &graph, Canvas &canvas, int axis);

// Minor grid lines at every minor tic, then major ones at the labelled ticks but the first,
// across the plot rectangle; nothing unless the axis displays its grid.
void draw_grid(const Graph &graph, Canvas &canvas, int axis);

// The plot rectangle's outline, left-top, right-top, right-bottom, left-bottom, left-top.
void draw_frame(const Graph &graph, Canvas &canvas);
