// The query layer over the plot list. No other module reads a PlotRecord directly.
#include "plot_model.h"

#include "../base/ascii.h"
#include "../base/ui.h"
#include "plot_list.h"
#include "units.h"

namespace {

const PlotRecord *current() { return plot_list().current; }

const char *or_empty(const char *s) { return s ? s : ""; }

// Single-point and pole-zero plots have a window of their own; vector plots go into graphs.
bool has_own_window(const PlotRecord *p) {
  return p->plot_kind == kPlotSinglePoint || p->plot_kind == kPlotPoleZero;
}

bool valid_variable(const PlotRecord *p, int index) {
  return p && index >= 0 && index < p->variable_count;
}

const double *lock_row(const ValueBlock *blocks, int point, RowToken &token) {
  token.values = nullptr;
  const PlotRecord *p = current();
  if (!p || !blocks || point < 0 || point >= p->point_count) return nullptr;
  uint64_t offset = static_cast<uint64_t>(point) * static_cast<uint32_t>(p->variable_count);
  const ValueBlock &block = blocks[offset / p->values_per_block];
  token.values = block.values + offset % p->values_per_block;
  return token.values;
}

}  // namespace

int plot_count() { return plot_list().count; }

int current_plot_index() {
  int index = 0;
  for (const PlotRecord *p = plot_list().first; p; p = p->next, index++)
    if (p == current()) return index;
  return -1;
}

bool select_plot(int index, bool show) {
  if (index < 0) return false;
  PlotRecord *p = plot_list().first;
  for (int i = 0; p && i < index; i++) p = p->next;
  if (!p) return false;
  plot_list().current = p;
  if (show && has_own_window(p)) ui_hooks().show_plot_window(index, p->plot_kind);
  return true;
}

void open_plot_windows() {
  int index = 0;
  for (const PlotRecord *p = plot_list().first; p; p = p->next, index++)
    if (has_own_window(p)) ui_hooks().show_plot_window(index, p->plot_kind);
}

std::string current_file_name() { return current() ? or_empty(current()->file_name) : ""; }

std::string current_plot_text(int which) {
  const PlotRecord *p = current();
  if (!p) return "";
  switch (which) {
    case kPlotTitle: return or_empty(p->circuit_title);
    case kPlotName: return or_empty(p->plot_name);
    case kPlotDate: return or_empty(p->simulation_date);
    default: return "";
  }
}

int current_plot_kind() { return current() ? current()->plot_kind : 0; }
int current_analysis_code() { return current() ? current()->analysis_code : 0; }
int variable_count() { return current() ? current()->variable_count : 0; }
int point_count() { return current() ? current()->point_count : 0; }
bool is_real_plot() { return current() && current()->number_type == kRealValues; }

const SimulationStatistics *current_statistics() {
  return current() ? &current()->statistics : nullptr;
}

int find_variable(const std::string &name) {
  const PlotRecord *p = current();
  if (!p) return -1;
  for (int i = 0; i < p->variable_count; i++)
    if (equal_ignoring_case(p->variables[i].name, name)) return i;
  return -1;
}

bool variable_info(int index, std::string &name, std::string &unit) {
  const PlotRecord *p = current();
  if (!valid_variable(p, index)) return false;
  name = p->variables[index].name;
  unit = unit_name(p->variables[index].unit_index);
  return true;
}

int variable_dimension(int index) {
  const PlotRecord *p = current();
  if (!valid_variable(p, index)) return 0;
  return dimension_for_unit_name(unit_name(p->variables[index].unit_index));
}

std::string variable_unit_symbol(int index) {
  const PlotRecord *p = current();
  if (!valid_variable(p, index)) return "";
  return unit_symbol(p->variables[index].unit_index);
}

const double *lock_real_row(int point, RowToken &token) {
  return lock_row(current() ? current()->real_blocks : nullptr, point, token);
}

const double *lock_imag_row(int point, RowToken &token) {
  return lock_row(current() ? current()->imag_blocks : nullptr, point, token);
}

void release_row(RowToken &token) { token.values = nullptr; }

int copy_real_column(int variable, double *out) {
  const PlotRecord *p = current();
  if (!valid_variable(p, variable)) return 0;
  // Blocks hold whole rows in point order, so the variable's values lie a row's width apart.
  const uint32_t width = static_cast<uint32_t>(p->variable_count);
  int32_t point = 0;
  for (uint32_t b = 0; b < p->block_count && point < p->point_count; b++) {
    const ValueBlock &block = p->real_blocks[b];
    for (uint32_t k = static_cast<uint32_t>(variable); k < block.count && point < p->point_count; k += width)
      out[point++] = block.values[k];
  }
  return point;
}
