#include "graphfile_fixture.h"

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <sstream>

#include "data/load.h"
#include "data/plot_model.h"
#include "expr/expression.h"
#include "graph/axis.h"
#include "graph/headless.h"
#include "graph/properties.h"
#include "canvas/recording_canvas.h"
#include "graph/scaling.h"
#include "graph/text_block.h"
#include "graphfile/save.h"
#include "traces/new_plot.h"

LogicalFont listed_font(const char *face) {
  LogicalFont f{};
  f.height = -16;
  f.width = 7;
  f.weight = 400;
  strncpy(f.face_name, face, kFaceNameSize - 1);
  return f;
}

void GraphFileTest::SetUp() {
  TracesTest::SetUp();
  for (const char *face : {"Arial", "Times New Roman", "Courier New"})
    font_list_append(fonts, listed_font(face));
  graph_path = path + ".upg";
  FILE *f = fopen(graph_path.c_str(), "w");
  if (f) fclose(f);
  hooks.file_readable = [](const std::string &p) {
    FILE *file = fopen(p.c_str(), "rb");
    if (file) fclose(file);
    return file != nullptr;
  };
  hooks.browse_data_file = [this](std::string &p) {
    if (browse_answer) p = browse_path;
    return browse_answer;
  };
  hooks.load_data_file = [this](const std::string &p) {
    loaded_paths.push_back(p);
    return load_data_file(p.c_str());
  };
  hooks.choose_plot = [this] {
    choose_calls++;
    select_plot(chosen_plot, false);
  };
  hooks.fonts = &fonts;
  hooks.owner = nullptr;
}

void GraphFileTest::TearDown() {
  destroy_graph(loaded.graph);
  loaded.graph = nullptr;
  font_list_free(fonts);
  remove(graph_path.c_str());
  TracesTest::TearDown();
}

namespace {

std::string describe(const DrawRecord &r) {
  std::ostringstream s;
  s << static_cast<int>(r.op);
  for (const LogicalPoint &p : r.points) s << " (" << p.x << "," << p.y << ")";
  s << " [" << r.rect.left << "," << r.rect.top << "," << r.rect.right << "," << r.rect.bottom << "]";
  s << " '" << r.text << "'";
  s << " pen " << r.pen.style << "/" << r.pen.width << "/" << int(r.pen.colour.red) << "."
    << int(r.pen.colour.green) << "." << int(r.pen.colour.blue);
  s << " brush " << r.brush.hollow << "/" << int(r.brush.colour.red) << "." << int(r.brush.colour.green)
    << "." << int(r.brush.colour.blue);
  s << " font " << r.font.face_name << "/" << r.font.height << "/" << r.font.weight << "/"
    << int(r.font.italic) << "/" << r.font.escapement;
  s << " map " << r.mapping.window_extent.width << "x" << r.mapping.window_extent.height << "@"
    << r.mapping.viewport_extent.width << "x" << r.mapping.viewport_extent.height;
  s << " align " << r.align << " rop " << r.raster_op;
  return s.str();
}

}  // namespace

std::vector<std::string> GraphFileTest::picture(Graph *g) {
  RecordingCanvas canvas;
  draw_window_picture(g, canvas, {{700, 500}, 96, nullptr}, {0, 0, 0}, false);
  std::vector<std::string> lines;
  // What is drawn, each with the state in force; the state changes and measurements that
  // lead there may differ with fonts that draw the same (a listed face's enumerated height).
  for (const DrawRecord &r : canvas.records())
    if (r.op >= DrawOp::kMoveTo && r.op != DrawOp::kTextExtent) lines.push_back(describe(r));
  return lines;
}

// A font as the format dialogs give it: the listed face, width 0, the style asked for.
LogicalFont GraphFileTest::font(const char *face, bool bold, bool italic, bool vertical) {
  LogicalFont f = listed_font(face);
  f.width = 0;
  f.weight = bold ? 700 : 400;
  f.italic = italic ? 1 : 0;
  if (vertical) f.escapement = f.orientation = 900;
  return f;
}

// Traces from both plots of the file, positive for the logarithmic y axis.
Graph *GraphFileTest::traces_over_two_plots() {
  load({ramp_plot(), ramp_plot(1.0)});
  new_graph();
  std::string title;
  auto batch = expressions({"'v(b)'", "'tt'"});
  EXPECT_TRUE(new_plot(graph, title, batch, {"'v(b)'", "tt of plot 1"}, preferences).ok);
  select_plot(0, false);
  auto overlay = expressions({"'v(b)'+2"});
  EXPECT_TRUE(overlay_plot(graph, title, overlay, {"\"first\" plot"}, preferences).ok);
  return graph;
}

