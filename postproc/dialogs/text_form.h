// The text dialog ("Format Text") as data: one text block of a graph.
#pragma once

#include <string>

#include "../base/font_list.h"
#include "../graph/text_block.h"
#include "font_controls.h"

const size_t kTextDialogLimit = 254;

struct TextForm {
  std::string text;
  FontControls font;     // a size not in the list shows the entry "20"
  int justification;     // Justification: left, centre, or right for any other value
  bool vertical;         // the block's font has an escapement
  bool border;
};

TextForm text_form(const TextBlock &block, const FontList &list);

// Sets the block's text (cut to 254 characters), its font (escapement and orientation 0, or
// 900 when vertical), its border and its justification. Sizing the block to its new text is
// left to the block's window.
void apply_text_form(TextBlock &block, const TextForm &form, const FontList &list);
