// paint_bench FOLDER [PAINTS]: the graph window's paint of one noisy sine sweep of 2, 1 M and
// 10 M points in a 1200 x 800 client, drawing every point against the reduced path (what the
// window's paint does), on a visible window's DC and into a DIB section. Prints the median
// time of PAINTS paints (5 by default) of each path on each surface, and how many pixels
// differ between the two paths' pictures; saves the pictures in FOLDER as BMP files.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "graph/axis_drawing.h"
#include "graph/graph.h"
#include "graph/layout.h"
#include "graph/paint.h"
#include "graph/resources.h"
#include "graph/trace_coordinates.h"
#include "graph/trace_drawing.h"
#include "canvas/win32/gdi_canvas.h"
#include "sweep_graph.h"
#include "win32/picture.h"
#include "win32/window.h"

namespace {

const TextSize kClient{1200, 800};
// Two points first: what a paint costs without a long trace.
const int kPointCounts[] = {2, 1000000, 10000000};
const int kDefaultPaints = 5;

// The window's paint with reduction off: paint_graph's order in window view, every point
// of the trace passed to the DC.
void paint_every_point(Graph *graph, Canvas &canvas, TextSize client) {
  canvas.set_mapping(graph_mapping(*graph, client));
  draw_axis(*graph, canvas, 0);
  draw_axis(*graph, canvas, 1);
  draw_grid(*graph, canvas, 0);
  draw_grid(*graph, canvas, 1);
  draw_frame(*graph, canvas);
  const LogicalRect &p = graph->plot;
  canvas.intersect_clip({p.left + 1, p.top + 1, p.right, p.bottom});
  draw_traces(*graph, canvas, *graph_resources(), {false, nullptr});
  canvas.reset_clip();
}

void paint_reduced(Graph *graph, Canvas &canvas, TextSize client) {
  paint_graph(graph, canvas, client, false);
}

using PaintPath = void (*)(Graph *, Canvas &, TextSize);

double now_ms() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER count;
  QueryPerformanceCounter(&count);
  return count.QuadPart * 1000.0 / frequency.QuadPart;
}

