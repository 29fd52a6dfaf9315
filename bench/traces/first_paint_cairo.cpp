#include <chrono>

#include "first_paint.h"
#include "graph/layout.h"
#include "graph/paint.h"
#include "canvas/cairo_canvas.h"

double first_paint_ms(Graph *graph, int width, int height) {
  CairoSurface image = create_white_image(width, height);
  if (cairo_surface_status(image.get()) != CAIRO_STATUS_SUCCESS) return -1;
  auto start = std::chrono::steady_clock::now();
  {
    CairoCanvas canvas(image.get());
    layout_graph(graph, canvas, {{width, height}, 96, nullptr});
    paint_graph(graph, canvas, {width, height}, true);
    canvas.flush();
  }
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}
