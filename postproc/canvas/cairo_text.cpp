#include "cairo_text.h"

#include <cmath>
#include <cstring>

namespace {

const double kDefaultHeight = 12;   // device pixels, for a height of 0 ("any size")
const double kPi = 3.14159265358979323846;

}  // namespace

void use_linear_metrics(cairo_t *cr) {
  cairo_font_options_t *options = cairo_font_options_create();
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_set_font_options(cr, options);
  cairo_font_options_destroy(options);
}

CairoFont cairo_font(cairo_t *cr, const LogicalFont &font, double scale) {
  CairoFont f;
  f.family.assign(font.face_name, strnlen(font.face_name, kFaceNameSize));
  if (f.family.empty()) f.family = "Arial";
  f.bold = font.weight >= 600;
  f.italic = font.italic != 0;
  f.angle = font.escapement / 10.0 * kPi / 180.0;
  f.size = 1;
  use_font(cr, f);
  cairo_font_extents_t unit;
  cairo_font_extents(cr, &unit);
  double cell = unit.ascent + unit.descent;
  double height = std::fabs(font.height * scale);
  if (font.height == 0) height = kDefaultHeight;
  f.size = font.height > 0 && cell > 0 ? height / cell : height;
  f.ascent = unit.ascent * f.size;
  f.descent = unit.descent * f.size;
  return f;
}

void use_font(cairo_t *cr, const CairoFont &f) {
  cairo_select_font_face(cr, f.family.c_str(), f.italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                         f.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, f.size);
}

double text_advance(cairo_t *cr, const std::string &utf8) {
  cairo_text_extents_t extents;
  cairo_text_extents(cr, utf8.c_str(), &extents);
  return extents.x_advance;
}

TextOffset text_offset(unsigned align, const CairoFont &font, double advance) {
  TextOffset o{0, 0};
  unsigned horizontal = align & kAlignCenter;
  if (horizontal == kAlignCenter)
    o.along = -advance / 2;
  else if (horizontal == kAlignRight)
    o.along = -advance;
  unsigned vertical = align & kAlignBaseline;
  if (vertical == kAlignTop)
    o.across = font.ascent;
  else if (vertical == kAlignBottom)
    o.across = -font.descent;
  return o;
}
