// Any text as a graph file: loaded over a result file of two plots with awkward data (zeros,
// negatives, a repeated abscissa, a non-number, an infinity), the graph drawn as a window
// shows it, then saved and loaded again, which must give the same file. No crash, leak or
// undefined behaviour on the way.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/font_list.h"
#include "base/ui.h"
#include "data/load.h"
#include "data/plot_list.h"
#include "data/plot_model.h"
#include "expr/evaluate.h"
#include "expr/expression.h"
#include "graph/headless.h"
#include "canvas/recording_canvas.h"
#include "graph/resources.h"
#include "graphfile/ini/ini_store.h"
#include "graphfile/load.h"
#include "graphfile/save.h"
#include "fuzz_support.h"

namespace {

const int kPoints = 6;
const char kGraphPath[] = "/fuzz/graph.upg";

SamplePlot fuzz_plot(bool complex) {
  SamplePlot p;
  p.circuit_title = "fuzz";
  p.simulation_date = "now";
  p.plot_name = complex ? "AC" : "Transient";
  p.number_type = complex ? 8 : 4;
  p.plot_kind = 1;
  p.variables = {{"time", 2}, {"v(1)", 0}, {"i(vdd)", 1}, {"v(out)", 0}};
  p.point_count = kPoints;
  const double t[kPoints] = {0, 1, 1, 2, 4, 5};
  const double v[kPoints] = {0, -1, 2, NAN, 1e300, -0.0};
  for (int i = 0; i < kPoints; i++) {
    double row[] = {t[i], v[i], i * 0.5 - 1, 1.0 + i};
    double im[] = {0, i * 1.0, 0, -i * 1.0};
    p.real.insert(p.real.end(), row, row + 4);
    p.imag.insert(p.imag.end(), im, im + 4);
  }
  if (!complex) p.imag.clear();
  return p;
}

FontList fonts{};
GraphPreferences preferences;

int answer_no(WindowHandle, const char *, const char *, unsigned) { return kIdNo; }

GraphFileHooks hooks() {
  GraphFileHooks h;
  h.file_readable = [](const std::string &) { return true; };
  h.browse_data_file = [](std::string &) { return false; };
  h.load_data_file = [](const std::string &) { return true; };   // loaded once, at start
  h.choose_plot = [] { select_plot(0, false); };
  h.fonts = &fonts;
  h.owner = nullptr;
  return h;
}

// A logarithmic axis over data that is all zero: the axis scaling accepts it (a graph without
// data yet), but a manual value on it then reads back otherwise. Such graphs are only drawn.
bool zero_logarithmic_axis(const Graph &graph) {
  for (int axis = 0; axis < 2; axis++)
    if (graph.axes[axis].base != 1 && graph.data_range[axis].min <= 0) return true;
  return false;
}

std::string saved(const Graph &graph) {
  IniStore store;
  ProfileFunctions file = store.functions();
  save_graph(graph, "data.out", file);
  return store.text();
}

Graph *load(const std::string &text) {
  IniStore store;
  store.parse(text);
  GraphFileHooks h = hooks();
  return load_graph(store.functions(), kGraphPath, h, preferences).graph;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
  load_fuzz_plots({fuzz_plot(false), fuzz_plot(true)});
  ui_hooks().message_box = answer_no;
  create_graph_resources({255, 255, 255}, free_expression);
  for (const char *face : {"Arial", "Times New Roman", "Courier New"}) {
    LogicalFont f{};
    f.weight = 400;
    strncpy(f.face_name, face, kFaceNameSize - 1);
    font_list_append(fonts, f);
  }
  preferences.x_title_face = preferences.y_title_face = preferences.legend_face = "Arial";
  preferences.x_label_face = preferences.y_label_face = preferences.text_face = "Arial";
  preferences.x_title_size = preferences.y_title_size = preferences.text_size = 20;
  preferences.x_label_size = preferences.y_label_size = preferences.legend_size = 18;
  preferences.graph_digits = 1;
  preferences.tic_marks = 3;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  std::string text(reinterpret_cast<const char *>(data), size);
  Graph *graph = load(text);
  // A graph whose every trace failed to evaluate is still shown, but its file would name no
  // traces, which a load refuses: only a graph with traces must come back.
  if (graph && graph->head->next) {
    RecordingCanvas canvas;
    draw_window_picture(graph, canvas, {{640, 480}, 96, nullptr}, {0, 0, 0}, false);
    std::string first = saved(*graph);
    if (zero_logarithmic_axis(*graph)) {
      destroy_graph(graph);
      return 0;
    }
    Graph *again = load(first);
    if (!again) {
      fprintf(stderr, "fuzz_load_graph_file: a saved graph does not load\n");
      abort();
    }
    std::string second = saved(*again);
    if (second != first) {
      fprintf(stderr, "fuzz_load_graph_file: a saved graph loads as another\n%s\n--- loads as\n%s\n",
              first.c_str(), second.c_str());
      abort();
    }
    destroy_graph(again);
  }
  destroy_graph(graph);
  clear_evaluation_warnings();
  return 0;
}
