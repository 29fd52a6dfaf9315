// The Format Axis dialog's decisions. Numbers in the range entries are engineering numbers
// (10m is 0.01); the tics are a plain decimal count. Validation runs on the entered values
// only and changes nothing; applying goes through the axis operations, whose own messages
// (a logarithmic axis over non-positive data) can still follow.
#include "axis_form.h"

#include <cmath>

#include "../base/cformat.h"
#include "../expr/number.h"
#include "../graph/axis.h"
#include "../graph/axis_range_check.h"
#include "../graph/scaling.h"
#include "../resources/format_dialog_ids.h"
#include "../resources/resource_ids.h"
#include "entry_numbers.h"

namespace {

int grid_style(int style) { return style == 0 || style == 2 ? style : 5; }

// "-0" is no number a user would type.
std::string number_text(double value) { return c_format("%G", value == 0 ? 0.0 : value); }

double entry_value(const std::string &text) { return parse_number(text.c_str()).value; }

}  // namespace

AxisEnabling axis_enabling(bool logarithmic) { return {logarithmic, !logarithmic, !logarithmic}; }

int axis_caption(int axis) { return axis == 0 ? IDS_FORMAT_X_AXIS : IDS_FORMAT_Y_AXIS; }

AxisDialog open_axis_dialog(const Graph *graph, int axis) {
  const Axis &a = graph->axes[axis];
  DisplayRange range = display_range(graph, axis);
  AxisDialog d{};
  AxisForm &f = d.form;
  f.logarithmic = a.base != 1;
  f.base = a.base == 8 ? 8 : 10;
  f.entry[kEntryMinimum] = number_text(range.min);
  f.entry[kEntryMaximum] = number_text(range.max);
  f.automatic[kEntryMinimum] = a.automatic_min;
  f.automatic[kEntryMaximum] = a.automatic_max;
  f.automatic[kEntryIncrement] = f.logarithmic || a.automatic_increment;
  if (!f.logarithmic) f.entry[kEntryIncrement] = number_text(range.increment);
  f.tics = std::to_string(a.tics);
  f.major_grid = grid_style(a.major_grid_style);
  f.minor_grid = grid_style(a.minor_grid_style);
  f.display_grid = a.display_grid;
  d.remembered_base = f.base;
  d.remembered_increment = range.increment;
  d.remembered_increment_automatic = a.automatic_increment;
  d.saved_tics = a.tics;
  return d;
}

void choose_axis_type(AxisDialog &d, bool logarithmic) {
  AxisForm &f = d.form;
  if (f.logarithmic == logarithmic) return;
  // The switch may come while the increment edit still has the focus.
  if (logarithmic) leave_increment(d);
  f.logarithmic = logarithmic;
  if (logarithmic) {
    d.saved_tics = read_decimal(f.tics);
    f.base = d.remembered_base;
    f.entry[kEntryIncrement].clear();
    f.automatic[kEntryIncrement] = true;
  } else {
    f.entry[kEntryIncrement] = number_text(d.remembered_increment);
    f.automatic[kEntryIncrement] = d.remembered_increment_automatic;
    f.tics = std::to_string(d.saved_tics);
    if (f.base) d.remembered_base = f.base;
    f.base = 0;
  }
}

void click_automatic(AxisDialog &d, int entry, bool checked) {
  d.form.automatic[entry] = checked;
  d.range_changed = true;
  if (entry == kEntryIncrement) d.remembered_increment_automatic = checked;
}

void type_entry(AxisDialog &d, int entry, const std::string &text) {
  d.form.entry[entry] = text;
  d.form.automatic[entry] = false;
  d.range_changed = true;
  if (entry == kEntryIncrement) d.remembered_increment_automatic = false;
}

void leave_increment(AxisDialog &d) {
  if (!d.form.logarithmic) d.remembered_increment = entry_value(d.form.entry[kEntryIncrement]);
}

void step_tics(AxisDialog &d, bool up) { d.form.tics = std::to_string(step_count(read_decimal(d.form.tics), up)); }

AxisCheck check_axis_form(const AxisForm &f) {
  double v[kAxisEntryCount];
  for (int i = 0; i < kAxisEntryCount; i++) {
    v[i] = entry_value(f.entry[i]);
    if (!std::isfinite(v[i])) return {0, i};
  }
  return {check_axis_range(f.logarithmic, f.automatic, v), -1};
}

void apply_axis_form(Graph *graph, int axis, const AxisDialog &d) {
  const AxisForm &f = d.form;
  set_axis_tics(graph, axis, read_decimal(f.tics));
  int base = f.logarithmic ? (f.base == 8 ? 8 : 10) : 1;
  if (base != axis_base(graph, axis)) set_axis_base(graph, axis, base);
  if (d.range_changed) {
    for (int i = 0; i < kAxisEntryCount; i++) set_automatic_flag(graph, axis, i, f.automatic[i]);
    set_manual_range(graph, axis, entry_value(f.entry[kEntryMinimum]), entry_value(f.entry[kEntryMaximum]),
                     entry_value(f.entry[kEntryIncrement]));
  }
  set_axis_grid(graph, axis, {f.major_grid, f.minor_grid, f.display_grid});
}
