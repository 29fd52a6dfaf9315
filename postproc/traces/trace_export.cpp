// Export from graphs and plots. The spreadsheet layouts are computed here as cells so that the
// table window only creates its grid and sets them; what lands in which cell is tested
// without a window.
#include "trace_export.h"

#include <algorithm>

#include "../base/cformat.h"
#include "../data/export.h"
#include "../data/plot_model.h"
#include "../expr/expression.h"

namespace {

const int kExtraRows = 10;      // below the data, for the user's own notes
const int kExtraColumns = 5;

void put(TableLayout &table, int row, int column, const std::string &text) {
  table.cells.push_back({row, column, text});
}

void put_plot_texts(TableLayout &table) {
  for (int which = kPlotTitle; which <= kPlotDate; which++)
    put(table, which + 1, 1, current_plot_text(which));
}

std::string g(double v) { return c_format("%g", v); }

}  // namespace

ExportSource export_source(bool data_loaded, bool graph_window_active) {
  if (!data_loaded) return ExportSource::kNothing;
  return graph_window_active ? ExportSource::kAskUser : ExportSource::kRawData;
}

std::vector<const Trace *> graph_traces(const Graph *graph) {
  std::vector<const Trace *> traces;
  if (graph)
    for (const Trace *t = graph->head->next; t; t = t->next) traces.push_back(t);
  return traces;
}

std::vector<std::string> trace_list_texts(const Graph *graph) {
  std::vector<std::string> texts;
  for (const Trace *t : graph_traces(graph)) texts.push_back(t->legend.text);
  return texts;
}

bool write_traces_export(FILE *out, const Graph *graph, const std::vector<int> &selected) {
  std::vector<const Trace *> traces = graph_traces(graph);
  for (int i : selected) {
    if (i < 0 || i >= static_cast<int>(traces.size())) continue;
    const Trace *t = traces[i];
    if (!write_trace_export(out, t->legend.text.c_str(), t->x_values, t->y_values, t->point_count))
      return false;
  }
  return !ferror(out);
}

bool trace_choice_is_implicit(const Graph *graph) { return graph_traces(graph).size() == 1; }

TableLayout raw_data_spreadsheet(const std::vector<int> &selected) {
  TableLayout table{current_plot_text(kPlotTitle), 0, 0, {}};
  std::vector<int> columns = raw_export_columns(selected);
  if (columns.empty()) return table;
  const int width = static_cast<int>(columns.size());
  table.rows = point_count() + kExtraRows;
  table.columns = (is_real_plot() ? width : 2 * width) + kExtraColumns;
  put_plot_texts(table);
  std::string name, unit;
  for (int j = 0; j < width; j++) {
    variable_info(columns[j], name, unit);
    put(table, 4, j + 1, name);
  }
  for (int p = 0; p < point_count(); p++) {
    RowToken token;
    const double *row = lock_real_row(p, token);
    if (!row) break;
    for (int j = 0; j < width; j++) put(table, p + 5, j + 1, g(row[columns[j]]));
    release_row(token);
  }
  return table;
}

TableLayout trace_spreadsheet(const Graph *graph, const std::vector<int> &selected,
                                   bool data_loaded) {
  TableLayout table{"", 0, 0, {}};
  std::vector<const Trace *> traces = graph_traces(graph);
  std::vector<const Trace *> chosen;
  for (int i : selected)
    if (i >= 0 && i < static_cast<int>(traces.size())) chosen.push_back(traces[i]);
  // Enough rows for the longest chosen trace: sized by the first trace alone, a longer one
  // would lose its last values.
  int points = traces.empty() ? 0 : traces[0]->point_count;
  for (const Trace *t : chosen) points = std::max(points, t->point_count);
  table.rows = points + kExtraRows;
  table.columns = 2 * static_cast<int>(chosen.size()) + kExtraColumns;
  if (data_loaded) put_plot_texts(table);
  for (size_t k = 1; k <= chosen.size(); k++) {
    const Trace *t = chosen[k - 1];
    const int x_column = 2 * static_cast<int>(k), y_column = x_column + 1;
    if (t->x_expression) put(table, 4, x_column, expression_text(t->x_expression));
    put(table, 4, y_column, t->legend.text);
    for (int i = 0; i < t->point_count; i++) {
      put(table, i + 5, x_column, g(t->x_values[i]));
      put(table, i + 5, y_column, g(t->y_values[i]));
    }
    if (k > 1) table.title += " ";
    table.title += t->legend.text;
  }
  return table;
}
