// The SVG writer. It maps to whole device units as GDI does and draws one-pixel lines through
// pixel centres with butt caps and crisp edges, so an outside renderer gives the pixels of the
// screen; texts are placed with cairo's metrics of the same face (the baseline from the
// alignment flags computed here, the horizontal anchor left to the renderer), so they stay
// where the layout measured them. Consecutive line_to calls become one path element.
#include "svg_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "strokes.h"
#include "../base/text.h"
#include "text_encoding.h"

namespace {

// A device coordinate: whole numbers as such, fractions with at most three decimals.
std::string number(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.3f", value);
  std::string text = buffer;
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') text.pop_back();
  return text == "-0" ? "0" : text;
}

std::string colour_text(Colour c) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", c.red, c.green, c.blue);
  return buffer;
}

struct DeviceBox {
  int left, top, right, bottom;
};
DeviceBox ordered(LogicalPoint a, LogicalPoint b) {
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

}  // namespace

SvgCanvas::SvgCanvas(int width, int height)
    : width_(width), height_(height),
      measure_surface_(cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1)),
      measure_(cairo_create(measure_surface_)) {
  use_linear_metrics(measure_);
  std::snprintf(font_.face_name, sizeof font_.face_name, "%s", "Arial");
  body_ = "<rect width=\"" + number(width) + "\" height=\"" + number(height) + "\" fill=\"#ffffff\"/>\n";
}

SvgCanvas::~SvgCanvas() {
  cairo_destroy(measure_);
  cairo_surface_destroy(measure_surface_);
}

std::string SvgCanvas::document() {
  write_pending();
  std::string w = number(width_), h = number(height_);
  std::string doc = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                    "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + w +
                    "\" height=\"" + h + "\" viewBox=\"0 0 " + w + " " + h +
                    "\" shape-rendering=\"crispEdges\" xml:space=\"preserve\">\n";
  doc += body_;
  for (int i = 0; i < open_groups_; i++) doc += "</g>\n";
  doc += "</svg>\n";
  return doc;
}

void SvgCanvas::set_mapping(const Mapping &mapping) {
  write_pending();
  transform_ = device_transform(mapping);
  font_current_ = false;
}

void SvgCanvas::set_pen(const Pen &pen) {
  write_pending();
  pen_ = pen;
}

void SvgCanvas::set_brush(const Brush &brush) { brush_ = brush; }

void SvgCanvas::set_font(const LogicalFont &font) {
  font_ = font;
  font_current_ = false;
}

void SvgCanvas::set_text_align(unsigned align) { align_ = align; }
void SvgCanvas::set_text_colour(Colour colour) { text_colour_ = colour; }

void SvgCanvas::set_raster_op(int op) {
  write_pending();
  raster_op_ = op;
}

// XOR and NOT have no SVG equivalent; the difference blend gives both for black and white.
std::string SvgCanvas::blend_attribute() const {
  return raster_op_ == kRopCopyPen ? "" : " style=\"mix-blend-mode:difference\"";
}

std::string SvgCanvas::fill_attribute(Colour colour) const {
  return " fill=\"" + colour_text(raster_op_ == kRopNot ? Colour{255, 255, 255} : colour) + "\"";
}

std::string SvgCanvas::stroke_attributes() const {
  if (pen_.style == kPenNull) return " stroke=\"none\"";
  double width = device_pen_width(pen_, transform_.scale_x);
  Colour colour = raster_op_ == kRopNot ? Colour{255, 255, 255} : pen_.colour;
  std::string s = " stroke=\"" + colour_text(colour) + "\" stroke-width=\"" + number(width) + "\"";
  s += width > 1 ? " stroke-linecap=\"round\" stroke-linejoin=\"round\"" : " stroke-linecap=\"butt\" stroke-linejoin=\"miter\"";
  DashPattern dashes = dash_pattern(pen_.style, width);
  if (dashes.count) {
    s += " stroke-dasharray=\"";
    for (size_t i = 0; i < dashes.count; i++) s += (i ? " " : "") + number(dashes.lengths[i]);
    s += "\"";
  }
  return s;
}

void SvgCanvas::write_path(const std::vector<LogicalPoint> &points, bool closed, bool filled) {
  double o = pixel_offset(device_pen_width(pen_, transform_.scale_x));
  std::string d;
  d.reserve(points.size() * 12);
  for (size_t i = 0; i < points.size(); i++) {
    d += i ? 'L' : 'M';
    d += number(points[i].x + o);
    d += ' ';
    d += number(points[i].y + o);
  }
  if (closed) d += 'Z';
  body_ += "<path d=\"" + d + "\"";
  body_ += filled ? fill_attribute(brush_.colour) + " fill-rule=\"evenodd\"" : std::string(" fill=\"none\"");
  body_ += stroke_attributes() + blend_attribute() + "/>\n";
}

void SvgCanvas::write_pending() {
  if (pending_.size() >= 2 && pen_.style != kPenNull) write_path(pending_, false, false);
  pending_.clear();
}

void SvgCanvas::move_to(LogicalPoint to) {
  write_pending();
  position_ = to;
}

void SvgCanvas::line_to(LogicalPoint to) {
  if (pending_.empty()) pending_.push_back(device(position_));
  pending_.push_back(device(to));
  position_ = to;
}

void SvgCanvas::polyline(const LogicalPoint *points, size_t count) {
  write_pending();
  if (count < 2) return;
  for (size_t i = 0; i < count; i++) pending_.push_back(device(points[i]));
  write_pending();
}

void SvgCanvas::polygon(const LogicalPoint *points, size_t count) {
  write_pending();
  if (count < 2) return;
  std::vector<LogicalPoint> corners(count);
  for (size_t i = 0; i < count; i++) corners[i] = device(points[i]);
  write_path(corners, true, !brush_.hollow);
}