// One paint on `dc` from a white start, timed from the canvas's creation to the flush; the
// DC's state comes back afterwards, as a fresh paint DC would have it.
double timed_paint(Graph *graph, HDC dc, PaintPath path) {
  int saved = SaveDC(dc);
  RECT all{0, 0, kClient.width, kClient.height};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  GdiFlush();
  double start = now_ms();
  {
    GdiCanvas canvas(dc);
    path(graph, canvas, kClient);
  }
  GdiFlush();
  double elapsed = now_ms() - start;
  RestoreDC(dc, saved);
  return elapsed;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct PathTimes {
  std::vector<double> every, reduced;
};

// Alternates the two paths so that neither gains from the other's warm-up.
PathTimes time_paths(Graph *graph, int paints, const std::function<HDC(bool)> &take_dc,
                     const std::function<void(HDC)> &give_dc) {
  PathTimes times;
  for (int i = 0; i < paints; i++) {
    HDC dc = take_dc(false);
    times.every.push_back(timed_paint(graph, dc, paint_every_point));
    give_dc(dc);
    dc = take_dc(true);
    times.reduced.push_back(timed_paint(graph, dc, paint_reduced));
    give_dc(dc);
  }
  return times;
}

void print_times(int count, const char *surface, const PathTimes &times) {
  printf("%d points, %s: every point %.1f ms, reduced %.1f ms (median of %d; fastest %.1f / %.1f)\n",
         count, surface, median(times.every), median(times.reduced),
         static_cast<int>(times.every.size()),
         *std::min_element(times.every.begin(), times.every.end()),
         *std::min_element(times.reduced.begin(), times.reduced.end()));
}

// Reduction is exact only where the DC puts each point in the column the reduction assumes.
// Prints the mapping the DC ends up with and how many trace points (up to 1 M of them, evenly
// spaced) the DC places elsewhere than the canvas's placement says, and than the mapping's
// exact isotropic ratio would.
void check_columns(Graph *graph, HWND window) {
  const int kSampled = 1000000, kChunk = 4096;
  HDC dc = GetDC(window);
  int saved = SaveDC(dc);
  Mapping mapping = graph_mapping(*graph, kClient);
  DeviceTransform exact = device_transform(mapping);
  const Trace &trace = *graph->head->next;
  AxisToLogical to_x(*graph, 0), to_y(*graph, 1);
  long long sampled = 0, off_placement = 0, off_exact = 0;
  {
    GdiCanvas canvas(dc);
    canvas.set_mapping(mapping);
    DeviceTransform placed = canvas.placement(mapping);
    SIZE window_extent, viewport_extent;
    GetWindowExtEx(dc, &window_extent);
    GetViewportExtEx(dc, &viewport_extent);
    printf("mapping: window extent %ld x %ld, the DC's viewport extent %ld x %ld (the exact"
           " isotropic ratio gives %.2f x %.2f)\n",
           window_extent.cx, window_extent.cy, viewport_extent.cx, viewport_extent.cy,
           window_extent.cx * exact.scale_x, window_extent.cy * exact.scale_y);
    int step = std::max(trace.point_count / kSampled, 1);
    std::vector<POINT> points;
    std::vector<LogicalPoint> logical;
    for (int i = 0; i < trace.point_count; i += step) {
      LogicalPoint p{to_x(trace.x_values[i]), to_y(trace.y_values[i])};
      points.push_back({p.x, p.y});
      logical.push_back(p);
      if (points.size() == kChunk || i + step >= trace.point_count) {
        LPtoDP(dc, points.data(), static_cast<int>(points.size()));
        for (size_t k = 0; k < points.size(); k++) {
          LogicalPoint a = to_device(placed, logical[k]), b = to_device(exact, logical[k]);
          off_placement += points[k].x != a.x || points[k].y != a.y;
          off_exact += points[k].x != b.x || points[k].y != b.y;
        }
        sampled += points.size();
        points.clear();
        logical.clear();
      }
    }
  }
  RestoreDC(dc, saved);
  ReleaseDC(window, dc);
  printf("%d points: of %lld sampled, the DC places %lld elsewhere than the canvas's placement"
         " (%lld elsewhere than the exact ratio)\n",
         trace.point_count, sampled, off_placement, off_exact);
}

// The window's client as it shows, read back through a fresh DC.
void capture_client(HWND window, Picture &into) {
  HDC dc = GetDC(window);
  BitBlt(into.dc(), 0, 0, kClient.width, kClient.height, dc, 0, 0, SRCCOPY);
  ReleaseDC(window, dc);
}

void save(const Picture &picture, const std::string &folder, const std::string &name) {
  std::string path = folder + "\\" + name;
  if (picture.save_bmp(path))
    printf("saved %s\n", path.c_str());
  else
    printf("cannot write %s\n", path.c_str());
}

bool bench_size(HWND window, int count, int paints, const std::string &folder) {
  Graph *graph = sweep_graph(count);
  if (!graph) {
    printf("%d points: out of memory\n", count);
    return false;
  }
  HDC window_dc = GetDC(window);
  int dots_per_inch = GetDeviceCaps(window_dc, LOGPIXELSY);
  {
    int saved = SaveDC(window_dc);
    GdiCanvas canvas(window_dc);
    layout_graph(graph, canvas, {kClient, dots_per_inch, nullptr});
    RestoreDC(window_dc, saved);
  }
  ReleaseDC(window, window_dc);
  check_columns(graph, window);

  PathTimes on_window = time_paths(
      graph, paints, [&](bool) { return GetDC(window); },
      [&](HDC dc) {
        ReleaseDC(window, dc);
        pump_messages();
      });
  print_times(count, "window", on_window);

  Picture every(kClient.width, kClient.height), reduced(kClient.width, kClient.height);
  Picture window_every(kClient.width, kClient.height), window_reduced(kClient.width, kClient.height);
  if (!every.valid() || !reduced.valid() || !window_every.valid() || !window_reduced.valid()) {
    printf("%d points: no DIB section\n", count);
    destroy_graph(graph);
    return false;
  }
  PathTimes on_dib = time_paths(
      graph, paints, [&](bool reduce) { return reduce ? reduced.dc() : every.dc(); },
      [](HDC) {});
  print_times(count, "DIB section", on_dib);

  // The last paint of each path is in its picture; the window is painted once more per path.
  HDC dc = GetDC(window);
  timed_paint(graph, dc, paint_every_point);
  ReleaseDC(window, dc);
  capture_client(window, window_every);
  dc = GetDC(window);
  timed_paint(graph, dc, paint_reduced);
  ReleaseDC(window, dc);
  capture_client(window, window_reduced);

  const Trace *trace = graph->head->next;
  Colour colour = graph_resources()->palette[trace->colour_index];
  printf("%d points: %lld of %d pixels differ between the DIB pictures of the two paths"
         " (%lld pixels in the trace's colour); window: %lld differ, %lld from the DIB\n",
         count, every.differing_pixels(reduced), kClient.width * kClient.height,
         reduced.count_colour(colour_ref(colour)), window_every.differing_pixels(window_reduced),
         window_reduced.differing_pixels(reduced));
  std::string size = count % 1000000 == 0 ? std::to_string(count / 1000000) + "M" : std::to_string(count);
  save(every, folder, "paint-" + size + "-every-point.bmp");
  save(reduced, folder, "paint-" + size + "-reduced.bmp");
  fflush(stdout);
  destroy_graph(graph);
  return true;
}

}  // namespace

int main(int argc, char **argv) {
  if (argc < 2 || argc > 3) {
    fprintf(stderr, "usage: paint_bench FOLDER [PAINTS]\n");
    return 2;
  }
  std::string folder = argv[1];
  int paints = argc == 3 ? std::atoi(argv[2]) : kDefaultPaints;
  if (paints < 1) {
    fprintf(stderr, "paint_bench: PAINTS must be a positive number\n");
    return 2;
  }
  CreateDirectoryA(folder.c_str(), nullptr);
  create_graph_resources({255, 255, 255}, nullptr);
  HWND window = create_bench_window(kClient.width, kClient.height);
  if (!window) {
    printf("cannot create a window\n");
    return 1;
  }
  RECT client;
  GetClientRect(window, &client);
  printf("%d-bit paint_bench: client %ld x %ld, goal: 10 M points under 50 ms with 0 pixels"
         " differing, 1 M under 10 ms\n",
         static_cast<int>(sizeof(void *) * 8), client.right, client.bottom);
  fflush(stdout);
  bool ok = true;
  for (int count : kPointCounts) ok = bench_size(window, count, paints, folder) && ok;
  DestroyWindow(window);
  destroy_graph_resources();
  return ok ? 0 : 1;
}
