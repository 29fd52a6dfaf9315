// The drawing surface that the graph's layout and paint draw through.
//
// Layout and paint compute every coordinate themselves and only replay drawing operations
// here, so one graph draws the same on the screen, a printer page, a metafile, the recording
// canvas of the tests and the files of `ulmocli render`. The operations are those of the
// Windows graphics interface the graph was designed on, with their values: an
// implementation over that interface passes them through unchanged, others imitate them.
//
// Coordinates are logical units of the current mapping. A canvas owns nothing of the caller;
// the pen, brush and font set last stay in force until the next set.
#pragma once

#include <cstddef>
#include <string>

#include "../base/logical_font.h"
#include "geometry.h"

// Pen styles, numbered as trace line styles and grid styles are (5 draws nothing).
enum PenStyle { kPenSolid = 0, kPenDash = 1, kPenDot = 2, kPenDashDot = 3, kPenDashDotDot = 4, kPenNull = 5 };

struct Pen {
  int style;      // PenStyle
  int width;      // logical units; 0 is one device pixel whatever the mapping
  Colour colour;
};

struct Brush {
  bool hollow;    // the stock null brush: outlines only
  Colour colour;
};

// Text alignment flags, combined as the platform combines them: one horizontal and one
// vertical reference of the point given to text_out.
enum TextAlign : unsigned {
  kAlignLeft = 0, kAlignRight = 2, kAlignCenter = 6,
  kAlignTop = 0, kAlignBottom = 8, kAlignBaseline = 24,
};

// Binary raster operations (the cursors draw with kRopXorPen so that a second draw erases).
enum RasterOp { kRopCopyPen = 13, kRopXorPen = 7, kRopNot = 6 };

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void set_mapping(const Mapping &mapping) = 0;
  // Where points land under `mapping`, once set. A device may fit an isotropic mapping its
  // own way (the platform rounds the shrunk viewport extent to whole units after weighing the
  // device's aspect), and trace reduction is exact only with the device's own placement.
  virtual DeviceTransform placement(const Mapping &mapping) { return device_transform(mapping); }
  virtual void set_pen(const Pen &pen) = 0;
  virtual void set_brush(const Brush &brush) = 0;
  virtual void set_font(const LogicalFont &font) = 0;
  virtual void set_text_align(unsigned align) = 0;   // TextAlign flags
  virtual void set_text_colour(Colour colour) = 0;
  virtual void set_raster_op(int op) = 0;            // RasterOp

  virtual void move_to(LogicalPoint to) = 0;
  virtual void line_to(LogicalPoint to) = 0;         // from the current position; moves it
  virtual void polyline(const LogicalPoint *points, size_t count) = 0;
  virtual void polygon(const LogicalPoint *points, size_t count) = 0;   // closed, filled
  virtual void rectangle(const LogicalRect &rect) = 0;   // outline with the pen, filled
  virtual void ellipse(const LogicalRect &bounds) = 0;
  virtual void fill_rect(const LogicalRect &rect, Colour colour) = 0;   // no outline
  virtual void text_out(LogicalPoint at, const std::string &text) = 0;

  // The size of `text` in the current font, in logical units. A surface that cannot measure
  // (a metafile) answers {0, 0}; layout then keeps the sizes of the last measured paint.
  virtual TextSize text_extent(const std::string &text) = 0;
  // The current font's descent, which insets a bordered legend label. A surface without font
  // metrics takes a fifth of the line height, about what the shipped faces have.
  virtual int text_descent() { return text_extent("X").height / 5; }
  // Narrows the clip region to the inside of `rect`; reset_clip lifts every narrowing.
  virtual void intersect_clip(const LogicalRect &rect) = 0;
  virtual void reset_clip() = 0;
};
