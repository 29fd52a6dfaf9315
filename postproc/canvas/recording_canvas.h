// The display list: a canvas that records every call, in order, as one plain record.
//
// Text is measured by a fixed rule so that tests can predict every size: a text is
// 6/10 of the font height wide per character (integer division of the product) and as
// high as the font; the descent is a fifth of the height. The height is |font.height|.
// A recording canvas made as not measuring answers {0, 0}, as a metafile does.
#pragma once

#include <string>
#include <vector>

#include "canvas.h"

enum class DrawOp {
  kSetMapping, kSetPen, kSetBrush, kSetFont, kSetTextAlign, kSetTextColour, kSetRasterOp,
  kMoveTo, kLineTo, kPolyline, kPolygon, kRectangle, kEllipse, kFillRect, kTextOut,
  kTextExtent, kIntersectClip, kResetClip,
};

// One call. `points`, `rect` and `text` hold the call's arguments (fill_rect's colour is in
// `colour`); the state fields hold what was in force when the call was made, so a set call
// shows the state it set.
struct DrawRecord {
  DrawOp op;
  std::vector<LogicalPoint> points;
  LogicalRect rect;
  std::string text;
  Colour colour;
  Mapping mapping;
  Pen pen;
  Brush brush;
  LogicalFont font;
  unsigned align;
  Colour text_colour;
  int raster_op;
};

class RecordingCanvas : public Canvas {
 public:
  explicit RecordingCanvas(bool measures = true) : measures_(measures) {}

  const std::vector<DrawRecord> &records() const { return records_; }
  void clear() { records_.clear(); }

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
  DrawRecord &add(DrawOp op);

  bool measures_;
  DrawRecord state_{};
  std::vector<DrawRecord> records_;
};
