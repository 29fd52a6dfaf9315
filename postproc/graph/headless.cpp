#include "headless.h"

#include "legend_label.h"
#include "paint.h"
#include "resources.h"
#include "text_block.h"

void draw_window_picture(Graph *graph, Canvas &canvas, const LayoutSurface &surface,
                         Colour text_colour, bool detect_multiple_traces) {
  layout_graph(graph, canvas, surface);
  paint_graph(graph, canvas, surface.client, detect_multiple_traces);
  canvas.set_text_colour(text_colour);
  for (TextBlock *b = graph->text_blocks; b; b = b->next) {
    size_text_block(canvas, *b);
    draw_text_block(canvas, *b);
  }
  const GraphResources *resources = graph_resources();
  if (graph->legend_display != kLegendShown || !resources) return;
  for (const Trace *t = graph->head->next; t; t = t->next)
    draw_legend_label(canvas, *t, *resources);
}
