// Inverted outlines and handles.
#include "overlay.h"

#include "../drag.h"

void invert_outline(HDC dc, const RECT &r) {
  int saved = SaveDC(dc);
  SetROP2(dc, R2_NOTXORPEN);
  SelectObject(dc, GetStockObject(BLACK_PEN));
  SelectObject(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, r.left, r.top, r.right, r.bottom);
  RestoreDC(dc, saved);
}

void invert_handles(HDC dc, const RECT &r, int size) {
  SelectionHandles h = selection_handles({r.left, r.top, r.right, r.bottom}, size);
  int saved = SaveDC(dc);
  SetROP2(dc, R2_NOTXORPEN);
  HPEN dashed = CreatePen(PS_DOT, 0, RGB(0, 0, 0));
  SelectObject(dc, dashed ? dashed : GetStockObject(BLACK_PEN));
  SelectObject(dc, GetStockObject(BLACK_BRUSH));
  for (const LogicalRect &q : h.handles) Rectangle(dc, q.left, q.top, q.right, q.bottom);
  RestoreDC(dc, saved);
  if (dashed) DeleteObject(dashed);
}

HDC overlay_dc(HWND window) { return GetDCEx(window, nullptr, DCX_CACHE); }
