// The first paint of a new graph window's graph at the default child size: layout and paint,
// on the platform's surface (GDI into a DIB section under Windows, cairo into an image
// natively). Returns the milliseconds it took, or a negative number when no surface was made.
#pragma once

#include "graph/graph.h"

double first_paint_ms(Graph *graph, int width, int height);
