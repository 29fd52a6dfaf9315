// Writing a graph to a graph file: the sections and keys in their order, over key functions
// that start from an empty store.
#pragma once

#include <string>

#include "../graph/graph.h"
#include "profile.h"

// Section names.
extern const char kGraphSection[];        // "ulmograph"
extern const char kAxisSections[2][6];    // "xaxis", "yaxis"
extern const char kLabelSections[2][11];  // "xaxislabel", "yaxislabel"
extern const char kTitleSections[2][11];  // "xaxistitle", "yaxistitle"
extern const char kTracesSection[];       // "traces"
extern const char kTextBlocksSection[];   // "textblocks"
// "trace" / "textblock" followed by the 1-based number.
std::string trace_section(int number);
std::string text_block_section(int number);

// Whether a save writes the trace: one made from a plot of the data file (plot index other
// than -1) by an expression a load can evaluate again. Spectra, the monitor's traces and
// experimental data have no expression text and would come back as nothing.
bool saved_in_graph_file(const Trace &trace);

// Writes every section of `graph`, whose traces come from `data_file` (the path as it was
// opened). Traces a save does not write are left out and the written ones numbered without
// gaps. False when the store refused a key.
bool save_graph(const Graph &graph, const std::string &data_file, ProfileFunctions &file);

// After a save: when it left traces out, says which (their legends, in trace order).
void report_traces_left_out(WindowHandle owner, const Graph &graph);

// The name a save uses for the name chosen in the dialog: ".upg" appended when it holds no
// "." at all (a folder's dot counts too, as the dialog's rule has it).
std::string graph_file_name(const std::string &chosen);