// GDI leaves out the right and bottom edges: the outline runs through the last pixels inside.
void SvgCanvas::rectangle(const LogicalRect &r) {
  write_pending();
  DeviceBox d = ordered(device({r.left, r.top}), device({r.right, r.bottom}));
  if (d.right - d.left < 2 || d.bottom - d.top < 2) return;
  std::string size = " width=\"" + number(d.right - d.left - 1) + "\" height=\"" + number(d.bottom - d.top - 1) + "\"";
  if (!brush_.hollow)
    body_ += "<rect x=\"" + number(d.left) + "\" y=\"" + number(d.top) + "\"" + size +
             fill_attribute(brush_.colour) + blend_attribute() + "/>\n";
  if (pen_.style == kPenNull) return;
  double o = pixel_offset(device_pen_width(pen_, transform_.scale_x));
  body_ += "<rect x=\"" + number(d.left + o) + "\" y=\"" + number(d.top + o) + "\"" + size +
           " fill=\"none\"" + stroke_attributes() + blend_attribute() + "/>\n";
}

void SvgCanvas::ellipse(const LogicalRect &bounds) {
  write_pending();
  DeviceBox d = ordered(device({bounds.left, bounds.top}), device({bounds.right, bounds.bottom}));
  double rx = (d.right - d.left - 1) / 2.0, ry = (d.bottom - d.top - 1) / 2.0;
  if (rx <= 0 || ry <= 0) return;
  body_ += "<ellipse cx=\"" + number((d.left + d.right) / 2.0) + "\" cy=\"" + number((d.top + d.bottom) / 2.0) +
           "\" rx=\"" + number(rx) + "\" ry=\"" + number(ry) + "\"" +
           (brush_.hollow ? std::string(" fill=\"none\"") : fill_attribute(brush_.colour)) +
           stroke_attributes() + blend_attribute() + "/>\n";
}

void SvgCanvas::fill_rect(const LogicalRect &r, Colour colour) {
  write_pending();
  DeviceBox d = ordered(device({r.left, r.top}), device({r.right, r.bottom}));
  if (d.right == d.left || d.bottom == d.top) return;
  body_ += "<rect x=\"" + number(d.left) + "\" y=\"" + number(d.top) + "\" width=\"" + number(d.right - d.left) +
           "\" height=\"" + number(d.bottom - d.top) + "\"" + fill_attribute(colour) + blend_attribute() + "/>\n";
}

const CairoFont &SvgCanvas::current_font() {
  if (!font_current_) {
    cairo_font_ = cairo_font(measure_, font_, transform_.scale_y);
    font_current_ = true;
  }
  use_font(measure_, cairo_font_);
  return cairo_font_;
}

void SvgCanvas::text_out(LogicalPoint at, const std::string &text) {
  write_pending();
  const CairoFont &font = current_font();
  std::string utf8 = ansi_to_utf8(text);
  // The renderer anchors horizontally itself; the baseline comes from the metrics here.
  TextOffset o = text_offset(align_ & ~static_cast<unsigned>(kAlignCenter), font, 0);
  unsigned horizontal = align_ & kAlignCenter;
  const char *anchor = horizontal == kAlignCenter ? "middle" : horizontal == kAlignRight ? "end" : "start";
  LogicalPoint d = device(at);
  std::string element = "<text";
  if (font.angle != 0) {
    element += " transform=\"translate(" + number(d.x) + " " + number(d.y) + ") rotate(" +
               number(-font.angle * 180 / 3.14159265358979323846) + ")\" x=\"0\" y=\"" + number(o.across) + "\"";
  } else {
    element += " x=\"" + number(d.x) + "\" y=\"" + number(d.y + o.across) + "\"";
  }
  element += " font-family=\"" + xml_escape(font.family) + "\" font-size=\"" + number(font.size) + "\"";
  if (font.bold) element += " font-weight=\"bold\"";
  if (font.italic) element += " font-style=\"italic\"";
  element += " text-anchor=\"" + std::string(anchor) + "\"";
  element += fill_attribute(text_colour_) + blend_attribute() + ">" + xml_escape(utf8) + "</text>\n";
  body_ += element;
}

int SvgCanvas::text_descent() {
  double scale = std::fabs(transform_.scale_y);
  return scale == 0 ? 0 : static_cast<int>(std::lround(current_font().descent / scale));
}

TextSize SvgCanvas::text_extent(const std::string &text) {
  const CairoFont &font = current_font();
  double scale = std::fabs(transform_.scale_y);
  if (scale == 0) return {0, 0};
  double width = text_advance(measure_, ansi_to_utf8(text));
  return {static_cast<int>(std::lround(width / scale)),
          static_cast<int>(std::lround((font.ascent + font.descent) / scale))};
}

// Nested groups intersect their clip paths; reset closes them all.
void SvgCanvas::intersect_clip(const LogicalRect &r) {
  write_pending();
  DeviceBox d = ordered(device({r.left, r.top}), device({r.right, r.bottom}));
  std::string id = "clip" + std::to_string(++clip_count_);
  body_ += "<clipPath id=\"" + id + "\"><rect x=\"" + number(d.left) + "\" y=\"" + number(d.top) +
           "\" width=\"" + number(d.right - d.left) + "\" height=\"" + number(d.bottom - d.top) +
           "\"/></clipPath>\n<g clip-path=\"url(#" + id + ")\">\n";
  open_groups_++;
}

void SvgCanvas::reset_clip() {
  write_pending();
  for (; open_groups_ > 0; open_groups_--) body_ += "</g>\n";
}
