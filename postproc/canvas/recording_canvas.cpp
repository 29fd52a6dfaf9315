// The display list.
#include "recording_canvas.h"

#include <cstdlib>

DrawRecord &RecordingCanvas::add(DrawOp op) {
  records_.push_back(state_);
  DrawRecord &record = records_.back();
  record.op = op;
  return record;
}

void RecordingCanvas::set_mapping(const Mapping &mapping) {
  state_.mapping = mapping;
  add(DrawOp::kSetMapping);
}

void RecordingCanvas::set_pen(const Pen &pen) {
  state_.pen = pen;
  add(DrawOp::kSetPen);
}

void RecordingCanvas::set_brush(const Brush &brush) {
  state_.brush = brush;
  add(DrawOp::kSetBrush);
}

void RecordingCanvas::set_font(const LogicalFont &font) {
  state_.font = font;
  add(DrawOp::kSetFont);
}

void RecordingCanvas::set_text_align(unsigned align) {
  state_.align = align;
  add(DrawOp::kSetTextAlign);
}

void RecordingCanvas::set_text_colour(Colour colour) {
  state_.text_colour = colour;
  add(DrawOp::kSetTextColour);
}

void RecordingCanvas::set_raster_op(int op) {
  state_.raster_op = op;
  add(DrawOp::kSetRasterOp);
}

void RecordingCanvas::move_to(LogicalPoint to) { add(DrawOp::kMoveTo).points = {to}; }

void RecordingCanvas::line_to(LogicalPoint to) { add(DrawOp::kLineTo).points = {to}; }

void RecordingCanvas::polyline(const LogicalPoint *points, size_t count) {
  add(DrawOp::kPolyline).points.assign(points, points + count);
}

void RecordingCanvas::polygon(const LogicalPoint *points, size_t count) {
  add(DrawOp::kPolygon).points.assign(points, points + count);
}

void RecordingCanvas::rectangle(const LogicalRect &rect) { add(DrawOp::kRectangle).rect = rect; }

void RecordingCanvas::ellipse(const LogicalRect &bounds) { add(DrawOp::kEllipse).rect = bounds; }

void RecordingCanvas::fill_rect(const LogicalRect &rect, Colour colour) {
  DrawRecord &record = add(DrawOp::kFillRect);
  record.rect = rect;
  record.colour = colour;
}

void RecordingCanvas::text_out(LogicalPoint at, const std::string &text) {
  DrawRecord &record = add(DrawOp::kTextOut);
  record.points = {at};
  record.text = text;
}

TextSize RecordingCanvas::text_extent(const std::string &text) {
  add(DrawOp::kTextExtent).text = text;
  if (!measures_) return {0, 0};
  int height = std::abs(state_.font.height);
  return {static_cast<int>(6LL * height * static_cast<long long>(text.size()) / 10), height};
}

int RecordingCanvas::text_descent() { return measures_ ? std::abs(state_.font.height) / 5 : 0; }

void RecordingCanvas::intersect_clip(const LogicalRect &rect) {
  add(DrawOp::kIntersectClip).rect = rect;
}

void RecordingCanvas::reset_clip() { add(DrawOp::kResetClip); }
