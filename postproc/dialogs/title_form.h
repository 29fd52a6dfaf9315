// The title dialog ("Format X-Axis Title" / "Format Y-Axis Title") as data.
#pragma once

#include <string>

#include "../base/font_list.h"
#include "../graph/graph.h"
#include "font_controls.h"

const size_t kTitleTextLimit = 511;

struct TitleForm {
  std::string text;   // the title without its unit
  FontControls font;
  bool show;
};

// The string id of the caption for axis 0 (x) or 1 (y).
int title_caption(int axis);

TitleForm title_form(const Graph *graph, int axis, const FontList &list);

// Sets the title font, the text (cut to 511 characters; the unit stays) and the display
// flag. The y title keeps reading upwards whatever face is chosen; the x title takes the
// escapement and orientation of the chosen face's description.
void apply_title_form(Graph *graph, int axis, const TitleForm &form, const FontList &list);
