// Outlines and selection handles drawn with the inverting raster operation, so that drawing
// the same again restores what was underneath.
#pragma once

#include <windows.h>

// The outline of `r` (device pixels) with R2_NOTXORPEN.
void invert_outline(HDC dc, const RECT &r);
// The eight handles of `r`, black squares with a dashed outline, inverted.
void invert_handles(HDC dc, const RECT &r, int size);
// A DC of `window` that draws over its children too, for outlines dragged across them.
HDC overlay_dc(HWND window);
