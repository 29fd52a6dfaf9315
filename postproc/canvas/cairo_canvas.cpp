// The canvas over cairo. Coordinates are mapped to whole device units first, as GDI maps
// them, and lines are drawn through pixel centres with butt caps, so that a line of one pixel
// covers exactly the pixels GDI would. Consecutive line_to calls are gathered into one path
// and stroked together, which joins their corners as a polyline's and keeps a long trace one
// operation.
//
// Raster operations: GDI's XOR pen and NOT have no exact equivalent in cairo's compositing;
// the difference operator gives both where it matters (black and white: a second draw
// erases the first).
#include "cairo_canvas.h"

#include <cairo-pdf.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "strokes.h"
#include "../base/text.h"
#include "text_encoding.h"

namespace {

const double kFullCircle = 2 * 3.14159265358979323846;

// A device rectangle with its corners in order, as GDI takes any two corners.
struct DeviceBox {
  int left, top, right, bottom;
};
DeviceBox ordered(LogicalPoint a, LogicalPoint b) {
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

}  // namespace

CairoSurface create_white_image(int width, int height) {
  CairoSurface image(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height));
  cairo_t *cr = cairo_create(image.get());
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  cairo_destroy(cr);
  return image;
}

bool write_png(cairo_surface_t *image, const std::string &path) {
  cairo_surface_flush(image);
  return cairo_surface_write_to_png(image, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

CairoSurface create_pdf(const std::string &path, int width, int height) {
  return CairoSurface(cairo_pdf_surface_create(path.c_str(), width, height));
}

bool finish_pdf(cairo_surface_t *pdf) {
  cairo_surface_finish(pdf);
  return cairo_surface_status(pdf) == CAIRO_STATUS_SUCCESS;
}

CairoCanvas::CairoCanvas(cairo_surface_t *surface) : cr_(cairo_create(surface)) {
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
  cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_EVEN_ODD);   // GDI's ALTERNATE
  use_linear_metrics(cr_);
  std::snprintf(font_.face_name, sizeof font_.face_name, "%s", "Arial");
}

CairoCanvas::~CairoCanvas() {
  stroke_pending();
  cairo_destroy(cr_);
}

bool CairoCanvas::flush() {
  stroke_pending();
  cairo_surface_flush(cairo_get_target(cr_));
  return cairo_status(cr_) == CAIRO_STATUS_SUCCESS;
}

void CairoCanvas::set_mapping(const Mapping &mapping) {
  stroke_pending();
  transform_ = device_transform(mapping);
  font_current_ = false;
}

void CairoCanvas::set_pen(const Pen &pen) {
  stroke_pending();
  pen_ = pen;
}

void CairoCanvas::set_brush(const Brush &brush) { brush_ = brush; }

void CairoCanvas::set_font(const LogicalFont &font) {
  font_ = font;
  font_current_ = false;
}

void CairoCanvas::set_text_align(unsigned align) { align_ = align; }
void CairoCanvas::set_text_colour(Colour colour) { text_colour_ = colour; }

void CairoCanvas::set_raster_op(int op) {
  stroke_pending();
  raster_op_ = op;
}

void CairoCanvas::set_source(Colour c) {
  if (raster_op_ == kRopNot) {
    cairo_set_source_rgb(cr_, 1, 1, 1);
  } else {
    cairo_set_source_rgb(cr_, c.red / 255.0, c.green / 255.0, c.blue / 255.0);
  }
  cairo_set_operator(cr_, raster_op_ == kRopCopyPen ? CAIRO_OPERATOR_OVER : CAIRO_OPERATOR_DIFFERENCE);
}

// Strokes the current path with the pen, and clears it.
void CairoCanvas::stroke_with_pen() {
  if (pen_.style == kPenNull) {
    cairo_new_path(cr_);
    return;
  }
  double width = device_pen_width(pen_, transform_.scale_x);
  DashPattern dashes = dash_pattern(pen_.style, width);
  cairo_set_line_width(cr_, width);
  cairo_set_dash(cr_, dashes.lengths, static_cast<int>(dashes.count), 0);
  // A wide GDI pen has round ends and joins; a thin one ends where its last pixel ends.
  cairo_set_line_cap(cr_, width > 1 ? CAIRO_LINE_CAP_ROUND : CAIRO_LINE_CAP_BUTT);
  cairo_set_line_join(cr_, width > 1 ? CAIRO_LINE_JOIN_ROUND : CAIRO_LINE_JOIN_MITER);
  set_source(pen_.colour);
  cairo_stroke(cr_);
}

// Fills the current path with the brush and keeps it for the outline.
void CairoCanvas::fill_with_brush() {
  if (brush_.hollow) return;
  set_source(brush_.colour);
  cairo_fill_preserve(cr_);
}

void CairoCanvas::stroke_pending() {
  if (pending_.size() < 2) {
    pending_.clear();
    return;
  }
  double o = pixel_offset(device_pen_width(pen_, transform_.scale_x));
  cairo_new_path(cr_);
  cairo_move_to(cr_, pending_[0].x + o, pending_[0].y + o);
  for (size_t i = 1; i < pending_.size(); i++) cairo_line_to(cr_, pending_[i].x + o, pending_[i].y + o);
  pending_.clear();
  stroke_with_pen();
}

void CairoCanvas::move_to(LogicalPoint to) {
  stroke_pending();
  position_ = to;
}

void CairoCanvas::line_to(LogicalPoint to) {
  if (pending_.empty()) pending_.push_back(device(position_));
  pending_.push_back(device(to));
  position_ = to;
}

void CairoCanvas::polyline(const LogicalPoint *points, size_t count) {
  stroke_pending();
  if (count < 2) return;
  pending_.reserve(count);
  for (size_t i = 0; i < count; i++) pending_.push_back(device(points[i]));
  stroke_pending();   // a polyline leaves the current position where it was
}

void CairoCanvas::polygon(const LogicalPoint *points, size_t count) {
  stroke_pending();
  if (count < 2) return;
  double o = pixel_offset(device_pen_width(pen_, transform_.scale_x));
  cairo_new_path(cr_);
  for (size_t i = 0; i < count; i++) {
    LogicalPoint d = device(points[i]);
    cairo_line_to(cr_, d.x + o, d.y + o);
  }
  cairo_close_path(cr_);
  fill_with_brush();
  stroke_with_pen();
}

// GDI leaves out the right and bottom edges: the outline runs through the last pixels inside.
void CairoCanvas::rectangle(const LogicalRect &r) {
  stroke_pending();
  DeviceBox d = ordered(device({r.left, r.top}), device({r.right, r.bottom}));
  if (d.right - d.left < 2 || d.bottom - d.top < 2) return;
  double o = pixel_offset(device_pen_width(pen_, transform_.scale_x));
  cairo_new_path(cr_);
  cairo_rectangle(cr_, d.left, d.top, d.right - d.left - 1, d.bottom - d.top - 1);
  fill_with_brush();
  cairo_new_path(cr_);
  cairo_rectangle(cr_, d.left + o, d.top + o, d.right - d.left - 1, d.bottom - d.top - 1);
  stroke_with_pen();
}

void CairoCanvas::ellipse(const LogicalRect &bounds) {
  stroke_pending();
  DeviceBox d = ordered(device({bounds.left, bounds.top}), device({bounds.right, bounds.bottom}));
  double rx = (d.right - d.left - 1) / 2.0, ry = (d.bottom - d.top - 1) / 2.0;
  if (rx <= 0 || ry <= 0) return;
  cairo_new_path(cr_);
  cairo_save(cr_);
  cairo_translate(cr_, (d.left + d.right) / 2.0, (d.top + d.bottom) / 2.0);
  cairo_scale(cr_, rx, ry);
  cairo_arc(cr_, 0, 0, 1, 0, kFullCircle);
  cairo_restore(cr_);
  fill_with_brush();
  stroke_with_pen();
}

void CairoCanvas::fill_rect(const LogicalRect &r, Colour colour) {
  stroke_pending();
  DeviceBox d = ordered(device({r.left, r.top}), device({r.right, r.bottom}));
  cairo_new_path(cr_);
  cairo_rectangle(cr_, d.left, d.top, d.right - d.left, d.bottom - d.top);
  set_source(colour);
  cairo_fill(cr_);
}

void CairoCanvas::text_out(LogicalPoint at, const std::string &text) {
  stroke_pending();
  current_font();
  std::string utf8 = ansi_to_utf8(text);
  TextOffset o = text_offset(align_, cairo_font_, text_advance(cr_, utf8));
  LogicalPoint d = device(at);
  cairo_save(cr_);
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_GRAY);   // letters stay readable
  cairo_translate(cr_, d.x, d.y);
  cairo_rotate(cr_, -cairo_font_.angle);
  cairo_new_path(cr_);
  cairo_move_to(cr_, o.along, o.across);
  set_source(text_colour_);
  cairo_show_text(cr_, utf8.c_str());
  cairo_restore(cr_);
}

