// save_graph.
//
// Some keys are written only in some states: a range value only while it is manual, the plot
// rectangle only when it was placed, a legend position only when the label was dragged. Whatever is left out must read back as automatic, which holds only when
// the store starts empty; the callers see to that (a key of an earlier save would otherwise
// come back).
//
// Only traces a load can make again are written. One without an expression text (a spectrum,
// a monitor's trace, experimental data) would reopen as an empty graph without a word, so it
// is left out as a trace of no plot is, and the user is told which were.
#include "save.h"

#include "../base/cformat.h"
#include "../base/messages.h"
#include "../expr/expression.h"
#include "../graph/axis.h"
#include "../graph/properties.h"
#include "../resources/resource_ids.h"
#include "font_keys.h"

const char kGraphSection[] = "ulmograph";
const char kAxisSections[2][6] = {"xaxis", "yaxis"};
const char kLabelSections[2][11] = {"xaxislabel", "yaxislabel"};
const char kTitleSections[2][11] = {"xaxistitle", "yaxistitle"};
const char kTracesSection[] = "traces";
const char kTextBlocksSection[] = "textblocks";

std::string trace_section(int number) { return c_format("%s%d", "trace", number); }
std::string text_block_section(int number) { return c_format("%s%d", "textblock", number); }

namespace {

// Collects the first refusal of the store, so that every key is still attempted.
struct Writer {
  ProfileFunctions &file;
  bool ok = true;

  void text(const std::string &section, const char *key, const std::string &value, bool quoted = false) {
    ok = write_text(file, section.c_str(), key, stored_text(value, quoted)) && ok;
  }
  void number(const std::string &section, const char *key, int value) {
    ok = write_number(file, section.c_str(), key, value) && ok;
  }
  void real(const std::string &section, const char *key, double value) {
    ok = write_real(file, section.c_str(), key, value) && ok;
  }
  void font(const std::string &section, const LogicalFont &font, int point_size) {
    ok = write_font_keys(file, section.c_str(), font, point_size) && ok;
  }
};

void write_axis(Writer &w, const Graph &graph, int axis) {
  const char *section = kAxisSections[axis];
  DisplayRange range = display_range(&graph, axis);
  if (!automatic_flag(&graph, axis, kAutomaticMin)) w.real(section, "Min", range.min);
  if (!automatic_flag(&graph, axis, kAutomaticMax)) w.real(section, "Max", range.max);
  if (!automatic_flag(&graph, axis, kAutomaticIncrement)) w.real(section, "Incr", range.increment);
  w.number(section, "Base", axis_base(&graph, axis));
  w.number(section, "Tics", axis_tics(&graph, axis));
  GridSettings grid = axis_grid(&graph, axis);
  w.number(section, "GridMajor", grid.major_style);
  w.number(section, "GridMinor", grid.minor_style);
  w.number(section, "DisplayGrid", grid.display ? 1 : 0);
  w.text(section, "Unit", title_unit(&graph, axis));
}

void write_label(Writer &w, const Graph &graph, int axis) {
  const char *section = kLabelSections[axis];
  const TickLabelFormat &f = graph.label_format[axis];
  w.font(section, f.font, f.point_size);
  w.number(section, "Notation", f.notation);
  w.number(section, "Digits", f.digits);
}

void write_title(Writer &w, const Graph &graph, int axis) {
  const char *section = kTitleSections[axis];
  const AxisTitle &t = graph.title[axis];
  w.text(section, "Text", title_text(&graph, axis));
  w.font(section, t.font, t.point_size);
  w.number(section, "Display", t.display ? 1 : 0);
}

void write_trace(Writer &w, const Trace &t, int number) {
  std::string section = trace_section(number);
  w.text(section, "Legend", t.legend.text, true);
  w.number(section, "PlotIndex", t.plot_index);
  w.text(section, "YExpression", t.y_expression ? expression_text(t.y_expression) : "", true);
  w.text(section, "YUnit", t.y_expression ? expression_unit_symbol(t.y_expression) : "");
  w.text(section, "XUnit", t.x_expression ? expression_unit_symbol(t.x_expression) : "");
  w.number(section, "SymbolIndex", t.symbol_index);
  w.number(section, "LineStyle", t.line_style);
  w.number(section, "LineWeight", t.line_weight);
  w.number(section, "Color", t.colour_index);
  w.number(section, "DisplaySymbols", t.display_symbols ? 1 : 0);
  w.number(section, "SymbolPeriod", t.symbol_period);
  w.number(section, "DisplaySymbolsWithText", t.display_symbols_with_text ? 1 : 0);
  w.number(section, "SymbolSize", t.symbol_size);
  w.font(section, t.legend.font, t.legend.point_size);
  if (t.legend.position_set) {
    w.number(section, "PosX", t.legend.x);
    w.number(section, "PosY", t.legend.y);
  }
  w.number(section, "Border", t.legend.border ? 1 : 0);
}

void write_text_block(Writer &w, const TextBlock &b, int number) {
  std::string section = text_block_section(number);
  w.text(section, "Text", b.text);
  w.font(section, b.font, b.point_size);
  w.number(section, "PosX", b.x);
  w.number(section, "PosY", b.y);
  w.number(section, "Cx", b.cx);
  w.number(section, "Cy", b.cy);
  w.number(section, "Border", b.border ? 1 : 0);
  w.number(section, "Justification", b.justification);
  w.number(section, "AdjustBox", b.adjust_box ? 1 : 0);
}

}  // namespace

bool saved_in_graph_file(const Trace &trace) {
  return trace.plot_index != -1 && trace.y_expression && !expression_text(trace.y_expression).empty();
}

bool save_graph(const Graph &graph, const std::string &data_file, ProfileFunctions &file) {
  Writer w{file};
  w.number(kGraphSection, "View", graph.view_mode);
  if (!graph.layout_automatic) {
    const LogicalRect &p = graph.plot;
    w.number(kGraphSection, "PosX", p.left);
    w.number(kGraphSection, "PosY", p.top);
    w.number(kGraphSection, "Cx", p.right - p.left);
    w.number(kGraphSection, "Cy", p.bottom - p.top);
  }
  for (int axis = 0; axis < 2; axis++) {
    write_axis(w, graph, axis);
    write_label(w, graph, axis);
    write_title(w, graph, axis);
  }

  w.text(kTracesSection, "DataFile", data_file);
  w.number(kTracesSection, "ShowLegends", graph.legend_display);
  int written = 0;
  for (const Trace *t = graph.head->next; t; t = t->next)
    if (saved_in_graph_file(*t)) write_trace(w, *t, ++written);
  w.number(kTracesSection, "NumberOfTraces", written);

  int blocks = 0;
  for (const TextBlock *b = graph.text_blocks; b; b = b->next) blocks++;
  if (blocks > 0) {
    w.number(kTextBlocksSection, "NumberOfTextBlocks", blocks);
    int number = 0;
    for (const TextBlock *b = graph.text_blocks; b; b = b->next) write_text_block(w, *b, ++number);
  }
  return w.ok;
}

void report_traces_left_out(WindowHandle owner, const Graph &graph) {
  std::string legends;
  for (const Trace *t = graph.head->next; t; t = t->next)
    if (!saved_in_graph_file(*t)) legends += (legends.empty() ? "" : ", ") + t->legend.text;
  if (!legends.empty()) show_message(owner, kMbIconExclamation, IDS_TRACES_LEFT_OUT, legends.c_str());
}

std::string graph_file_name(const std::string &chosen) {
  return chosen.find('.') == std::string::npos ? chosen + ".upg" : chosen;
}
