// The graph's fonts through cairo: a LogicalFont resolved by family name through fontconfig
// (so "Arial" and "Times New Roman" become the metric-compatible Liberation faces), sized in
// device units, and text placed by GDI's alignment rules. Both the cairo canvas and the SVG
// writer measure with this, so layout measures what a renderer draws.
#pragma once

#include <cairo.h>

#include <string>

#include "canvas.h"

struct CairoFont {
  std::string family;
  bool bold, italic;
  double size;              // em size, device units
  double angle;             // radians, counter-clockwise on the screen
  double ascent, descent;   // device units
};

// The font as it appears at `scale` device units per logical unit. A negative height is the
// character height (em), a positive one the cell height (ascent + descent), as in GDI.
CairoFont cairo_font(cairo_t *cr, const LogicalFont &font, double scale);
void use_font(cairo_t *cr, const CairoFont &font);
// The advance of `utf8` in device units; `cr` must have the font in use.
double text_advance(cairo_t *cr, const std::string &utf8);

// Where the baseline's start lies from the point given to text_out, in the text's own
// direction (along the baseline, then downwards across it), for TextAlign flags.
struct TextOffset {
  double along, across;
};
TextOffset text_offset(unsigned align, const CairoFont &font, double advance);

// Font options every native surface shares: unhinted metrics, so that sizes scale linearly
// and the SVG, PNG and PDF outputs measure alike.
void use_linear_metrics(cairo_t *cr);
