// Queries on the loaded plots: the current plot, its variables, units and value rows.
//
// Every query but plot_count, current_plot_index and select_plot works on the current plot
// and gives 0, an empty string or null when there is none.
#pragma once

#include <string>

#include "plot_codes.h"

int plot_count();
// 0-based index of the current plot; -1 when nothing is loaded.
int current_plot_index();
// Makes plot `index` current; with `show` a table or pole-zero plot's window comes forward.
// False (nothing changed) when there is no such plot.
bool select_plot(int index, bool show);
// Opens a table window for each single-point plot and a pole-zero window for each pole-zero
// plot, in file order.
void open_plot_windows();

enum PlotText { kPlotTitle = 0, kPlotName = 1, kPlotDate = 2 };

std::string current_file_name();
std::string current_plot_text(int which);   // 0 title, 1 plot name, 2 date
int current_plot_kind();                    // PlotKind
int current_analysis_code();
int variable_count();
int point_count();
bool is_real_plot();
struct SimulationStatistics;
// The current plot's statistics, or null.
const SimulationStatistics *current_statistics();

// Index of the first variable whose name equals `name` ignoring case, or -1.
int find_variable(const std::string &name);
// Name and unit name of a variable; false for an index out of range.
bool variable_info(int index, std::string &name, std::string &unit);
int variable_dimension(int index);
std::string variable_unit_symbol(int index);

// The V contiguous values of point `point` (variable 0 first); null outside 0..P-1, and for
// the imaginary row of a real plot. Rows stay valid until the list is cleared; release each
// with release_row, which is where a platform that moves memory would unlock it.
struct RowToken {
  const double *values;
};
const double *lock_real_row(int point, RowToken &token);
const double *lock_imag_row(int point, RowToken &token);
void release_row(RowToken &token);
// The real parts of one variable at every point that has a row, into `out` (room for
// point_count() values), without a lock per row; returns how many points were copied (0 when
// there is no such variable).
int copy_real_column(int variable, double *out);
