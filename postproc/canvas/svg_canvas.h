// The graph's canvas as an SVG document, for `ulmocli render` and for pictures that tests and
// scripts can search: every text stays a <text> element holding its exact string.
#pragma once

#include <cairo.h>

#include <string>
#include <vector>

#include "canvas.h"
#include "cairo_text.h"

class SvgCanvas : public Canvas {
 public:
  // A document of width x height device units (pixels) on a white background.
  SvgCanvas(int width, int height);
  ~SvgCanvas() override;
  SvgCanvas(const SvgCanvas &) = delete;
  SvgCanvas &operator=(const SvgCanvas &) = delete;

  // The document with everything drawn so far, complete and well-formed; drawing may go on.
  std::string document();

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
  void write_pending();
  void write_path(const std::vector<LogicalPoint> &points, bool closed, bool filled);
  std::string stroke_attributes() const;
  std::string fill_attribute(Colour colour) const;
  std::string blend_attribute() const;
  const CairoFont &current_font();
  LogicalPoint device(LogicalPoint logical) const { return to_device(transform_, logical); }

  int width_, height_;
  std::string body_;
  int clip_count_ = 0;   // clip paths defined so far: their ids
  int open_groups_ = 0;  // clip groups still open
  cairo_surface_t *measure_surface_;
  cairo_t *measure_;     // measures text as cairo draws it
  DeviceTransform transform_{1, 1, 0, 0};
  Pen pen_{kPenSolid, 0, {0, 0, 0}};
  Brush brush_{false, {255, 255, 255}};
  LogicalFont font_{};
  CairoFont cairo_font_{};
  bool font_current_ = false;
  unsigned align_ = kAlignLeft | kAlignTop;
  Colour text_colour_{0, 0, 0};
  int raster_op_ = kRopCopyPen;
  LogicalPoint position_{0, 0};
  std::vector<LogicalPoint> pending_;   // device points of lines not yet written
};
