#include <windows.h>

#include <chrono>

#include "first_paint.h"
#include "graph/layout.h"
#include "graph/paint.h"
#include "canvas/win32/gdi_canvas.h"

double first_paint_ms(Graph *graph, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void *bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  int dots_per_inch = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  HBITMAP bitmap = dc ? CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
  if (!bitmap) {
    if (dc) DeleteDC(dc);
    return -1;
  }
  HGDIOBJ original = SelectObject(dc, bitmap);
  RECT all{0, 0, width, height};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  GdiFlush();
  auto start = std::chrono::steady_clock::now();
  {
    GdiCanvas canvas(dc);
    layout_graph(graph, canvas, {{width, height}, dots_per_inch, nullptr});
    paint_graph(graph, canvas, {width, height}, true);
  }
  GdiFlush();
  double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  SelectObject(dc, original);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return ms;
}
