// Legend label sizing and drawing.
#include "legend_label.h"

#include <algorithm>
#include <utility>

#include "trace_symbols.h"

namespace {

// Text turned a quarter (or three) reads along the height.
bool vertical(const LogicalFont &font) { return font.escapement % 1800 != 0; }

const Colour kBlack{0, 0, 0};

}  // namespace

LegendSymbolMeasures legend_symbol_measures(int t) {
  int r = t / 3 < 2 ? 1 : t / 3;
  return {r, std::max(r / 3, 2)};
}

void size_legend_label(Canvas &canvas, LegendLabel &label) {
  canvas.set_font(label.font);
  TextSize text = canvas.text_extent(label.text);
  int descent = canvas.text_descent();
  // A surface that cannot measure keeps the last measured sizes.
  if (text.width == 0 && text.height == 0 && descent == 0) return;
  TextSize size = text;
  if (label.show_symbol) {
    LegendSymbolMeasures m = legend_symbol_measures(text.height);
    size.width += m.gap + 2 * m.half_size;
  }
  if (vertical(label.font)) std::swap(size.width, size.height);
  if (label.border) {
    size.width += 2 * descent;
    size.height += 2 * descent;
  }
  label.size = size;
  label.text_size = text;
  label.descent = descent;
}

LogicalRect legend_label_rect(const LegendLabel &label) {
  return {label.x, label.y, label.x + label.size.width, label.y + label.size.height};
}

void draw_legend_label(Canvas &canvas, const Trace &trace, const GraphResources &resources) {
  const LegendLabel &label = trace.legend;
  LogicalRect rect = legend_label_rect(label);
  LogicalRect content = rect;
  if (label.border) {
    canvas.set_pen({kPenSolid, 0, kBlack});
    canvas.move_to({rect.left, rect.top});
    canvas.line_to({rect.right - 1, rect.top});
    canvas.line_to({rect.right - 1, rect.bottom - 1});
    canvas.line_to({rect.left, rect.bottom - 1});
    canvas.line_to({rect.left, rect.top});
    content = {rect.left + label.descent, rect.top + label.descent, rect.right - label.descent,
               rect.bottom - label.descent};
  }
  int t = label.text_size.height;
  LegendSymbolMeasures m = legend_symbol_measures(t);
  // Vertical text runs upwards from the content's bottom-left corner, its top towards the
  // left edge, as a text block's does: the symbol leads it there.
  bool upwards = vertical(label.font);
  LogicalPoint text_at = upwards ? LogicalPoint{content.left, content.bottom} : LogicalPoint{content.left, content.top};
  if (label.show_symbol) {
    int colour_index = std::min(std::max(trace.colour_index, 0), kColourCount - 1);
    Colour colour = resources.palette[colour_index];
    canvas.set_pen({kPenSolid, 0, colour});
    LogicalPoint centre = upwards ? LogicalPoint{content.left + t / 2, content.bottom - m.half_size}
                                  : LogicalPoint{content.left + m.half_size, content.top + t / 2};
    draw_symbol(canvas, trace.symbol_index, centre, m.half_size, colour);
    if (upwards)
      text_at.y -= m.gap + 2 * m.half_size;
    else
      text_at.x += m.gap + 2 * m.half_size;
  }
  canvas.set_font(label.font);
  canvas.set_text_align(kAlignLeft | kAlignTop);
  canvas.text_out(text_at, label.text);
}
