// The picture of a graph window drawn onto one surface, for renderers that have no child
// windows (ulmocli, tests): the graph as its window paints it, then its text blocks, sized to
// their texts as their windows size them, and its legend labels when shown, where the layout
// put them.
#pragma once

#include "../canvas/canvas.h"
#include "graph.h"
#include "layout.h"

void draw_window_picture(Graph *graph, Canvas &canvas, const LayoutSurface &surface,
                         Colour text_colour, bool detect_multiple_traces);
