// A free text block of a graph: a child window of the graph window, like a legend label,
// whose position and size are kept in the graph's logical units so that it scales with the
// graph. The graph owns its text blocks, in the order they were made.
#pragma once

#include <string>

#include "../base/logical_font.h"
#include "../base/ui.h"
#include "symbols.h"

struct Graph;
struct GraphPreferences;
struct LogicalRect;
class Canvas;

enum Justification { kJustifyLeft = 0, kJustifyCentre = 1, kJustifyRight = 2 };

struct TextBlock {
  WindowHandle window;   // none until the platform creates it
  Graph *graph;
  int point_size;        // the preference TextPointSize when made
  LogicalFont font;      // the face TextFaceName; its height follows the point size
  bool border;
  int justification;     // Justification
  int x, y, cx, cy;      // logical units
  int text_width, text_height;   // measured, logical units, along the text
  int margin;            // the font's descent, logical units
  bool adjust_box;       // the box follows the text's size
  std::string text;      // one line; at most 255 characters are measured and drawn
  TextBlock *next;
};

const size_t kTextBlockTextLimit = 255;

// A new block at the end of the graph's list, with the text preferences' font and the box
// (logical units); none when memory runs out.
TextBlock *add_text_block(Graph *graph, const LogicalRect &box, const GraphPreferences &preferences);
// Unlinks the block from its graph and frees it.
void remove_text_block(Graph *graph, TextBlock *block);

// The part of the text that is measured and drawn.
std::string shown_text(const TextBlock &block);
// Text turned a quarter (or three) runs along the box's height.
bool vertical_font(const LogicalFont &font);

// Measures the text in the block's font on the canvas's current mapping and sizes the box to
// it: vertical text exchanges width and height; without adjust box the text area keeps at
// least its current size; a border adds the margin on every side. A surface that cannot
// measure leaves the block as it is.
void size_text_block(Canvas &canvas, TextBlock &block);

// The box, its content (inside the border's margin) and where the text starts in it.
LogicalRect text_block_rect(const TextBlock &block);
LogicalRect text_block_content(const TextBlock &block);
LogicalPoint text_block_origin(const TextBlock &block);

// Border and text at the block's logical position, with the sizes of its last sizing.
void draw_text_block(Canvas &canvas, const TextBlock &block);
