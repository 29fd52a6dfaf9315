// Graph and trace properties by code, and the walk over a graph's traces. The graph file,
// the dialogs and drawing read and change graphs and traces through these.
#pragma once

#include <string>

#include "graph.h"

enum GraphPropertyCode {
  kGraphTraceCounter = 0,     // get only
  kGraphLegendDisplay = 1,
  kGraphLegendFont = 2,       // get only
  kGraphViewMode = 3,
  kGraphPlotLeft = 4,
  kGraphPlotTop = 5,
  kGraphPlotWidth = 6,        // set stores right = left + width
  kGraphPlotHeight = 7,       // set stores bottom = top + height
  kGraphLayoutAutomatic = 8,  // set only
};

enum TracePropertyCode {
  kTraceKind = 0,
  kTraceLegendText = 1,
  kTraceSymbolIndex = 2,
  kTraceSymbolSize = 3,
  kTracePlotIndex = 4,
  kTraceColourIndex = 5,
  kTracePointCount = 6,          // set also sets the drawn point count
  kTraceXValues = 7,             // set frees the old array
  kTraceYValues = 8,
  kTraceLineStyle = 9,
  kTraceLineWeight = 10,
  kTraceDisplaySymbols = 11,
  kTraceSymbolPeriod = 12,
  kTraceSymbolsWithText = 13,    // also passed to the label
  kTraceXExpression = 14,        // set frees the previous one
  kTraceYExpression = 15,
  kTraceLegendFont = 16,         // font and point size of the label
  kTraceLegendPointSize = 18,
  kTraceLegendBorder = 19,
  kTraceDrawnPointCount = 20,    // set only
  kTraceLegendPositionSet = 21,
  kTraceLegendX = 22,
  kTraceLegendY = 23,
};

// One property value; each code uses the member its property has (flags as 0 or 1). On set,
// value arrays (new[]) and expressions pass to the trace; on get they stay the trace's.
struct PropertyValue {
  int number;
  std::string text;
  LogicalFont font;
  int point_size;
  double *values;
  Expression *expression;
};

// Get and set return false, changing nothing, for an unknown code, a code that works only
// the other way, a graph or trace that is not there, or a value the property cannot hold
// (a colour or symbol index outside the tables, a period below 1, a negative count).
bool get_graph_property(const Graph *graph, int code, PropertyValue &value);
bool set_graph_property(Graph *graph, int code, const PropertyValue &value);
bool get_trace_property(const Trace *trace, int code, PropertyValue &value);
bool set_trace_property(Trace *trace, int code, const PropertyValue &value);

// The walk: first_trace starts at the first real trace, next_trace moves on (none at the end).
Trace *first_trace(Graph *graph);
Trace *next_trace(Graph *graph);
// Applies a property to the trace at the current position.
bool set_current_trace_property(Graph *graph, int code, const PropertyValue &value);
// Reads a property of the current trace, then moves on when `advance` is set.
bool get_current_trace_property(Graph *graph, int code, PropertyValue &value, bool advance);

enum TextBlockPropertyCode {
  kTextBlockText = 1,
  kTextBlockFont = 2,            // font and point size; the next layout sets the height
  kTextBlockPointSize = 3,       // get only
  kTextBlockX = 4,
  kTextBlockY = 5,
  kTextBlockCx = 6,
  kTextBlockCy = 7,
  kTextBlockBorder = 8,
  kTextBlockJustification = 9,   // Justification
  kTextBlockAdjustBox = 10,
};

// As for traces: false, changing nothing, for an unknown code, a get-only code set, no
// block, or a justification outside 0..2.
bool get_text_block_property(const TextBlock *block, int code, PropertyValue &value);
bool set_text_block_property(TextBlock *block, int code, const PropertyValue &value);

// Shorthands for the integer properties.
PropertyValue number_value(int number);
