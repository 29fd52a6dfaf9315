// Pole-zero plots. The simulator names each root so that its third character tells poles
// from zeros ("r(p1)", "r(z1)"): the roots come poles first, and the run sharing variable
// 0's third character is one group.
#include "pole_zero.h"

#include <new>

#include "../base/messages.h"
#include "../data/plot_model.h"
#include "../graph/scaling.h"
#include "table_layout.h"

namespace {

const int kRootsMemoryCode = 300;
const int kExperimentalTrace = 1;
const int kNoLine = 5;

char third_character(const std::string &name) { return name.size() > 2 ? name[2] : '\0'; }

void widen(double &lo, double &hi, double v, bool first) {
  if (first || v < lo) lo = v;
  if (first || v > hi) hi = v;
}

}  // namespace

bool pole_zero_layout(PoleZeroLayout &out) {
  out = PoleZeroLayout();
  out.plot_index = current_plot_index();
  const int roots = variable_count();
  if (roots < 1) return false;
  RowToken real_token, imag_token;
  const double *re = lock_real_row(0, real_token);
  const double *im = lock_imag_row(0, imag_token);
  if (!re) return false;
  try {
    out.title = plot_window_title(current_plot_text(kPlotTitle), current_plot_text(kPlotName));
    std::string name, unit;
    variable_info(0, name, unit);
    const char mark = third_character(name);
    int run = 1;
    while (run < roots && variable_info(run, name, unit) && third_character(name) == mark) run++;
    out.groups.push_back(RootGroup{mark == 'p' ? "Poles" : "Zeros", mark == 'p' ? kPoleSymbol : kZeroSymbol, {}, {}});
    if (run < roots) out.groups.push_back(RootGroup{"Zeros", kZeroSymbol, {}, {}});
    for (int i = 0; i < roots; i++) {
      RootGroup &g = out.groups[i < run ? 0 : 1];
      double x = re[i], y = im ? im[i] : 0.0;   // a real plot's roots lie on the real axis
      g.x.push_back(x);
      g.y.push_back(y);
      widen(out.x_min, out.x_max, x, i == 0);
      widen(out.y_min, out.y_max, y, i == 0);
    }
  } catch (const std::bad_alloc &) {
    out_of_memory(kRootsMemoryCode);
  }
  release_row(real_token);
  if (im) release_row(imag_token);
  return true;
}

Graph *create_pole_zero_graph(WindowHandle owner, const PoleZeroLayout &layout, const GraphPreferences &preferences) {
  Graph *graph = create_graph(owner, "Frequency", "Hz", "", 1, 1, preferences);
  if (!graph) return nullptr;
  for (const RootGroup &g : layout.groups) {
    const int n = static_cast<int>(g.x.size());
    double *x = new (std::nothrow) double[static_cast<size_t>(n)];
    double *y = new (std::nothrow) double[static_cast<size_t>(n)];
    if (!x || !y) out_of_memory(kRootsMemoryCode);
    for (int i = 0; i < n; i++) {
      x[i] = g.x[static_cast<size_t>(i)];
      y[i] = g.y[static_cast<size_t>(i)];
    }
    if (!add_trace(graph, kExperimentalTrace, g.symbol, kNoLine, 0, g.name, n, layout.plot_index, x, y, preferences)) {
      delete[] x;
      delete[] y;
      destroy_graph(graph);
      return nullptr;
    }
  }
  set_data_range(graph, 0, layout.x_min, layout.x_max);
  set_data_range(graph, 1, layout.y_min, layout.y_max);
  return graph;
}
