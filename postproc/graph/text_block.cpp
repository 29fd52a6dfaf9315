// Text blocks: creation, sizing and drawing.
//
// The block's font height is the layout's business (it follows the point size on the
// surface); sizing measures with whatever height the font has. Vertical text is drawn with
// the top of its letters towards the box's left edge, running upwards from its start.
#include "text_block.h"

#include <algorithm>
#include <new>
#include <utility>

#include "../canvas/canvas.h"
#include "graph.h"

namespace {
const Colour kBlack{0, 0, 0};
}

TextBlock *add_text_block(Graph *graph, const LogicalRect &box, const GraphPreferences &preferences) {
  if (!graph) return nullptr;
  TextBlock *block = new (std::nothrow) TextBlock{};
  if (!block) return nullptr;
  block->graph = graph;
  block->point_size = preferences.text_size;
  block->font = font_with_face(graph->legend_font, preferences.text_face);
  block->font.escapement = block->font.orientation = 0;
  block->justification = kJustifyLeft;
  block->x = box.left;
  block->y = box.top;
  block->cx = box.right - box.left;
  block->cy = box.bottom - box.top;
  block->adjust_box = true;
  TextBlock **end = &graph->text_blocks;
  while (*end) end = &(*end)->next;
  *end = block;
  return block;
}

void remove_text_block(Graph *graph, TextBlock *block) {
  if (!graph || !block) return;
  for (TextBlock **link = &graph->text_blocks; *link; link = &(*link)->next) {
    if (*link == block) {
      *link = block->next;
      delete block;
      return;
    }
  }
}

std::string shown_text(const TextBlock &block) { return block.text.substr(0, kTextBlockTextLimit); }

bool vertical_font(const LogicalFont &font) { return font.escapement % 1800 != 0; }

void size_text_block(Canvas &canvas, TextBlock &block) {
  canvas.set_font(block.font);
  TextSize text = canvas.text_extent(shown_text(block));
  int descent = canvas.text_descent();
  if (text.width == 0 && text.height == 0 && descent == 0) return;
  block.text_width = text.width;
  block.text_height = text.height;
  block.margin = descent;
  int w = text.width, h = text.height;
  if (vertical_font(block.font)) std::swap(w, h);
  int border = block.border ? 2 * descent : 0;
  if (!block.adjust_box) {
    // The text area the box has now; the border is added once below, so that sizing again
    // does not widen a bordered box each time.
    w = std::max(w, block.cx - border);
    h = std::max(h, block.cy - border);
  }
  block.cx = w + border;
  block.cy = h + border;
}

LogicalRect text_block_rect(const TextBlock &b) { return {b.x, b.y, b.x + b.cx, b.y + b.cy}; }

LogicalRect text_block_content(const TextBlock &b) {
  LogicalRect r = text_block_rect(b);
  if (!b.border) return r;
  return {r.left + b.margin, r.top + b.margin, r.right - b.margin, r.bottom - b.margin};
}

LogicalPoint text_block_origin(const TextBlock &b) {
  LogicalRect c = text_block_content(b);
  if (vertical_font(b.font)) {
    switch (b.justification) {
      case kJustifyCentre: return {c.left, (c.bottom + b.text_width + c.top) / 2};
      case kJustifyRight: return {c.left, c.top + b.text_width};
      default: return {c.left, c.bottom};
    }
  }
  switch (b.justification) {
    case kJustifyCentre: return {(c.right - b.text_width + c.left) / 2, c.top};
    case kJustifyRight: return {c.right - b.text_width, c.top};
    default: return {c.left, c.top};
  }
}

void draw_text_block(Canvas &canvas, const TextBlock &b) {
  if (b.border) {
    LogicalRect r = text_block_rect(b);
    canvas.set_pen({kPenSolid, 0, kBlack});
    canvas.move_to({r.left, r.top});
    canvas.line_to({r.right - 1, r.top});
    canvas.line_to({r.right - 1, r.bottom - 1});
    canvas.line_to({r.left, r.bottom - 1});
    canvas.line_to({r.left, r.top});
  }
  canvas.set_font(b.font);
  canvas.set_text_align(kAlignLeft | kAlignTop);
  canvas.text_out(text_block_origin(b), shown_text(b));
}
