// Symbol shapes replayed on a canvas.
#include "trace_symbols.h"

#include "symbols.h"

void draw_symbol(Canvas &canvas, int index, LogicalPoint at, int r, Colour colour) {
  SymbolShape shapes[kMaxSymbolShapes];
  int count = symbol_shapes(index, at.x, at.y, r, shapes);
  for (int i = 0; i < count; i++) {
    const SymbolShape &s = shapes[i];
    switch (s.kind) {
      case kShapeEllipse:
        canvas.set_brush({!s.filled, colour});
        canvas.ellipse({s.points[0].x, s.points[0].y, s.points[1].x, s.points[1].y});
        break;
      case kShapeRectangle:
        canvas.set_brush({!s.filled, colour});
        canvas.rectangle({s.points[0].x, s.points[0].y, s.points[1].x, s.points[1].y});
        break;
      case kShapePolygon:
        canvas.set_brush({!s.filled, colour});
        canvas.polygon(s.points, s.point_count);
        break;
      case kShapePolyline:
        canvas.polyline(s.points, s.point_count);
        break;
      case kShapeLine:
        canvas.move_to(s.points[0]);
        canvas.line_to(s.points[1]);
        break;
    }
  }
}
