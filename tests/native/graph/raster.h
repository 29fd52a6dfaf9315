// A tiny rasteriser for comparing drawings pixel by pixel: one-pixel lines that leave out
// their end pixel, as the platform's do.
#pragma once

#include <set>
#include <utility>
#include <vector>

#include "canvas/recording_canvas.h"

using Pixels = std::set<std::pair<int, int>>;

// Bresenham from a to b (device pixels), without b.
void rasterise_line(LogicalPoint a, LogicalPoint b, Pixels &pixels);
// A polyline of logical points under `device`.
Pixels rasterise(const std::vector<LogicalPoint> &points, const DeviceTransform &device);
// The lines of a display list: move_to, line_to and polyline records.
Pixels rasterise_lines(const std::vector<DrawRecord> &records, const DeviceTransform &device);
// Pixels in one set and not the other, both ways.
size_t differing_pixels(const Pixels &a, const Pixels &b);
