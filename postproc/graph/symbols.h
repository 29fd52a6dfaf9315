// The twelve trace symbols as geometry: what the canvas draws for a symbol centred at (x, y)
// with half-size r. The same shapes mark trace points and the sample in a legend label.
#pragma once

#include "../canvas/geometry.h"

enum SymbolShapeKind {
  kShapeEllipse,     // bounding box points[0] - points[1]
  kShapeRectangle,   // corners points[0] - points[1]
  kShapePolyline,    // open outline through the points
  kShapePolygon,     // closed, filled
  kShapeLine,        // points[0] -> points[1]
};

struct SymbolShape {
  SymbolShapeKind kind;
  bool filled;             // the trace-coloured brush; otherwise the null brush
  int point_count;
  LogicalPoint points[5];
};

const int kMaxSymbolShapes = 4;

// Fills `shapes` with the shapes of symbol `index` in drawing order; returns their number,
// 0 for an index outside 0..11.
int symbol_shapes(int index, int x, int y, int r, SymbolShape shapes[kMaxSymbolShapes]);
