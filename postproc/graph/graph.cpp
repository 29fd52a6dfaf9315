// Creation and destruction of graphs and traces.
//
// Strings grow through the standard library, whose only failure is an exception; creation
// turns that into the "none" result the callers expect, so nothing escapes this module.
#include "graph.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "resources.h"
#include "../canvas/round.h"

namespace {

const char *const kYTitle = "Y Axis Title";
const char *const kLegendTemplateFace = "Arial";
const int kLegendTemplatePoints = 16;
const int kDefaultSymbolSize = 3;

LogicalFont default_font(const std::string &face) {
  LogicalFont font{};
  font.weight = 400;
  font.out_precision = 3;
  font.clip_precision = 2;
  font.quality = 1;
  font.pitch_and_family = 0x22;
  return font_with_face(font, face);
}

std::string title_with_unit(const std::string &text, const std::string &unit) {
  return unit.empty() ? text : text + "  [" + unit + "]";
}

Axis default_axis(int base, int tics) {
  Axis axis{};
  axis.automatic_min = axis.automatic_max = axis.automatic_increment = true;
  axis.scale = 1.0;
  axis.base = base;
  axis.tics = tics;
  axis.minor_grid_style = 2;
  return axis;
}

void free_trace(Trace *trace) {
  GraphResources *resources = graph_resources();
  if (resources && resources->free_expression) {
    if (trace->x_expression) resources->free_expression(trace->x_expression);
    if (trace->y_expression) resources->free_expression(trace->y_expression);
  }
  delete[] trace->x_values;
  delete[] trace->y_values;
  delete trace;
}

}  // namespace

void set_character_height(Graph *graph, int character_height) {
  if (!graph) return;
  graph->character_height = character_height;
  graph->margin_measure = static_cast<int>(round_half_away(0.8 * character_height));
  graph->line_width_factor = std::max(character_height / 40.0, 1.0);
  graph->margin = graph->view_mode == kPageView ? graph->margin_measure : 1;
}

LogicalFont font_with_face(const LogicalFont &font, const std::string &face) {
  LogicalFont result = font;
  memset(result.face_name, 0, sizeof result.face_name);
  strncpy(result.face_name, face.c_str(), kFaceNameSize - 1);
  return result;
}

GraphPreferences default_graph_preferences() {
  GraphPreferences p;
  p.x_title_face = p.y_title_face = "Times New Roman";
  p.x_label_face = p.y_label_face = "Arial";
  p.legend_face = p.text_face = "Times New Roman";
  p.x_title_size = p.y_title_size = 20;
  p.x_label_size = p.y_label_size = p.legend_size = p.text_size = 18;
  p.graph_digits = 1;
  p.tic_marks = 3;
  return p;
}

Graph *create_graph(WindowHandle owner, const std::string &x_title, const std::string &x_unit,
                    const std::string &y_unit, int x_base, int y_base,
                    const GraphPreferences &preferences) {
  Graph *graph = new (std::nothrow) Graph{};
  Trace *placeholder = new (std::nothrow) Trace{};
  if (!graph || !placeholder) {
    delete graph;
    delete placeholder;
    return nullptr;
  }
  try {
    graph->owner = owner;
    graph->axes[0] = default_axis(x_base, preferences.tic_marks);
    graph->axes[1] = default_axis(y_base, preferences.tic_marks);
    const std::string *label_faces[2] = {&preferences.x_label_face, &preferences.y_label_face};
    const int label_sizes[2] = {preferences.x_label_size, preferences.y_label_size};
    for (int axis = 0; axis < 2; axis++) {
      TickLabelFormat &format = graph->label_format[axis];
      format.font = default_font(*label_faces[axis]);
      format.point_size = label_sizes[axis];
      format.digits = preferences.graph_digits;
      format.notation = kNotationScaleFactors;
    }
    AxisTitle &x = graph->title[0];
    x.text = title_with_unit(x_title, x_unit);
    x.font = default_font(preferences.x_title_face);
    x.point_size = preferences.x_title_size;
    x.display = true;
    AxisTitle &y = graph->title[1];
    y.text = title_with_unit(kYTitle, y_unit);
    y.font = default_font(preferences.y_title_face);
    y.font.escapement = y.font.orientation = 900;   // reads upwards
    y.point_size = preferences.y_title_size;
    y.display = true;
  } catch (const std::bad_alloc &) {
    delete graph;
    delete placeholder;
    return nullptr;
  }
  graph->legend_font = default_font(kLegendTemplateFace);
  graph->legend_point_size = kLegendTemplatePoints;
  graph->legend_display = kLegendShown;
  graph->head = graph->tail = graph->current = placeholder;
  graph->layout_automatic = true;
  return graph;
}

void destroy_graph(Graph *graph) {
  if (!graph) return;
  Trace *trace = graph->head;
  while (trace) {
    Trace *next = trace->next;
    free_trace(trace);
    trace = next;
  }
  for (TextBlock *block = graph->text_blocks; block;) {
    TextBlock *next = block->next;
    delete block;
    block = next;
  }
  delete graph;
}

void remove_traces_after(Graph *graph, Trace *last_kept) {
  if (!graph || !last_kept) return;
  Trace *trace = last_kept->next;
  while (trace) {
    Trace *next = trace->next;
    if (graph->current == trace) graph->current = nullptr;
    free_trace(trace);
    trace = next;
  }
  last_kept->next = nullptr;
  graph->tail = last_kept;
}

Trace *add_trace(Graph *graph, int kind, int symbol_index, int line_style, int line_weight,
                 const std::string &legend_text, int point_count, int plot_index,
                 double *x_values, double *y_values, const GraphPreferences &preferences) {
  if (!graph) return nullptr;
  Trace *trace = new (std::nothrow) Trace{};
  if (!trace) return nullptr;
  try {
    trace->legend.text = legend_text;
    trace->legend.font = font_with_face(graph->legend_font, preferences.legend_face);
  } catch (const std::bad_alloc &) {
    delete trace;
    return nullptr;
  }
  trace->kind = kind;
  trace->legend.point_size = preferences.legend_size;
  trace->legend.x = trace->legend.y = -100;
  trace->legend.show_symbol = true;
  trace->colour_index = graph->trace_counter % kAutomaticColourCount;
  trace->symbol_index = symbol_index;
  trace->symbol_size = kDefaultSymbolSize;
  trace->plot_index = plot_index;
  trace->line_style = line_style;
  trace->line_weight = line_weight;
  trace->display_symbols = kind == 1;
  trace->display_symbols_with_text = true;
  trace->symbol_period = 1;
  trace->point_count = point_count;
  trace->drawn_point_count = point_count;
  trace->x_values = x_values;
  trace->y_values = y_values;
  graph->tail->next = trace;
  graph->tail = trace;
  graph->trace_counter++;
  return trace;
}
