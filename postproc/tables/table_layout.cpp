// Layouts of the tables the program fills from a plot.
//
// Cells are kept as a list, not as a full rows x columns rectangle: the grid stores the
// rectangle; the layout only says what goes where, in fill order.
#include "table_layout.h"

#include <new>

#include "../base/cformat.h"
#include "../base/messages.h"
#include "../data/plot_model.h"

namespace {

const int kValuesColumns = 10;
const int kValuesRows = 32;   // the rows of a small table, and the spare rows of a large one
const int kValuesMemoryCode = 323;
const int kFirstVariableRow = 4;

}  // namespace

std::string plot_window_title(const std::string &circuit_title, const std::string &plot_name) {
  std::string whole = circuit_title + " (" + plot_name + ")";
  return whole.size() <= kMaxWindowTitle ? whole : circuit_title;
}

TableLayout values_table_layout() {
  TableLayout t;
  try {
    const std::string circuit = current_plot_text(kPlotTitle), plot = current_plot_text(kPlotName);
    const int variables = variable_count();
    t.title = plot_window_title(circuit, plot);
    t.columns = kValuesColumns;
    // The variables fill rows 4 to V + 3; a table whose last variable would fall below row
    // 32 gets the spare rows of a large one rather than losing it.
    t.rows = variables + kFirstVariableRow - 1 > kValuesRows ? variables + kValuesRows : kValuesRows;
    t.plot_index = current_plot_index();
    t.cells.reserve(static_cast<size_t>(4 + 2 * variables));
    t.cells.push_back({1, 1, circuit});
    t.cells.push_back({2, 1, plot});
    t.cells.push_back({3, 1, "Variables in circuit"});
    t.cells.push_back({3, 2, "Values"});
    RowToken token;
    const double *row = lock_real_row(0, token);
    for (int i = 0; i < variables; i++) {
      std::string name, unit;
      variable_info(i, name, unit);
      t.cells.push_back({i + kFirstVariableRow, 1, name});
      // A plot without a point has no value to show: the name stands alone.
      if (row) t.cells.push_back({i + kFirstVariableRow, 2, c_format("%G %s", row[i], variable_unit_symbol(i).c_str())});
    }
    if (row) release_row(token);
  } catch (const std::bad_alloc &) {
    out_of_memory(kValuesMemoryCode);
  }
  return t;
}
