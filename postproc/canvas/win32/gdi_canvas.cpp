// The canvas over a device context. Every operation passes the graph's values through to GDI
// unchanged (pen styles, alignment flags and raster operations are numbered as GDI numbers
// them), so the screen, a printer and a metafile draw exactly what the layout computed.
//
// A metafile DC differs in three ways: it cannot measure text (text_extent answers {0, 0}),
// its viewport belongs to whoever plays it (set_mapping records only the window), and its
// 16-bit records cannot hold an unbounded polyline (long ones are recorded in pieces).
#include "gdi_canvas.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "../../base/win32/logical_font.h"

static_assert(kPenSolid == PS_SOLID && kPenDash == PS_DASH && kPenDot == PS_DOT && kPenDashDot == PS_DASHDOT &&
                  kPenDashDotDot == PS_DASHDOTDOT && kPenNull == PS_NULL,
              "pen styles are GDI's");
static_assert(kAlignLeft == TA_LEFT && kAlignRight == TA_RIGHT && kAlignCenter == TA_CENTER && kAlignTop == TA_TOP &&
                  kAlignBottom == TA_BOTTOM && kAlignBaseline == TA_BASELINE,
              "text alignment flags are GDI's");
static_assert(kRopCopyPen == R2_COPYPEN && kRopXorPen == R2_XORPEN && kRopNot == R2_NOT, "raster operations are GDI's");

namespace {

// Points per metafile polyline record; the record counts points in 16 bits. Pieces share
// their end points, so a solid cosmetic pen draws the same pixels as one polyline.
const size_t kMetafilePolylinePoints = 16384;

bool same_pen(const Pen &a, const Pen &b) {
  return a.style == b.style && a.width == b.width && a.colour.red == b.colour.red &&
         a.colour.green == b.colour.green && a.colour.blue == b.colour.blue;
}

}  // namespace

COLORREF colour_ref(Colour c) { return RGB(c.red, c.green, c.blue); }

GdiCanvas::GdiCanvas(HDC dc) : dc_(dc), metafile_(GetDeviceCaps(dc, TECHNOLOGY) == DT_METAFILE) {}

GdiCanvas::~GdiCanvas() {
  if (original_pen_) SelectObject(dc_, original_pen_);
  if (original_brush_) SelectObject(dc_, original_brush_);
  if (original_font_) SelectObject(dc_, original_font_);
  if (pen_) DeleteObject(pen_);
  if (brush_) DeleteObject(brush_);
  if (font_) DeleteObject(font_);
}

// Selects `object` and remembers what the DC held before the canvas first changed it. A
// metafile DC cannot say what it held; the stock object of a fresh DC stands in.
void GdiCanvas::select(HGDIOBJ object, HGDIOBJ *original, int stock) {
  HGDIOBJ previous = SelectObject(dc_, object);
  if (!*original) *original = previous && GetObjectType(previous) != 0 ? previous : GetStockObject(stock);
}

void GdiCanvas::set_mapping(const Mapping &m) {
  if (!metafile_) SetMapMode(dc_, MM_ISOTROPIC);
  SetWindowOrgEx(dc_, m.window_origin.x, m.window_origin.y, nullptr);
  SetWindowExtEx(dc_, m.window_extent.width, m.window_extent.height, nullptr);
  if (metafile_) return;
  SetViewportOrgEx(dc_, m.viewport_origin.x, m.viewport_origin.y, nullptr);
  SetViewportExtEx(dc_, m.viewport_extent.width, m.viewport_extent.height, nullptr);
}

DeviceTransform GdiCanvas::placement(const Mapping &m) {
  if (metafile_) return device_transform(m);   // placed by whoever plays it
  POINT window_origin, viewport_origin;
  SIZE window_extent, viewport_extent;
  if (!GetWindowOrgEx(dc_, &window_origin) || !GetWindowExtEx(dc_, &window_extent) ||
      !GetViewportOrgEx(dc_, &viewport_origin) || !GetViewportExtEx(dc_, &viewport_extent) ||
      window_extent.cx == 0 || window_extent.cy == 0)
    return device_transform(m);
  // The DC's own arithmetic: extents' ratio per direction and origin offsets, kept in single
  // precision as the platform's transform is, which moves a point that falls exactly on a
  // pixel's half to one side.
  double sx = static_cast<double>(viewport_extent.cx) / window_extent.cx;
  double sy = static_cast<double>(viewport_extent.cy) / window_extent.cy;
  DeviceTransform t;
  t.scale_x = static_cast<float>(sx);
  t.scale_y = static_cast<float>(sy);
  t.offset_x = static_cast<float>(viewport_origin.x - sx * window_origin.x);
  t.offset_y = static_cast<float>(viewport_origin.y - sy * window_origin.y);
  return t;
}

