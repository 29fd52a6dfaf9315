// Symbol geometry. Lines end one unit beyond the corner because the platform leaves a line's
// last pixel out; the "+ 1" makes that pixel part of the symbol.
#include "symbols.h"

namespace {

SymbolShape ellipse(int x, int y, int r, bool filled) {
  return {kShapeEllipse, filled, 2, {{x - r, y - r}, {x + r, y + r}}};
}

SymbolShape square_outline(int x, int y, int r) {
  return {kShapePolyline, false, 5,
          {{x - r, y + r}, {x + r, y + r}, {x + r, y - r}, {x - r, y - r}, {x - r, y + r}}};
}

SymbolShape triangle(int x, int y, int r, bool filled) {
  if (filled) return {kShapePolygon, true, 3, {{x - r, y + r}, {x, y - r}, {x + r, y + r}}};
  return {kShapePolyline, false, 4, {{x - r, y + r}, {x, y - r}, {x + r, y + r}, {x - r, y + r}}};
}

SymbolShape diamond(int x, int y, int r, bool filled) {
  if (filled) return {kShapePolygon, true, 4, {{x, y + r}, {x - r, y}, {x, y - r}, {x + r, y}}};
  return {kShapePolyline, false, 5, {{x, y + r}, {x - r, y}, {x, y - r}, {x + r, y}, {x, y + r}}};
}

SymbolShape line(int x0, int y0, int x1, int y1) {
  return {kShapeLine, false, 2, {{x0, y0}, {x1, y1}}};
}

int diagonal_cross(int x, int y, int r, SymbolShape *out) {
  out[0] = line(x - r, y + r, x + r + 1, y - r - 1);
  out[1] = line(x - r, y - r, x + r + 1, y + r + 1);
  return 2;
}

int upright_cross(int x, int y, int r, SymbolShape *out) {
  out[0] = line(x, y - r, x, y + r + 1);
  out[1] = line(x - r, y, x + r + 1, y);
  return 2;
}

}  // namespace

int symbol_shapes(int index, int x, int y, int r, SymbolShape shapes[kMaxSymbolShapes]) {
  switch (index) {
    case 0: shapes[0] = ellipse(x, y, r, true); return 1;
    case 1: shapes[0] = ellipse(x, y, r, false); return 1;
    case 2: shapes[0] = {kShapeRectangle, true, 2, {{x - r, y - r}, {x + r, y + r}}}; return 1;
    case 3: shapes[0] = square_outline(x, y, r); return 1;
    case 4: shapes[0] = triangle(x, y, r, true); return 1;
    case 5: shapes[0] = triangle(x, y, r, false); return 1;
    case 6: shapes[0] = diamond(x, y, r, true); return 1;
    case 7: shapes[0] = diamond(x, y, r, false); return 1;
    case 8: return diagonal_cross(x, y, r, shapes);
    case 9: {
      int n = diagonal_cross(x, y, r, shapes);
      shapes[n] = square_outline(x, y, r);
      return n + 1;
    }
    case 10: return upright_cross(x, y, r, shapes);
    case 11: {
      int n = upright_cross(x, y, r, shapes);
      return n + diagonal_cross(x, y, r, shapes + n);
    }
    default: return 0;
  }
}
