// load_graph.
//
// The graph is built through the operations the dialogs use: traces first, so that the data
// ranges exist before a manual range is checked against them. A value that the dialogs would
// refuse (a colour outside the palette, a grid style that is no pen, a negative size) takes
// the key's default instead, so a damaged or hand-edited file can never put the graph in a
// state the program could not have made. The titles' Display flags and the legend labels'
// Border flags come back too, as they are saved.
#include "load.h"

#include <utility>
#include <vector>

#include "../base/cformat.h"
#include "../base/messages.h"
#include "../data/plot_model.h"
#include "../expr/expression.h"
#include "../graph/axis.h"
#include "../graph/axis_range_check.h"
#include "../graph/labels.h"
#include "../graph/properties.h"
#include "../graph/scaling.h"
#include "../resources/resource_ids.h"
#include "../traces/expression_traces.h"
#include "../traces/plot_graph.h"
#include "font_keys.h"
#include "save.h"

namespace {

const int kLargestCoordinate = 1000000;   // logical units, far beyond any page
const int kLargestTics = 100;

bool coordinate(int v) { return v >= -kLargestCoordinate && v <= kLargestCoordinate; }
bool extent(int v) { return v >= 0 && v <= kLargestCoordinate; }
bool line_style(int v) { return v >= 0 && v <= 5; }
bool grid_style(int v) { return v == 0 || v == 2 || v == 5; }
bool notation(int v) { return v == kNotationScaleFactors || v == kNotationDecimal || v == kNotationScientific; }

// An integer key that must pass `valid`; otherwise the default.
int checked_number(const ProfileFunctions &file, const char *section, const char *key, int fallback,
                   bool (*valid)(int)) {
  int v = read_number(file, section, key, fallback);
  return valid(v) ? v : fallback;
}

// A key that must be there, with a value that passes `valid`.
bool present_number(const ProfileFunctions &file, const char *section, const char *key,
                    bool (*valid)(int), int &value) {
  if (!has_key(file, section, key)) return false;
  value = read_number(file, section, key, 0);
  return valid(value);
}

bool set_number(Trace *trace, int code, int value) {
  return set_trace_property(trace, code, number_value(value));
}

// The data file, or a replacement the user browsed to; the question names the file as the
// graph file does.
bool find_data_file(GraphFileHooks &hooks, const std::string &stored, std::string &data_file) {
  if (hooks.file_readable(data_file)) return true;
  if (!ask_yes_no(hooks.owner, IDS_DATA_FILE_NOT_FOUND, stored.c_str())) return false;
  return hooks.browse_data_file && hooks.browse_data_file(data_file);
}

// The plot a trace reads, made current: its own, or the substitute when it is gone.
void select_trace_plot(GraphFileHooks &hooks, int plot_index, const std::string &legend) {
  if (select_plot(plot_index, false)) return;
  bool one_plot = plot_count() == 1;
  show_message(hooks.owner, kMbIconExclamation,
               one_plot ? IDS_PLOT_MISSING_CURRENT : IDS_PLOT_MISSING_SELECT, plot_index,
               legend.c_str());
  if (one_plot) select_plot(0, false);
  else if (hooks.choose_plot) hooks.choose_plot();
}

void apply_trace_keys(const ProfileFunctions &file, const char *section, GraphFileHooks &hooks,
                      Trace *trace) {
  // Each set refuses a value outside what the trace can hold, which keeps the default.
  set_number(trace, kTraceColourIndex, read_number(file, section, "Color", 0));
  set_number(trace, kTraceDisplaySymbols, read_number(file, section, "DisplaySymbols", 0) != 0);
  int size = read_number(file, section, "SymbolSize", 0);
  set_number(trace, kTraceSymbolSize, size >= 0 ? size : 0);
  set_number(trace, kTraceSymbolPeriod, read_number(file, section, "SymbolPeriod", 1));
  set_number(trace, kTraceSymbolsWithText, read_number(file, section, "DisplaySymbolsWithText", 1) != 0);
  StoredFont font;
  if (read_font_keys(file, section, hooks.fonts, trace->legend.font, font)) {
    PropertyValue v{};
    v.font = font.font;
    v.point_size = font.point_size;
    set_trace_property(trace, kTraceLegendFont, v);
  }
  std::string unit;
  if (trace->x_expression && file.read(file.context, section, "XUnit", unit))
    set_expression_unit(trace->x_expression, unit);
  if (trace->y_expression && file.read(file.context, section, "YUnit", unit))
    set_expression_unit(trace->y_expression, unit);
  int x, y;
  if (present_number(file, section, "PosX", coordinate, x) &&
      present_number(file, section, "PosY", coordinate, y)) {
    set_number(trace, kTraceLegendX, x);
    set_number(trace, kTraceLegendY, y);
    set_number(trace, kTraceLegendPositionSet, 1);
  }
  set_number(trace, kTraceLegendBorder, read_number(file, section, "Border", 0) != 0);
}

// One trace section: the trace over its plot, or nothing when its expression does not parse
// or evaluate there.
void load_trace(const ProfileFunctions &file, int number, GraphFileHooks &hooks, Graph *graph,
                const GraphPreferences &preferences, LoadedGraph &loaded, RunningRange &x_range,
                RunningRange &y_range) {
  std::string section = trace_section(number);
  const char *s = section.c_str();
  std::string legend = read_text(file, s, "Legend");
  int plot_index = read_number(file, s, "PlotIndex", 0);
  select_trace_plot(hooks, plot_index, legend);
  loaded.title += legend + " ";

  std::string text = read_text(file, s, "YExpression");
  int failure = kParseOk;
  ExpressionPtr y(text.empty() ? nullptr : parse_expression_with_units(text.c_str(), &failure));
  std::vector<ExpressionPtr> batch;
  std::string ignored_title;
  Trace *before = graph->tail;
  // No expression, or an empty one, leaves nothing to draw either.
  if (y && y->token_count > 0) {
    batch.push_back(std::move(y));
    add_expression_traces(graph, ignored_title, batch, {legend}, x_range, y_range, preferences);
  }
  if (graph->tail == before) {
    if (hooks.trace_left_out) hooks.trace_left_out(number, legend);
    return;
  }
  Trace *trace = graph->tail;
  set_number(trace, kTraceSymbolIndex, read_number(file, s, "SymbolIndex", 0));
  set_number(trace, kTraceLineStyle, checked_number(file, s, "LineStyle", 0, line_style));
  int weight = read_number(file, s, "LineWeight", 0);
  if (weight >= 0 && weight <= 100) set_number(trace, kTraceLineWeight, weight);
  apply_trace_keys(file, s, hooks, trace);
}

// The manual values of an axis, checked by the rule of the Format Axis dialog, the others
// being the axis's own: a range it would refuse is told with its message and the axis stays
// automatic.
void load_range(GraphFileHooks &hooks, Graph *graph, int axis, const bool manual[3], const double values[3]) {
  DisplayRange shown = display_range(graph, axis);
  const double current[3] = {shown.min, shown.max, shown.increment};
  bool logarithmic = axis_base(graph, axis) != 1;
  bool automatic[3];
  double checked[3];
  for (int i = 0; i < 3; i++) {
    automatic[i] = !manual[i] && automatic_flag(graph, axis, i);
    checked[i] = manual[i] ? values[i] : current[i];
  }
  int message = check_axis_range(logarithmic, automatic, checked);
  // A logarithmic axis rounds a manual end to a whole exponent, which can meet the other end;
  // the program shows such an axis, so its file must bring it back.
  double min = checked[kAutomaticMin], max = checked[kAutomaticMax];
  if (message == IDS_MAX_NOT_ABOVE_MIN && logarithmic && min == max) message = 0;
  if (message) {
    show_message(hooks.owner, kMbIconExclamation, message);
    return;
  }
  for (int i = 0; i < 3; i++) set_automatic_flag(graph, axis, i, !manual[i]);
  if (!set_manual_range(graph, axis, values[0], values[1], values[2]))
    for (int i = 0; i < 3; i++) set_automatic_flag(graph, axis, i, true);
}

void load_axis(const ProfileFunctions &file, int axis, GraphFileHooks &hooks, Graph *graph) {
  const char *s = kAxisSections[axis];
  double values[3] = {0, 0, 0};
  const char *keys[3] = {"Min", "Max", "Incr"};   // in the order of the automatic flags
  bool manual[3];
  for (int i = 0; i < 3; i++) manual[i] = read_real(file, s, keys[i], values[i]);
  int base = read_number(file, s, "Base", 1);
  if (base == 8 || base == 10) set_axis_base(graph, axis, base);
  if (manual[0] || manual[1] || manual[2]) load_range(hooks, graph, axis, manual, values);
  int tics = read_number(file, s, "Tics", 3);
  if (tics >= 0 && tics <= kLargestTics) set_axis_tics(graph, axis, tics);
  GridSettings grid;
  grid.display = read_number(file, s, "DisplayGrid", 0) != 0;
  grid.minor_style = checked_number(file, s, "GridMinor", 2, grid_style);
  grid.major_style = checked_number(file, s, "GridMajor", 0, grid_style);
  set_axis_grid(graph, axis, grid);
  set_title_unit(graph, axis, read_text(file, s, "Unit"));
}

void load_title(const ProfileFunctions &file, int axis, GraphFileHooks &hooks, Graph *graph) {
  const char *s = kTitleSections[axis];
  std::string text;
  if (file.read(file.context, s, "Text", text)) set_title_text(graph, axis, text);
  StoredFont font;
  if (read_font_keys(file, s, hooks.fonts, graph->title[axis].font, font))
    set_title_font(graph, axis, font.font, font.point_size);
  set_title_display(graph, axis, read_number(file, s, "Display", 1) != 0);
}

void load_label(const ProfileFunctions &file, int axis, GraphFileHooks &hooks, Graph *graph) {
  const char *s = kLabelSections[axis];
  StoredFont font;
  if (read_font_keys(file, s, hooks.fonts, graph->label_format[axis].font, font))
    set_label_font(graph, axis, font.font, font.point_size);
  set_label_notation(graph, axis, checked_number(file, s, "Notation", 1, notation));
  int digits = read_number(file, s, "Digits", 1);
  set_label_digits(graph, axis, digits >= 0 && digits <= kMaxLabelDigits ? digits : 1);
}

void load_plot_rectangle(const ProfileFunctions &file, Graph *graph) {
  int x, y, cx, cy;
  if (!present_number(file, kGraphSection, "PosX", coordinate, x) ||
      !present_number(file, kGraphSection, "PosY", coordinate, y) ||
      !present_number(file, kGraphSection, "Cx", extent, cx) ||
      !present_number(file, kGraphSection, "Cy", extent, cy))
    return;
  // -1 is what the reader takes for a missing key.
  if (x == -1 || y == -1 || cx == -1 || cy == -1) return;
  set_graph_property(graph, kGraphLayoutAutomatic, number_value(0));
  set_graph_property(graph, kGraphPlotLeft, number_value(x));
  set_graph_property(graph, kGraphPlotTop, number_value(y));
  set_graph_property(graph, kGraphPlotWidth, number_value(cx));
  set_graph_property(graph, kGraphPlotHeight, number_value(cy));
}

void load_text_blocks(const ProfileFunctions &file, GraphFileHooks &hooks, Graph *graph,
                      const GraphPreferences &preferences) {
  int count = read_number(file, kTextBlocksSection, "NumberOfTextBlocks", 0);
  if (count > kMaxStoredItems) count = kMaxStoredItems;
  for (int i = 1; i <= count; i++) {
    std::string section = text_block_section(i);
    const char *s = section.c_str();
    int x, y, cx, cy;
    if (!present_number(file, s, "PosX", coordinate, x) || !present_number(file, s, "PosY", coordinate, y) ||
        !present_number(file, s, "Cx", extent, cx) || !present_number(file, s, "Cy", extent, cy))
      continue;
    TextBlock *block = add_text_block(graph, {x, y, x + cx, y + cy}, preferences);
    if (!block) continue;
    PropertyValue v{};
    v.text = read_text(file, s, "Text");
    set_text_block_property(block, kTextBlockText, v);
    StoredFont font;
    if (read_font_keys(file, s, hooks.fonts, block->font, font)) {
      v.font = font.font;
      v.point_size = font.point_size;
      set_text_block_property(block, kTextBlockFont, v);
    }
    set_text_block_property(block, kTextBlockBorder, number_value(read_number(file, s, "Border", 0) != 0));
    set_text_block_property(block, kTextBlockJustification,
                            number_value(read_number(file, s, "Justification", 0)));
    set_text_block_property(block, kTextBlockAdjustBox,
                            number_value(read_number(file, s, "AdjustBox", 1) != 0));
  }
}

}  // namespace

