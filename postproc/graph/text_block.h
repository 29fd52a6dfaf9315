// A free text block of a graph: a child window of the graph window, like a legend label,
// whose position and size are kept in the graph's logical units so that it scales with the
// graph. The graph owns its text blocks, in the order they were made.
#pragma once

#include <string>

#include "../base/logical_font.h"
#include "../base/ui.h"

struct Graph;

enum Justification { kJustifyLeft = 0, kJustifyCentre = 1, kJustifyRight = 2 };

struct TextBlock {
  WindowHandle window;   // none until the platform creates it
  Graph *graph;
  int point_size;        // the preference TextPointSize when made
  LogicalFont font;      // the face TextFaceName; its height follows the point size
  bool border;
  int justification;     // Justification
  int x, y, cx, cy;      // logical units
  int text_width, text_height;   // measured, logical units
  int margin;            // the font's descent, logical units
  bool adjust_box;       // the box follows the text's size
  std::string text;      // one line; at most 255 characters are measured and drawn
  TextBlock *next;
};

const size_t kTextBlockTextLimit = 255;
