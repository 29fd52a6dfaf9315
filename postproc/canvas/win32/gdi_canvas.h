// The graph's canvas over a Windows device context: the screen, a printer page and a
// metafile alike.
#pragma once

#include <windows.h>

#include "../canvas.h"

class GdiCanvas : public Canvas {
 public:
  // Draws on `dc`, which stays the caller's. The pen, brush and font this canvas creates are
  // its own: on destruction it selects the DC's originals back and deletes its own.
  explicit GdiCanvas(HDC dc);
  ~GdiCanvas() override;
  GdiCanvas(const GdiCanvas &) = delete;
  GdiCanvas &operator=(const GdiCanvas &) = delete;

  void set_mapping(const Mapping &mapping) override;
  DeviceTransform placement(const Mapping &mapping) override;
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
  void select(HGDIOBJ object, HGDIOBJ *original, int stock);

  HDC dc_;
  bool metafile_;
  HGDIOBJ original_pen_ = nullptr, original_brush_ = nullptr, original_font_ = nullptr;
  HPEN pen_ = nullptr;       // created here; none while a stock object is selected
  HBRUSH brush_ = nullptr;
  HFONT font_ = nullptr;
  HGDIOBJ current_brush_ = nullptr;   // what fill_rect has to put back
  bool pen_set_ = false;
  Pen last_pen_{};
};

COLORREF colour_ref(Colour colour);
