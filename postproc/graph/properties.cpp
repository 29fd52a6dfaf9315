// Property access by code. Values a later drawing step would index tables with are checked
// here, since the graph file hands them over unchecked.
#include "properties.h"

#include <new>

#include "resources.h"

namespace {

void free_expression_of(Expression *expression) {
  GraphResources *resources = graph_resources();
  if (expression && resources && resources->free_expression)
    resources->free_expression(expression);
}

bool in_range(int value, int low, int high) { return value >= low && value <= high; }

}  // namespace

PropertyValue number_value(int number) {
  PropertyValue value{};
  value.number = number;
  return value;
}

bool get_graph_property(const Graph *graph, int code, PropertyValue &value) {
  if (!graph) return false;
  switch (code) {
    case kGraphTraceCounter: value.number = graph->trace_counter; return true;
    case kGraphLegendDisplay: value.number = graph->legend_display; return true;
    case kGraphLegendFont:
      value.font = graph->legend_font;
      value.point_size = graph->legend_point_size;
      return true;
    case kGraphViewMode: value.number = graph->view_mode; return true;
    case kGraphPlotLeft: value.number = graph->plot.left; return true;
    case kGraphPlotTop: value.number = graph->plot.top; return true;
    case kGraphPlotWidth: value.number = graph->plot.right - graph->plot.left; return true;
    case kGraphPlotHeight: value.number = graph->plot.bottom - graph->plot.top; return true;
    default: return false;
  }
}

bool set_graph_property(Graph *graph, int code, const PropertyValue &value) {
  if (!graph) return false;
  switch (code) {
    case kGraphLegendDisplay: graph->legend_display = value.number; return true;
    case kGraphViewMode:
      if (value.number != kWindowView && value.number != kPageView) return false;
      graph->view_mode = value.number;
      return true;
    case kGraphPlotLeft: graph->plot.left = value.number; return true;
    case kGraphPlotTop: graph->plot.top = value.number; return true;
    case kGraphPlotWidth: graph->plot.right = graph->plot.left + value.number; return true;
    case kGraphPlotHeight: graph->plot.bottom = graph->plot.top + value.number; return true;
    case kGraphLayoutAutomatic: graph->layout_automatic = value.number != 0; return true;
    default: return false;
  }
}

bool get_trace_property(const Trace *trace, int code, PropertyValue &value) {
  if (!trace) return false;
  const LegendLabel &label = trace->legend;
  switch (code) {
    case kTraceKind: value.number = trace->kind; return true;
    case kTraceLegendText:
      try {
        value.text = label.text;
      } catch (const std::bad_alloc &) {
        return false;
      }
      return true;
    case kTraceSymbolIndex: value.number = trace->symbol_index; return true;
    case kTraceSymbolSize: value.number = trace->symbol_size; return true;
    case kTracePlotIndex: value.number = trace->plot_index; return true;
    case kTraceColourIndex: value.number = trace->colour_index; return true;
    case kTracePointCount: value.number = trace->point_count; return true;
    case kTraceXValues: value.values = trace->x_values; return true;
    case kTraceYValues: value.values = trace->y_values; return true;
    case kTraceLineStyle: value.number = trace->line_style; return true;
    case kTraceLineWeight: value.number = trace->line_weight; return true;
    case kTraceDisplaySymbols: value.number = trace->display_symbols; return true;
    case kTraceSymbolPeriod: value.number = trace->symbol_period; return true;
    case kTraceSymbolsWithText: value.number = trace->display_symbols_with_text; return true;
    case kTraceXExpression: value.expression = trace->x_expression; return true;
    case kTraceYExpression: value.expression = trace->y_expression; return true;
    case kTraceLegendFont:
      value.font = label.font;
      value.point_size = label.point_size;
      return true;
    case kTraceLegendPointSize: value.number = label.point_size; return true;
    case kTraceLegendBorder: value.number = label.border; return true;
    case kTraceLegendPositionSet: value.number = label.position_set; return true;
    case kTraceLegendX: value.number = label.x; return true;
    case kTraceLegendY: value.number = label.y; return true;
    default: return false;
  }
}

bool set_trace_property(Trace *trace, int code, const PropertyValue &value) {
  if (!trace) return false;
  LegendLabel &label = trace->legend;
  const int n = value.number;
  switch (code) {
    case kTraceKind: trace->kind = n; return true;
    case kTraceLegendText:
      try {
        label.text = value.text;
      } catch (const std::bad_alloc &) {
        return false;
      }
      return true;
    case kTraceSymbolIndex:
      if (!in_range(n, 0, kSymbolCount - 1)) return false;
      trace->symbol_index = n;
      return true;
    case kTraceSymbolSize: trace->symbol_size = n; return true;
    case kTracePlotIndex: trace->plot_index = n; return true;
    case kTraceColourIndex:
      if (!in_range(n, 0, kColourCount - 1)) return false;
      trace->colour_index = n;
      return true;
    case kTracePointCount:
      if (n < 0) return false;
      trace->point_count = trace->drawn_point_count = n;
      return true;
    case kTraceXValues:
      if (trace->x_values != value.values) delete[] trace->x_values;
      trace->x_values = value.values;
      return true;
    case kTraceYValues:
      if (trace->y_values != value.values) delete[] trace->y_values;
      trace->y_values = value.values;
      return true;
    case kTraceLineStyle: trace->line_style = n; return true;
    case kTraceLineWeight: trace->line_weight = n; return true;
    case kTraceDisplaySymbols: trace->display_symbols = n != 0; return true;
    case kTraceSymbolPeriod:
      if (n < 1) return false;
      trace->symbol_period = n;
      return true;
    case kTraceSymbolsWithText:
      trace->display_symbols_with_text = label.show_symbol = n != 0;
      return true;
    case kTraceXExpression:
      if (trace->x_expression != value.expression) free_expression_of(trace->x_expression);
      trace->x_expression = value.expression;
      return true;
    case kTraceYExpression:
      if (trace->y_expression != value.expression) free_expression_of(trace->y_expression);
      trace->y_expression = value.expression;
      return true;
    case kTraceLegendFont:
      label.font = value.font;
      label.point_size = value.point_size;
      return true;
    case kTraceLegendPointSize: label.point_size = n; return true;
    case kTraceLegendBorder: label.border = n != 0; return true;
    case kTraceDrawnPointCount:
      if (n < 0) return false;
      trace->drawn_point_count = n;
      return true;
    case kTraceLegendPositionSet: label.position_set = n != 0; return true;
    case kTraceLegendX: label.x = n; return true;
    case kTraceLegendY: label.y = n; return true;
    default: return false;
  }
}

Trace *first_trace(Graph *graph) {
  if (!graph) return nullptr;
  graph->current = graph->head->next;
  return graph->current;
}

Trace *next_trace(Graph *graph) {
  if (!graph || !graph->current) return nullptr;
  graph->current = graph->current->next;
  return graph->current;
}

// The placeholder at the head is no trace: before first_trace nothing is current.
bool set_current_trace_property(Graph *graph, int code, const PropertyValue &value) {
  if (!graph || graph->current == graph->head) return false;
  return set_trace_property(graph->current, code, value);
}

bool get_current_trace_property(Graph *graph, int code, PropertyValue &value, bool advance) {
  if (!graph || !graph->current || graph->current == graph->head) return false;
  bool ok = get_trace_property(graph->current, code, value);
  if (ok && advance) graph->current = graph->current->next;
  return ok;
}
