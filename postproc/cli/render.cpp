// ulmocli render FILE.out [--plot N] [--x EXPR] [--logx] [--logy] [--page] [--size WxH]
// -o OUT.svg|OUT.png|OUT.pdf EXPR...: the graph New Plot would make of the expressions, drawn
// as the graph window shows it at that size, its legend labels where the layout puts them.
//
// ulmocli render GRAPH.upg [--data FILE.out] [--size WxH] -o OUT...: a saved graph, loaded as
// the program opens it and evaluated again over its data file, or over another one, so that a
// script draws the same views after every simulation. A graph file saved under another name
// is known by its text when no expressions follow it. A trace whose expression cannot be
// evaluated is left out of the picture, as the program leaves it out, and ends with status 3.
#include <cairo.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "../base/ascii.h"
#include "../base/text.h"
#include "../base/ui.h"
#include "../data/plot_model.h"
#include "../graph/headless.h"
#include "../canvas/cairo_canvas.h"
#include "../canvas/svg_canvas.h"
#include "../graph/resources.h"
#include "../graph/scaling.h"
#include "../graphfile/ini/ini_store.h"
#include "../graphfile/load.h"
#include "../shell/settings.h"
#include "../shell/settings.h"
#include "../traces/new_plot.h"
#include "../traces/plot_graph.h"
#include "../traces/x_axis.h"
#include "commands.h"