const CairoFont &CairoCanvas::current_font() {
  if (!font_current_) {
    cairo_font_ = cairo_font(cr_, font_, transform_.scale_y);
    font_current_ = true;
  }
  use_font(cr_, cairo_font_);
  return cairo_font_;
}

int CairoCanvas::text_descent() {
  double scale = std::fabs(transform_.scale_y);
  return scale == 0 ? 0 : static_cast<int>(std::lround(current_font().descent / scale));
}

TextSize CairoCanvas::text_extent(const std::string &text) {
  current_font();
  double scale = std::fabs(transform_.scale_y);
  if (scale == 0) return {0, 0};
  double width = text_advance(cr_, ansi_to_utf8(text));
  return {static_cast<int>(std::lround(width / scale)),
          static_cast<int>(std::lround((cairo_font_.ascent + cairo_font_.descent) / scale))};
}

// GDI clips to [left, right) x [top, bottom) in device pixels.
void CairoCanvas::intersect_clip(const LogicalRect &r) {
  stroke_pending();
  DeviceBox d = ordered(device({r.left, r.top}), device({r.right, r.bottom}));
  cairo_new_path(cr_);
  cairo_rectangle(cr_, d.left, d.top, d.right - d.left, d.bottom - d.top);
  cairo_clip(cr_);
}

void CairoCanvas::reset_clip() {
  stroke_pending();
  cairo_reset_clip(cr_);
}
