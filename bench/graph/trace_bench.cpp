// trace_bench [PAINTS]: the processor's share of drawing a long trace. draw_traces of the noisy
// sweep (1 M and 10 M points), laid out as the 1200 x 800 graph window lays it out, into a
// canvas that only counts what reaches it: every point against the reduced path. Prints the
// median of PAINTS runs (5 by default) and the time per point; runs natively and under Wine.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "canvas/canvas.h"
#include "graph/layout.h"
#include "graph/resources.h"
#include "graph/trace_drawing.h"
#include "sweep_graph.h"

namespace {

const TextSize kClient{1200, 800};
const int kPointCounts[] = {1000000, 10000000};

// Measures text as an 8 x 16 pixel cell per character at the window's 7 logical units a pixel.
class CountingCanvas : public Canvas {
 public:
  long long points = 0;
  void set_mapping(const Mapping &) override {}
  void set_pen(const Pen &) override {}
  void set_brush(const Brush &) override {}
  void set_font(const LogicalFont &) override {}
  void set_text_align(unsigned) override {}
  void set_text_colour(Colour) override {}
  void set_raster_op(int) override {}
  void move_to(LogicalPoint) override { points++; }
  void line_to(LogicalPoint) override { points++; }
  void polyline(const LogicalPoint *, size_t count) override { points += count; }
  void polygon(const LogicalPoint *, size_t count) override { points += count; }
  void rectangle(const LogicalRect &) override {}
  void ellipse(const LogicalRect &) override {}
  void fill_rect(const LogicalRect &, Colour) override {}
  void text_out(LogicalPoint, const std::string &) override {}
  TextSize text_extent(const std::string &text) override {
    return {static_cast<int>(text.size()) * 56, 112};
  }
  void intersect_clip(const LogicalRect &) override {}
  void reset_clip() override {}
};

struct Run {
  double ms;
  long long points;
};

Run timed_draw(const Graph &graph, const TraceDrawing &how) {
  CountingCanvas canvas;
  auto start = std::chrono::steady_clock::now();
  draw_traces(graph, canvas, *graph_resources(), how);
  std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
  return {elapsed.count(), canvas.points};
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

bool bench_size(int count, int paints) {
  Graph *graph = sweep_graph(count);
  if (!graph) {
    printf("%d points: out of memory\n", count);
    return false;
  }
  CountingCanvas layout_canvas;
  layout_graph(graph, layout_canvas, {kClient, 96, nullptr});
  DeviceTransform device = layout_canvas.placement(graph_mapping(*graph, kClient));
  std::vector<double> every, reduced;
  long long every_points = 0, reduced_points = 0;
  // Alternated, so that neither path gains from the other's warm-up.
  for (int i = 0; i < paints; i++) {
    Run run = timed_draw(*graph, {false, nullptr});
    every.push_back(run.ms);
    every_points = run.points;
    run = timed_draw(*graph, {false, &device});
    reduced.push_back(run.ms);
    reduced_points = run.points;
  }
  printf("%d points: every point %.1f ms (%.2f ns a point), reduced %.1f ms (%.2f ns a point);"
         " %lld points reach the canvas instead of %lld (median of %d)\n",
         count, median(every), median(every) * 1e6 / count, median(reduced),
         median(reduced) * 1e6 / count, reduced_points, every_points, paints);
  fflush(stdout);
  destroy_graph(graph);
  return true;
}

}  // namespace

int main(int argc, char **argv) {
  int paints = argc == 2 ? std::atoi(argv[1]) : 5;
  if (argc > 2 || paints < 1) {
    fprintf(stderr, "usage: trace_bench [PAINTS]\n");
    return 2;
  }
  create_graph_resources({255, 255, 255}, nullptr);
  printf("%d-bit trace_bench: a %d x %d window's trace drawing, canvas excluded\n",
         static_cast<int>(sizeof(void *) * 8), kClient.width, kClient.height);
  bool ok = true;
  for (int count : kPointCounts) ok = bench_size(count, paints) && ok;
  destroy_graph_resources();
  return ok ? 0 : 1;
}
