// The computation behind "Monitor File On Disk and Plot": the rows of the monitored file
// become one trace per column (its PSD, or the file's own values), an SNDR per column, and
// the rows of the "Extracted values" table. The windows are the caller's.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "../graph/graph.h"
#include "monitor_file.h"
#include "monitor_settings.h"

struct MonitorColumn {
  std::unique_ptr<double[]> x, y;   // new[]: the trace takes them over
  int32_t count = 0;
  double sndr = 0;                  // dB; +inf without noise, not a number when undefined
};

// One row of the "Extracted values" table: "Trace k", "SNDR", the value, "dB".
struct ExtractedRow {
  int32_t row;   // k, from 1
  std::string cells[4];
};

struct MonitorResult {
  std::string trace_name;   // "Trace 1" for every column, "PSD [dBFS]" for a single column
  std::vector<MonitorColumn> columns;
  double x_min, x_max;      // first and last x
  double y_min, y_max;      // smallest and largest value over every column
  // The table, when the SNDR is asked for: 4 columns, (columns + 5) rows, 5 for a single
  // column; `rows` fills rows 1 ...
  bool table = false;
  int32_t table_rows = 0;
  std::vector<ExtractedRow> rows;
  double last_sndr = -200.0;   // of the last column, for the settings record
};

enum MonitorStatus {
  kMonitorOk = 0,
  kMonitorTooFewRows,     // fewer than 3 rows: nothing to plot, nothing said
  kMonitorShortData,      // fewer samples than one sequence (or than 4)
  kMonitorOutOfMemory,    // nothing is kept
  kMonitorNoSndr,         // an SNDR is asked for, and a column's band does not hold its signal
};

MonitorStatus compute_monitor(const MonitorData &data, const MonitorSettings &settings,
                              MonitorResult &result);
// The string-table text that tells the user why a computation of the file shows nothing,
// with the file's name for its "%s"; 0 where nothing is said.
int monitor_status_message(MonitorStatus status);

// The graph of a monitor's new window: x title "X Axis Title", no units, linear axes.
Graph *create_monitor_graph(WindowHandle owner, const GraphPreferences &preferences);

// Puts a result into the window's graph: a new window (`fresh`) gets one spectrum trace per
// column, plot index -1 so that a graph file leaves them out; an existing one gives its
// traces, in order, the new points (a column beyond its traces becomes a new trace). Then the
// data ranges. The result's arrays pass to the traces. False when memory ran out for a trace.
bool apply_monitor_result(Graph *graph, bool fresh, MonitorResult &result,
                          const GraphPreferences &preferences);
