// Trace symbols drawn through the canvas, from the shapes of symbols.h.
#pragma once

#include "../canvas/canvas.h"

// Draws symbol `index` centred at `at` with half-size r: the pen is left to the caller; the
// brush is set per shape (the colour for filled shapes, hollow otherwise).
void draw_symbol(Canvas &canvas, int index, LogicalPoint at, int r, Colour colour);