// Every setting a graph file keeps, none at its default.
Graph *GraphFileTest::formatted_graph() {
  Graph *g = traces_over_two_plots();
  for (int i = 0; i < 3; i++) set_automatic_flag(g, 0, i, false);
  EXPECT_TRUE(set_manual_range(g, 0, 0.5, 2.5, 0.5));
  EXPECT_TRUE(set_axis_base(g, 1, 10));
  set_automatic_flag(g, 1, kAutomaticMax, false);
  EXPECT_TRUE(set_manual_range(g, 1, 0, 100, 1));
  set_axis_grid(g, 0, {2, 5, true});
  set_axis_grid(g, 1, {5, 0, true});
  set_axis_tics(g, 0, 4);
  set_axis_tics(g, 1, 9);
  set_label_font(g, 0, font("Times New Roman", true, false), 14);
  set_label_font(g, 1, font("Courier New", false, true), 10);
  set_title_font(g, 0, font("Arial", true, true), 24);
  set_title_font(g, 1, font("Times New Roman", false, false, true), 16);
  set_label_notation(g, 0, kNotationScientific);
  set_label_digits(g, 0, 3);
  set_label_notation(g, 1, kNotationDecimal);
  set_label_digits(g, 1, 0);
  set_title_text(g, 0, "Time axis");
  set_title_unit(g, 0, "sec");
  set_title_text(g, 1, "'v(b)'");
  set_title_unit(g, 1, "V");
  set_title_display(g, 0, false);

  Trace *first = first_trace(g), *second = next_trace(g), *third = next_trace(g);
  set_trace_property(first, kTraceLegendX, number_value(900));
  set_trace_property(first, kTraceLegendY, number_value(300));
  set_trace_property(first, kTraceLegendPositionSet, number_value(1));
  set_trace_property(first, kTraceLegendBorder, number_value(1));
  set_trace_property(second, kTraceSymbolIndex, number_value(5));
  set_trace_property(second, kTraceColourIndex, number_value(7));
  set_trace_property(second, kTraceLineStyle, number_value(2));
  set_trace_property(second, kTraceLineWeight, number_value(3));
  set_trace_property(second, kTraceDisplaySymbols, number_value(1));
  set_trace_property(second, kTraceSymbolPeriod, number_value(2));
  set_trace_property(second, kTraceSymbolSize, number_value(4));
  set_trace_property(second, kTraceSymbolsWithText, number_value(0));
  PropertyValue legend_font{};
  legend_font.font = font("Courier New", true, true);
  legend_font.point_size = 20;
  set_trace_property(third, kTraceLegendFont, legend_font);

  TextBlock *boxed = add_text_block(g, {1000, 1200, 1800, 1500}, preferences);
  PropertyValue v{};
  v.text = "Gain 'peak' ";
  set_text_block_property(boxed, kTextBlockText, v);
  v.font = font("Times New Roman", true, false);
  v.point_size = 18;
  set_text_block_property(boxed, kTextBlockFont, v);
  set_text_block_property(boxed, kTextBlockBorder, number_value(1));
  set_text_block_property(boxed, kTextBlockJustification, number_value(kJustifyCentre));
  set_text_block_property(boxed, kTextBlockAdjustBox, number_value(0));
  TextBlock *upright = add_text_block(g, {5500, 800, 5600, 2000}, preferences);
  v.text = "vertical";
  v.font = font("Arial", false, false, true);
  v.point_size = 12;
  set_text_block_property(upright, kTextBlockText, v);
  set_text_block_property(upright, kTextBlockFont, v);
  set_text_block_property(upright, kTextBlockJustification, number_value(kJustifyRight));

  set_graph_property(g, kGraphViewMode, number_value(kPageView));
  set_graph_property(g, kGraphLayoutAutomatic, number_value(0));
  set_graph_property(g, kGraphPlotLeft, number_value(1500));
  set_graph_property(g, kGraphPlotTop, number_value(600));
  set_graph_property(g, kGraphPlotWidth, number_value(4000));
  set_graph_property(g, kGraphPlotHeight, number_value(3000));
  return g;
}

std::vector<std::string> GraphFileTest::written_keys(const Graph &g) {
  std::vector<std::string> keys;
  auto read = [](void *, const char *, const char *, std::string &) { return false; };
  auto write = [](void *context, const char *section, const char *key, const char *value) {
    static_cast<std::vector<std::string> *>(context)->push_back(std::string(section) + "|" + key + "=" + value);
    return true;
  };
  ProfileFunctions recorder{&keys, read, write};
  EXPECT_TRUE(save_graph(g, path, recorder));
  return keys;
}
