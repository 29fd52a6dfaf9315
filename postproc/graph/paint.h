// Painting a laid-out graph: on the screen, into a copied picture and on a printer page.
// Text blocks and legend labels paint themselves on the screen (they are child windows)
// and are drawn here into copies and on printed pages.
#pragma once

#include "../canvas/canvas.h"
#include "graph.h"
#include "layout.h"

// The graph window's paint: mapping, page shadow and border (page view), axes, grid, frame,
// traces clipped to the inside of the frame. Legend labels are the window's children and
// paint themselves. Reduces long traces to what the client's pixels can show.
void paint_graph(Graph *graph, Canvas &canvas, TextSize client, bool detect_multiple_traces);

// The Copy Graph picture: text colour, a black pen, the page mapping from (0, 0), the text
// blocks, the legend labels when shown, then axes, grid, frame and traces without the shadow, with the label
// sizes of the last measured layout. `reduce_for` is the device size the picture's traces
// are reduced for (the window's client); {0, 0} draws every point.
void draw_copied_graph(Graph *graph, Canvas &canvas, Colour text_colour, TextSize reduce_for,
                       bool detect_multiple_traces);

// The picture's size in hundredths of a millimetre: 10000 wide, trunc(H / W * 10000) high.
TextSize copied_picture_size(int view_width, int view_height);

// Prints on a page whose physical size is given in the printer's device units: the page is
// 0.8 of it; a graph in window view is shown in page view for the duration; the graph is laid
// out on the printer, the text blocks, the legend labels when shown, axes, grid, frame and traces drawn; then
// the screen page and view come back and the graph is laid out for the screen again.
void print_graph(Graph *graph, Canvas &printer, const LayoutSurface &printer_surface,
                 TextSize physical_page, Canvas &screen, const LayoutSurface &screen_surface,
                 bool detect_multiple_traces);
