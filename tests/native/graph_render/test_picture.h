// One small picture drawn through any canvas and the pixels it must give: a frame, a
// horizontal line in a palette colour, a grey strip and a clipped line, under an isotropic
// mapping that halves the logical space. The cairo image and the SVG rendered by an outside
// renderer are both held to it.
#pragma once

#include <cairo.h>

#include "canvas/canvas.h"

const int kPictureSize = 100;   // device pixels, square
void draw_test_picture(Canvas &canvas);
// Checks the pixels of `image` (kPictureSize square) with GoogleTest expectations.
void expect_test_picture(cairo_surface_t *image);