namespace {

const int kScreenDotsPerInch = 96;
const int kLargestSide = 16384;
const Colour kWindowColour{255, 255, 255};
const Colour kWindowTextColour{0, 0, 0};

enum Format { kSvg, kPng, kPdf };

struct RenderArguments {
  const char *path = nullptr;
  const char *output = nullptr;
  Format format = kSvg;
  int plot = -1;   // -1: the current plot after the load
  const char *x = nullptr;
  bool log_x = false, log_y = false, page = false;
  TextSize size{800, 600};
  std::vector<const char *> expressions;
  const char *data = nullptr;   // graph files: the result file used instead of the saved one
  bool expression_options = false;   // --plot, --x, --logx, --logy or --page given
};

// A graph file by its extension, or, given without expressions, by its first character: the
// INI text starts with a section or a comment where a result file starts with binary fields.
bool looks_like_graph_file(const char *path) {
  FILE *f = fopen(path, "rb");
  if (!f) return false;
  char start[64] = {};
  size_t n = fread(start, 1, sizeof start - 1, f);
  fclose(f);
  size_t i = n >= 3 && memcmp(start, "\xEF\xBB\xBF", 3) == 0 ? 3 : 0;
  while (i < n && (start[i] == ' ' || start[i] == '\t' || start[i] == '\r' || start[i] == '\n')) i++;
  return i < n && (start[i] == '[' || start[i] == ';');
}

bool graph_file_arguments(const RenderArguments &a) {
  size_t n = strlen(a.path);
  if (n >= 4 && equal_ignoring_case(std::string_view(a.path + n - 4), ".upg")) return true;
  return a.expressions.empty() && (a.data || looks_like_graph_file(a.path));
}

bool read_size(const char *text, TextSize &size) {
  char *end;
  long w = strtol(text, &end, 10);
  if (end == text || (*end != 'x' && *end != 'X')) return false;
  const char *h_text = end + 1;
  long h = strtol(h_text, &end, 10);
  if (end == h_text || *end) return false;
  if (w < 1 || h < 1 || w > kLargestSide || h > kLargestSide) return false;
  size = {static_cast<int>(w), static_cast<int>(h)};
  return true;
}

bool read_format(const char *path, Format &format) {
  size_t n = strlen(path);
  if (n < 5) return false;   // a name before the extension
  std::string_view extension(path + n - 4, 4);
  if (equal_ignoring_case(extension, ".svg")) format = kSvg;
  else if (equal_ignoring_case(extension, ".png")) format = kPng;
  else if (equal_ignoring_case(extension, ".pdf")) format = kPdf;
  else return false;
  return true;
}

bool read_arguments(int argc, char **argv, RenderArguments &a) {
  for (int i = 0; i < argc; i++) {
    bool has_value = i + 1 < argc;
    if (strcmp(argv[i], "--plot") == 0 && has_value) {
      char *end;
      long n = strtol(argv[++i], &end, 10);
      if (*end || end == argv[i] || n < 0 || n > 1000000) return false;
      a.plot = static_cast<int>(n);
      a.expression_options = true;
    } else if (strcmp(argv[i], "--x") == 0 && has_value) {
      a.x = argv[++i];
      a.expression_options = true;
    } else if (strcmp(argv[i], "--data") == 0 && has_value) {
      a.data = argv[++i];
    } else if (strcmp(argv[i], "--size") == 0 && has_value) {
      if (!read_size(argv[++i], a.size)) return false;
    } else if (strcmp(argv[i], "-o") == 0 && has_value) {
      a.output = argv[++i];
      if (!read_format(a.output, a.format)) return false;
    } else if (strcmp(argv[i], "--logx") == 0) {
      a.log_x = a.expression_options = true;
    } else if (strcmp(argv[i], "--logy") == 0) {
      a.log_y = a.expression_options = true;
    } else if (strcmp(argv[i], "--page") == 0) {
      a.page = a.expression_options = true;
    } else if (!a.path) {
      a.path = argv[i];
    } else {
      a.expressions.push_back(argv[i]);
    }
  }
  if (!a.path || !a.output) return false;
  // A graph file brings its own traces and formats; a result file needs expressions.
  if (graph_file_arguments(a)) return a.expressions.empty() && !a.expression_options;
  return !a.data && !a.expressions.empty();
}

// The expression as the builder would have made it, units included; eval's messages.
ExpressionPtr parse(const char *text) {
  int why = kParseOk;
  ExpressionPtr e(parse_expression_with_units(text, &why));
  if (e) return e;
  cli_tell_parse_failure(text, why);
  return nullptr;
}

// Layout and paint as the graph window has them; the legend labels and text blocks, child
// windows on the screen, drawn at the places the layout gave them, as Copy Graph draws them.
void draw_graph(Graph *graph, Canvas &canvas, TextSize client) {
  draw_window_picture(graph, canvas, {client, kScreenDotsPerInch, nullptr}, kWindowTextColour,
                      settings().detect_multiple_traces != 0);
}

bool write_svg(Graph *graph, TextSize size, const char *path) {
  SvgCanvas canvas(size.width, size.height);
  draw_graph(graph, canvas, size);
  std::ofstream out(path, std::ios::binary);
  out << canvas.document();
  out.close();
  return static_cast<bool>(out);
}

bool write_png_file(Graph *graph, TextSize size, const char *path) {
  CairoSurface image = create_white_image(size.width, size.height);
  if (cairo_surface_status(image.get()) != CAIRO_STATUS_SUCCESS) return false;
  bool drawn;
  {
    CairoCanvas canvas(image.get());
    draw_graph(graph, canvas, size);
    drawn = canvas.flush();
  }
  return drawn && write_png(image.get(), path);
}

bool write_pdf(Graph *graph, TextSize size, const char *path) {
  CairoSurface pdf = create_pdf(path, size.width, size.height);
  bool drawn;
  {
    CairoCanvas canvas(pdf.get());
    draw_graph(graph, canvas, size);
    drawn = canvas.flush();
  }
  return finish_pdf(pdf.get()) && drawn;
}

bool write_picture(Graph *graph, const RenderArguments &a) {
  switch (a.format) {
    case kSvg: return write_svg(graph, a.size, a.output);
    case kPng: return write_png_file(graph, a.size, a.output);
    case kPdf: return write_pdf(graph, a.size, a.output);
  }
  return false;
}

void report_evaluation_failure(const char *text) {
  fprintf(stderr, "ulmocli: %s cannot be evaluated over plot %d\n", text, current_plot_index());
}

// New Plot of the expressions, then the X-Axis Expression, then the logarithmic axes, as a
// user would build the graph in the program (so a log x-axis is judged by the x values the
// expression gives, not by variable 0's). Returns the exit status on failure.
int build_graph(const RenderArguments &a, GraphPtr &graph) {
  ExpressionPtr x;
  if (a.x && !(x = parse(a.x))) return kCliExpressionFailed;
  std::vector<ExpressionPtr> expressions;
  for (const char *text : a.expressions) {
    ExpressionPtr e = parse(text);
    if (!e) return kCliExpressionFailed;
    expressions.push_back(std::move(e));
  }
  std::vector<std::string> legends;
  for (const ExpressionPtr &e : expressions) legends.push_back(expression_text(e.get()));

  GraphPreferences preferences = settings().graph;
  graph.reset(create_plot_graph(nullptr, 1, 1, preferences));
  if (!graph) {
    fprintf(stderr, "ulmocli: out of memory\n");
    return kCliExpressionFailed;
  }
  std::string title;
  BatchOutcome outcome = new_plot(graph.get(), title, expressions, legends, preferences);
  if (!outcome.ok) {
    report_evaluation_failure(a.expressions[static_cast<size_t>(outcome.traces_added)]);
    return kCliExpressionFailed;
  }
  if (x && !apply_x_axis_expression(graph.get(), std::move(x))) {
    report_evaluation_failure(a.x);
    return kCliExpressionFailed;
  }
  if (a.log_x) set_axis_base(graph.get(), 0, 10);
  if (a.log_y) set_axis_base(graph.get(), 1, 10);
  return kCliOk;
}

// The graph file loaded as Open Graph File loads it, answering its questions as a script
// cannot: no browsing for a missing data file, the current plot for a vanished one. A trace
// left out is told, and the picture drawn without it ends with the expression status, so
// that a script notices what the program would only have shown.
int load_graph_file(const RenderArguments &a, GraphPtr &graph, bool &traces_left_out) {
  IniStore store;
  store.load(a.path);   // a file that does not open is told by the load
  GraphFileHooks hooks;
  hooks.file_readable = [](const std::string &path) { return cli_file_readable(path); };
  hooks.browse_data_file = [](std::string &) { return false; };
  hooks.load_data_file = [](const std::string &path) { return cli_load(cli_local_path(path).c_str()); };
  hooks.choose_plot = [] {
    fprintf(stderr, "ulmocli: plot %d, the current plot, is used\n", current_plot_index());
  };
  hooks.trace_left_out = [&traces_left_out](int number, const std::string &legend) {
    fprintf(stderr, "ulmocli: trace %d (%s) cannot be evaluated over plot %d and is left out\n",
            number, ansi_to_utf8(legend).c_str(), current_plot_index());
    traces_left_out = true;
  };
  hooks.fonts = nullptr;   // cairo and the SVG viewer find a face for every name
  hooks.owner = nullptr;
  if (a.data) hooks.data_file = a.data;
  LoadedGraph loaded = load_graph(store.functions(), a.path, hooks, settings().graph);
  if (!loaded.graph) return kCliLoadFailed;
  graph.reset(loaded.graph);
  return kCliOk;
}

}  // namespace

int run_render(int argc, char **argv) {
  RenderArguments a;
  if (!read_arguments(argc, argv, a)) {
    return cli_usage("render");
  }
  settings() = default_settings();
  bool graph_file = graph_file_arguments(a);
  if (graph_file) cli_print_messages();
  else if (int status = cli_open_plot(a.path, a.plot)) return status;
  create_graph_resources(kWindowColour, free_expression);

  GraphPtr graph;
  bool traces_left_out = false;
  int status = graph_file ? load_graph_file(a, graph, traces_left_out) : build_graph(a, graph);
  if (status == kCliOk) {
    if (!graph_file) graph->view_mode = a.page ? kPageView : kWindowView;
    if (!write_picture(graph.get(), a)) {
      fprintf(stderr, "ulmocli: %s could not be written\n", a.output);
      status = kCliWriteFailed;
    } else if (traces_left_out) {
      status = kCliExpressionFailed;
    }
  }
  graph.reset();
  destroy_graph_resources();
  return status;
}
