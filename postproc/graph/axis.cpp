// Axis operations.
//
// A title string holds its unit behind two blanks in square brackets; the text is what comes
// before the last "  [" of a string that ends in "]", so a bracket inside the text itself
// stays part of the text.
#include "axis.h"

#include <cmath>

namespace {

const char *const kUnitOpen = "  [";

bool valid(const Graph *graph, int axis) { return graph && (axis == 0 || axis == 1); }

// Where the unit part starts, or npos when there is none.
size_t unit_start(const std::string &title) {
  if (title.empty() || title.back() != ']') return std::string::npos;
  return title.rfind(kUnitOpen);
}

void compose_title(Graph *graph, int axis, const std::string &text, const std::string &unit) {
  graph->title[axis].text = unit.empty() ? text : text + kUnitOpen + unit + "]";
}

}  // namespace

DisplayRange display_range(const Graph *graph, int axis) {
  if (!valid(graph, axis)) return {};
  const Axis &a = graph->axes[axis];
  if (a.base == 1) return {a.min * a.scale, a.max * a.scale, a.increment * a.scale};
  return {std::pow(a.base, a.min * a.scale), std::pow(a.base, a.max * a.scale), 1.0};
}

DataRange data_range(const Graph *graph, int axis) {
  return valid(graph, axis) ? graph->data_range[axis] : DataRange{};
}

bool automatic_flag(const Graph *graph, int axis, int flag) {
  if (!valid(graph, axis)) return false;
  const Axis &a = graph->axes[axis];
  switch (flag) {
    case kAutomaticMin: return a.automatic_min;
    case kAutomaticMax: return a.automatic_max;
    case kAutomaticIncrement: return a.automatic_increment;
    default: return false;
  }
}

void set_automatic_flag(Graph *graph, int axis, int flag, bool on) {
  if (!valid(graph, axis)) return;
  Axis &a = graph->axes[axis];
  switch (flag) {
    case kAutomaticMin: a.automatic_min = on; break;
    case kAutomaticMax: a.automatic_max = on; break;
    case kAutomaticIncrement: a.automatic_increment = on; break;
    default: break;
  }
}

int axis_base(const Graph *graph, int axis) {
  return valid(graph, axis) ? graph->axes[axis].base : 0;
}

int axis_tics(const Graph *graph, int axis) {
  return valid(graph, axis) ? graph->axes[axis].tics : 0;
}

void set_axis_tics(Graph *graph, int axis, int tics) {
  if (valid(graph, axis)) graph->axes[axis].tics = tics;
}

GridSettings axis_grid(const Graph *graph, int axis) {
  if (!valid(graph, axis)) return {};
  const Axis &a = graph->axes[axis];
  return {a.major_grid_style, a.minor_grid_style, a.display_grid};
}

void set_axis_grid(Graph *graph, int axis, const GridSettings &grid) {
  if (!valid(graph, axis)) return;
  Axis &a = graph->axes[axis];
  a.major_grid_style = grid.major_style;
  a.minor_grid_style = grid.minor_style;
  a.display_grid = grid.display;
}

void set_title_text(Graph *graph, int axis, const std::string &text) {
  if (valid(graph, axis)) compose_title(graph, axis, text, title_unit(graph, axis));
}

std::string title_text(const Graph *graph, int axis) {
  if (!valid(graph, axis)) return std::string();
  const std::string &title = graph->title[axis].text;
  return title.substr(0, unit_start(title));
}

void set_title_unit(Graph *graph, int axis, const std::string &unit) {
  if (valid(graph, axis)) compose_title(graph, axis, title_text(graph, axis), unit);
}

std::string title_unit(const Graph *graph, int axis) {
  if (!valid(graph, axis)) return std::string();
  const std::string &title = graph->title[axis].text;
  size_t start = unit_start(title);
  if (start == std::string::npos) return std::string();
  size_t first = start + 3;
  return title.substr(first, title.size() - 1 - first);
}

void set_title_font(Graph *graph, int axis, const LogicalFont &font, int point_size) {
  if (!valid(graph, axis)) return;
  graph->title[axis].font = font;
  graph->title[axis].point_size = point_size;
}

void set_title_display(Graph *graph, int axis, bool display) {
  if (valid(graph, axis)) graph->title[axis].display = display;
}

void set_label_font(Graph *graph, int axis, const LogicalFont &font, int point_size) {
  if (!valid(graph, axis)) return;
  graph->label_format[axis].font = font;
  graph->label_format[axis].point_size = point_size;
}

void set_label_digits(Graph *graph, int axis, int digits) {
  if (valid(graph, axis)) graph->label_format[axis].digits = digits;
}

void set_label_notation(Graph *graph, int axis, int notation) {
  if (valid(graph, axis)) graph->label_format[axis].notation = notation;
}
