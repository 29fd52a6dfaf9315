// The drawing orders of paint, Copy Graph and printing.
#include "paint.h"

#include "axis_drawing.h"
#include "legend_label.h"
#include "resources.h"
#include "../canvas/round.h"
#include "text_block.h"
#include "trace_drawing.h"

namespace {

const Colour kBlack{0, 0, 0};
const Colour kShadow{128, 128, 128};

bool has_traces(const Graph &graph) { return graph.head && graph.head->next; }

void draw_page_shadow_and_border(const Graph &graph, Canvas &canvas, int w, int h) {
  int s = static_cast<int>(round_half_away(0.6 * graph.margin));
  canvas.fill_rect({s, h, w + s, h + s}, kShadow);
  canvas.fill_rect({w, s, w + s, h + s}, kShadow);
  canvas.set_pen({kPenSolid, 0, kBlack});
  canvas.move_to({0, 0});
  canvas.line_to({w, 0});
  canvas.line_to({w, h});
  canvas.line_to({0, h});
  canvas.line_to({0, 0});
}

void draw_legend_labels(const Graph &graph, Canvas &canvas, const GraphResources &resources) {
  if (graph.legend_display != kLegendShown) return;
  for (const Trace *t = graph.head ? graph.head->next : nullptr; t; t = t->next)
    draw_legend_label(canvas, *t, resources);
}

void draw_text_blocks(const Graph &graph, Canvas &canvas) {
  for (const TextBlock *b = graph.text_blocks; b; b = b->next) draw_text_block(canvas, *b);
}

// Axes, grid, frame and the traces clipped to the inside of the frame.
void draw_body(Graph &graph, Canvas &canvas, const GraphResources &resources,
               const TraceDrawing &how) {
  draw_axis(graph, canvas, 0);
  draw_axis(graph, canvas, 1);
  draw_grid(graph, canvas, 0);
  draw_grid(graph, canvas, 1);
  draw_frame(graph, canvas);
  if (!has_traces(graph)) return;
  const LogicalRect &p = graph.plot;
  canvas.intersect_clip({p.left + 1, p.top + 1, p.right, p.bottom});
  draw_traces(graph, canvas, resources, how);
  canvas.reset_clip();
}

}  // namespace

void paint_graph(Graph *graph, Canvas &canvas, TextSize client, bool detect_multiple_traces) {
  const GraphResources *resources = graph_resources();
  if (!graph || !resources) return;
  Mapping mapping = graph_mapping(*graph, client);
  canvas.set_mapping(mapping);
  if (graph->view_mode == kPageView)
    draw_page_shadow_and_border(*graph, canvas, resources->view_width, resources->view_height);
  DeviceTransform device = canvas.placement(mapping);
  draw_body(*graph, canvas, *resources, {detect_multiple_traces, &device});
}

void draw_copied_graph(Graph *graph, Canvas &canvas, Colour text_colour, TextSize reduce_for,
                       bool detect_multiple_traces) {
  const GraphResources *resources = graph_resources();
  if (!graph || !resources) return;
  canvas.set_text_colour(text_colour);
  canvas.set_pen({kPenSolid, 0, kBlack});
  Mapping mapping{{0, 0}, {resources->view_width, resources->view_height}, {0, 0}, reduce_for};
  canvas.set_mapping(mapping);
  draw_text_blocks(*graph, canvas);
  draw_legend_labels(*graph, canvas, *resources);
  bool reduce = reduce_for.width > 0 && reduce_for.height > 0;
  DeviceTransform device = device_transform(mapping);
  draw_body(*graph, canvas, *resources, {detect_multiple_traces, reduce ? &device : nullptr});
}

TextSize copied_picture_size(int view_width, int view_height) {
  if (view_width <= 0) return {10000, 0};
  return {10000, static_cast<int>(static_cast<long long>(view_height) * 10000 / view_width)};
}

void print_graph(Graph *graph, Canvas &printer, const LayoutSurface &printer_surface,
                 TextSize physical_page, Canvas &screen, const LayoutSurface &screen_surface,
                 bool detect_multiple_traces) {
  const GraphResources *resources = graph_resources();
  if (!graph || !resources) return;
  set_printer_page_size(physical_page.width, physical_page.height);
  bool switched = graph->view_mode == kWindowView;
  if (switched) graph->view_mode = kPageView;
  // A graph already in page view is laid out too: its geometry belongs to the screen page.
  layout_graph(graph, printer, printer_surface);
  draw_text_blocks(*graph, printer);
  draw_legend_labels(*graph, printer, *resources);
  DeviceTransform device = printer.placement(graph_mapping(*graph, printer_surface.client));
  draw_body(*graph, printer, *resources, {detect_multiple_traces, &device});
  set_screen_page_size();
  if (switched) graph->view_mode = kWindowView;
  layout_graph(graph, screen, screen_surface);
}