void GdiCanvas::set_pen(const Pen &pen) {
  if (pen_set_ && same_pen(pen, last_pen_)) return;
  HPEN created = CreatePen(pen.style, pen.width, colour_ref(pen.colour));
  if (!created) return;   // out of GDI objects: keep drawing with the pen in force
  select(created, &original_pen_, BLACK_PEN);
  if (pen_) DeleteObject(pen_);
  pen_ = created;
  pen_set_ = true;
  last_pen_ = pen;
}

void GdiCanvas::set_brush(const Brush &brush) {
  HBRUSH created = nullptr;
  HGDIOBJ object = GetStockObject(NULL_BRUSH);
  if (!brush.hollow) {
    created = CreateSolidBrush(colour_ref(brush.colour));
    if (!created) return;
    object = created;
  }
  select(object, &original_brush_, WHITE_BRUSH);
  if (brush_) DeleteObject(brush_);
  brush_ = created;
  current_brush_ = object;
}

void GdiCanvas::set_font(const LogicalFont &font) {
  LOGFONTA lf = to_logfont(font);
  HFONT created = CreateFontIndirectA(&lf);
  if (!created) return;
  select(created, &original_font_, SYSTEM_FONT);
  if (font_) DeleteObject(font_);
  font_ = created;
}

void GdiCanvas::set_text_align(unsigned align) { SetTextAlign(dc_, align); }
void GdiCanvas::set_text_colour(Colour colour) { SetTextColor(dc_, colour_ref(colour)); }
void GdiCanvas::set_raster_op(int op) { SetROP2(dc_, op); }

void GdiCanvas::move_to(LogicalPoint to) { MoveToEx(dc_, to.x, to.y, nullptr); }
void GdiCanvas::line_to(LogicalPoint to) { LineTo(dc_, to.x, to.y); }

// LogicalPoint and POINT are both two ints, so the arrays pass through without a copy.
static_assert(sizeof(LogicalPoint) == sizeof(POINT), "a point is two ints on both sides");

void GdiCanvas::polyline(const LogicalPoint *points, size_t count) {
  const POINT *p = reinterpret_cast<const POINT *>(points);
  size_t piece = metafile_ ? kMetafilePolylinePoints : static_cast<size_t>(INT_MAX);
  for (size_t start = 0; start + 1 < count; start += piece - 1) {
    size_t n = std::min(piece, count - start);
    Polyline(dc_, p + start, static_cast<int>(n));
  }
}

void GdiCanvas::polygon(const LogicalPoint *points, size_t count) {
  if (count > (metafile_ ? kMetafilePolylinePoints : static_cast<size_t>(INT_MAX))) return;
  Polygon(dc_, reinterpret_cast<const POINT *>(points), static_cast<int>(count));
}

void GdiCanvas::rectangle(const LogicalRect &r) { Rectangle(dc_, r.left, r.top, r.right, r.bottom); }
void GdiCanvas::ellipse(const LogicalRect &b) { Ellipse(dc_, b.left, b.top, b.right, b.bottom); }

void GdiCanvas::fill_rect(const LogicalRect &r, Colour colour) {
  HBRUSH brush = CreateSolidBrush(colour_ref(colour));
  if (!brush) return;
  RECT rect{r.left, r.top, r.right, r.bottom};
  FillRect(dc_, &rect, brush);
  // FillRect selects its brush and back; a metafile DC cannot say what "back" was.
  if (current_brush_) SelectObject(dc_, current_brush_);
  DeleteObject(brush);
}

void GdiCanvas::text_out(LogicalPoint at, const std::string &text) {
  if (text.size() > static_cast<size_t>(INT_MAX)) return;
  TextOutA(dc_, at.x, at.y, text.data(), static_cast<int>(text.size()));
}

TextSize GdiCanvas::text_extent(const std::string &text) {
  SIZE size{};
  if (metafile_ || text.size() > static_cast<size_t>(INT_MAX) ||
      !GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size))
    return {0, 0};
  return {static_cast<int>(size.cx), static_cast<int>(size.cy)};
}

// A metafile has no metrics, as it cannot measure: 0, and the layout keeps what the last
// measured paint found.
int GdiCanvas::text_descent() {
  TEXTMETRICA metrics{};
  if (metafile_ || !GetTextMetricsA(dc_, &metrics)) return 0;
  return static_cast<int>(metrics.tmDescent);
}

void GdiCanvas::intersect_clip(const LogicalRect &r) { IntersectClipRect(dc_, r.left, r.top, r.right, r.bottom); }
void GdiCanvas::reset_clip() { SelectClipRgn(dc_, nullptr); }
