// The layout sequence.
#include "layout.h"

#include <algorithm>
#include <cmath>

#include "coordinates.h"
#include "legend_label.h"
#include "resources.h"
#include "../canvas/round.h"
#include "ticks.h"

namespace {

int rounded(double x) { return static_cast<int>(round_half_away(x)); }

void set_view_size(const Graph &graph, TextSize client, GraphResources &resources) {
  int width = resources.page_width;
  int height = resources.page_height;
  if (graph.view_mode != kPageView)
    height = client.width > 0
                 ? static_cast<int>(static_cast<long long>(width) * client.height / client.width)
                 : 0;
  resources.view_width = width;
  resources.view_height = height;
}

// The margin depends on c and c on the mapping, which holds the margin: three rounds settle.
void settle_character_height(Graph &graph, Canvas &canvas, TextSize client) {
  const MeasureText measure = canvas_measure(canvas);
  graph.margin = graph.view_mode == kPageView ? graph.margin_measure : 1;
  for (int round = 0; round < 3; round++) {
    canvas.set_mapping(graph_mapping(graph, client));
    set_character_height(&graph, measure(graph.label_format[0].font, "X").height);
  }
}

void recompute_fonts(Graph &graph, const FontSurface &surface) {
  for (int axis = 0; axis < 2; axis++) {
    TickLabelFormat &format = graph.label_format[axis];
    format.font.height = point_size_to_height(surface, format.point_size);
    AxisTitle &title = graph.title[axis];
    title.font.height = point_size_to_height(surface, title.point_size);
  }
  for (Trace *t = graph.head ? graph.head->next : nullptr; t; t = t->next)
    t->legend.font.height = point_size_to_height(surface, t->legend.point_size);
  for (TextBlock *b = graph.text_blocks; b; b = b->next)
    b->font.height = point_size_to_height(surface, b->point_size);
}

int tallest_legend_label(const Graph &graph) {
  int tallest = 0;
  for (const Trace *t = graph.head ? graph.head->next : nullptr; t; t = t->next)
    tallest = std::max(tallest, t->legend.size.height);
  return tallest;
}

void place_plot(Graph &graph, Canvas &canvas, int view_width, int view_height) {
  const MeasureText measure = canvas_measure(canvas);
  int c = graph.character_height;
  double band_share = 0.2;
  if (graph.layout_automatic) {
    int top = c;
    if (graph.legend_display == kLegendShown) top += tallest_legend_label(graph);
    int bottom_margin = x_label_band_height(graph, measure);
    int left_margin = 2 * c + y_label_band_width(graph, measure);
    graph.plot = {left_margin, top, view_width - 2 * c, view_height - bottom_margin};
    band_share = 0.4;
  }
  const LogicalRect &p = graph.plot;
  int outer = rounded(band_share * c);
  graph.x_band = {p.left, p.bottom - c, p.right, p.bottom + outer};
  graph.y_band = {p.left - outer, p.top, p.left + c, p.bottom};
}

void lay_out_axes(Graph &graph, Canvas &canvas) {
  const MeasureText measure = canvas_measure(canvas);
  const LogicalRect &p = graph.plot;
  set_axis_extent(&graph, 0, p.left, p.right - p.left);
  graph.geometry[0].start = p.left;
  graph.geometry[0].end = p.right;
  set_axis_extent(&graph, 1, p.bottom, -(p.bottom - p.top));
  graph.geometry[1].start = p.bottom;
  graph.geometry[1].end = p.top;
  for (int axis = 0; axis < 2; axis++) {
    compute_axis_ticks(&graph, axis);
    measure_tick_labels(graph, axis, measure);
    graph.geometry[axis].title_size = measure(graph.title[axis].font, graph.title[axis].text);
  }
}

void place_legend_labels(Graph &graph, Canvas &canvas, TextSize client) {
  DeviceTransform device = device_transform(graph_mapping(graph, client));
  double scale = std::fabs(device.scale_y);
  auto pixels = [scale](int n) { return scale > 0 ? rounded(n / scale) : 0; };
  int x = graph.plot.left;
  for (Trace *t = graph.head ? graph.head->next : nullptr; t; t = t->next) {
    LegendLabel &label = t->legend;
    size_legend_label(canvas, label);
    if (label.position_set) continue;
    label.x = x;
    label.y = graph.plot.top - pixels(2) - label.size.height;
    x += label.size.width + pixels(5);
  }
}

void layout_pass(Graph &graph, Canvas &canvas, const LayoutSurface &surface,
                 GraphResources &resources) {
  set_view_size(graph, surface.client, resources);
  settle_character_height(graph, canvas, surface.client);
  FontSurface fonts = surface.printer
                          ? *surface.printer
                          : screen_font_surface(surface.dots_per_inch, resources.view_height);
  recompute_fonts(graph, fonts);
  place_plot(graph, canvas, resources.view_width, resources.view_height);
  lay_out_axes(graph, canvas);
  place_legend_labels(graph, canvas, surface.client);
}

}  // namespace

FontSurface screen_font_surface(int dots_per_inch, int view_height) {
  return {dots_per_inch, view_height, view_height / 7};
}

int point_size_to_height(const FontSurface &s, int point_size) {
  if (s.viewport_extent_height == 0) return 0;
  double height = static_cast<double>(s.dots_per_inch) * s.window_extent_height * point_size /
                  72.0 / s.viewport_extent_height;
  return round_to_int(height, -kCoordinateLimit, kCoordinateLimit);
}

Mapping graph_mapping(const Graph &graph, TextSize client) {
  const GraphResources *resources = graph_resources();
  int w = resources ? resources->view_width : 0;
  int h = resources ? resources->view_height : 0;
  int m = graph.margin;
  return {{-m, -m}, {w + 2 * m, h + 2 * m}, {0, 0}, client};
}

MeasureText canvas_measure(Canvas &canvas) {
  return [&canvas](const LogicalFont &font, const std::string &text) {
    canvas.set_font(font);
    return canvas.text_extent(text);
  };
}

void layout_graph(Graph *graph, Canvas &canvas, const LayoutSurface &surface) {
  GraphResources *resources = graph_resources();
  if (!graph || !resources) return;
  for (int pass = 0; pass < 2; pass++) layout_pass(*graph, canvas, surface, *resources);
}