std::string resolve_data_file(const std::string &graph_path, const std::string &data_file) {
  bool absolute = !data_file.empty() && (data_file[0] == '\\' || data_file[0] == '/' ||
                                         (data_file.size() >= 2 && data_file[1] == ':'));
  if (absolute) return data_file;
  size_t slash = graph_path.find_last_of("\\/");
  if (slash == std::string::npos) return data_file;
  return graph_path.substr(0, slash + 1) + data_file;
}

LoadedGraph load_graph(const ProfileFunctions &file, const std::string &path,
                       GraphFileHooks &hooks, const GraphPreferences &preferences) {
  LoadedGraph loaded{nullptr, kWindowView, std::string(), std::string(), true};
  if (!hooks.file_readable(path)) {
    show_message(hooks.owner, kMbIconStop, IDS_CANT_OPEN_FILE, path.c_str());
    return loaded;
  }
  int view = read_number(file, kGraphSection, "View", -1);
  if (view == -1) {
    show_message(hooks.owner, kMbIconStop, IDS_NOT_GRAPH_FILE);
    return loaded;
  }
  loaded.not_a_graph_file = false;
  int trace_count = read_number(file, kTracesSection, "NumberOfTraces", 0);
  if (trace_count <= 0) {
    show_message(hooks.owner, kMbIconStop, IDS_NO_TRACES);
    return loaded;
  }
  if (trace_count > kMaxStoredItems) trace_count = kMaxStoredItems;
  int show_legends = read_number(file, kTracesSection, "ShowLegends", kLegendShown);
  std::string data_file = hooks.data_file.empty() ? read_text(file, kTracesSection, "DataFile")
                                                  : hooks.data_file;
  if (data_file.empty()) {
    show_message(hooks.owner, kMbIconStop, IDS_NO_DATA_FILE);
    return loaded;
  }
  std::string stored = data_file;
  if (hooks.enter_graph_folder) hooks.enter_graph_folder(path);
  if (hooks.data_file.empty()) data_file = resolve_data_file(path, stored);
  if (!find_data_file(hooks, stored, data_file)) return loaded;
  if (!hooks.load_data_file(data_file)) return loaded;

  Graph *graph = create_graph(nullptr, "", "", "", 1, 1, preferences);
  if (!graph) return loaded;
  set_graph_property(graph, kGraphViewMode, number_value(view == kPageView ? kPageView : kWindowView));

  RunningRange x_range = empty_running_range(), y_range = empty_running_range();
  for (int i = 1; i <= trace_count; i++)
    load_trace(file, i, hooks, graph, preferences, loaded, x_range, y_range);
  if (loaded.title.size() > kWindowTitleLimit) loaded.title.resize(kWindowTitleLimit);

  apply_data_range(graph, 0, x_range);
  apply_data_range(graph, 1, y_range);
  for (int axis = 0; axis < 2; axis++) load_axis(file, axis, hooks, graph);
  for (int axis = 0; axis < 2; axis++) load_title(file, axis, hooks, graph);
  for (int axis = 0; axis < 2; axis++) load_label(file, axis, hooks, graph);
  set_graph_property(graph, kGraphLegendDisplay,
                     number_value(show_legends == kLegendHidden ? kLegendHidden : kLegendShown));
  load_plot_rectangle(file, graph);
  load_text_blocks(file, hooks, graph, preferences);

  loaded.graph = graph;
  loaded.view = graph->view_mode;
  loaded.data_file = data_file;
  return loaded;
}
