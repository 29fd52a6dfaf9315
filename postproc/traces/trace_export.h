// What Export to File and Export to Spreadsheet take from graphs and plots: the choice of
// source, the trace export of a graph, and the two spreadsheet layouts as cells.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "../base/table_content.h"
#include "../graph/graph.h"

// Where an export takes its data from. With a graph window active the user chooses (the
// "Export" dialog); without one it is the current plot's raw data.
enum class ExportSource { kNothing, kAskUser, kRawData, kActiveGraph };
ExportSource export_source(bool data_loaded, bool graph_window_active);

// The graph's traces in order, and their legend texts as the "Export Traces" list shows them.
std::vector<const Trace *> graph_traces(const Graph *graph);
std::vector<std::string> trace_list_texts(const Graph *graph);

// The trace export of the traces at these list positions, in list order. False when the
// stream reports a write error.
bool write_traces_export(FILE *out, const Graph *graph, const std::vector<int> &selected);

// Export to Spreadsheet with a single trace takes that trace without asking.
bool trace_choice_is_implicit(const Graph *graph);


// The raw data layout: the current plot's circuit title, plot name and date, then variable 0
// and the selected variables (list indices) with their names in row 4 and values ("%g") below.
TableLayout raw_data_spreadsheet(const std::vector<int> &selected);

// The active-window layout: a pair of columns (x, y) per selected trace, row 4 their names,
// values ("%g") below; rows 1-3 of column 1 name the current plot when data is loaded.
TableLayout trace_spreadsheet(const Graph *graph, const std::vector<int> &selected,
                                   bool data_loaded);
