// The graph's canvas over a cairo surface: an image for PNG files, a PDF page.
#pragma once

#include <cairo.h>

#include <memory>
#include <string>
#include <vector>

#include "canvas.h"
#include "cairo_text.h"

struct SurfaceRelease {
  void operator()(cairo_surface_t *surface) const { cairo_surface_destroy(surface); }
};
using CairoSurface = std::unique_ptr<cairo_surface_t, SurfaceRelease>;

// An image of width x height pixels, white. Check cairo_surface_status for failure.
CairoSurface create_white_image(int width, int height);
bool write_png(cairo_surface_t *image, const std::string &path);
// A one-page PDF of width x height points (one device unit each), written by finish_pdf.
CairoSurface create_pdf(const std::string &path, int width, int height);
bool finish_pdf(cairo_surface_t *pdf);

class CairoCanvas : public Canvas {
 public:
  // Draws on `surface`, whose units are the device; the caller keeps the surface. Shapes are
  // drawn without antialiasing, like GDI, so a picture's pixels are those the screen shows.
  explicit CairoCanvas(cairo_surface_t *surface);
  ~CairoCanvas() override;
  CairoCanvas(const CairoCanvas &) = delete;
  CairoCanvas &operator=(const CairoCanvas &) = delete;

  // Draws what is still pending onto the surface; false when cairo met an error on the way.
  bool flush();

  void set_mapping(const Mapping &mapping) override;
  void set_pen(const Pen &pen) override;
  void set_brush(const Brush &brush) override;
  void set_font(const LogicalFont &font) override;
  void set_text_align(unsigned align) override;
  void set_text_colour(Colour colour) override;
  void set_raster_op(int op) override;

  void move_to(LogicalPoint to) override;
  void line_to(LogicalPoint to) override;
  void polyline(const LogicalPoint *points, size_t count) override;
  void polygon(const LogicalPoint *points, size_t count) override;
  void rectangle(const LogicalRect &rect) override;
  void ellipse(const LogicalRect &bounds) override;
  void fill_rect(const LogicalRect &rect, Colour colour) override;
  void text_out(LogicalPoint at, const std::string &text) override;

  TextSize text_extent(const std::string &text) override;
  int text_descent() override;
  void intersect_clip(const LogicalRect &rect) override;
  void reset_clip() override;

 private:
  void stroke_pending();
  const CairoFont &current_font();   // resolved for font_ and the mapping, and in use
  void set_source(Colour colour);
  void stroke_with_pen();
  void fill_with_brush();
  LogicalPoint device(LogicalPoint logical) const { return to_device(transform_, logical); }

  cairo_t *cr_;
  DeviceTransform transform_{1, 1, 0, 0};
  Pen pen_{kPenSolid, 0, {0, 0, 0}};
  Brush brush_{false, {255, 255, 255}};
  LogicalFont font_{};
  CairoFont cairo_font_{};
  bool font_current_ = false;   // cairo_font_ follows font_ and the mapping
  unsigned align_ = kAlignLeft | kAlignTop;
  Colour text_colour_{0, 0, 0};
  int raster_op_ = kRopCopyPen;
  LogicalPoint position_{0, 0};            // the current position, logical
  std::vector<LogicalPoint> pending_;      // device points of lines not yet stroked
};
