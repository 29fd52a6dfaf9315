// The label dialog ("Format X-Axis Label" / "Format Y-Axis Label") as data: what it shows for
// one axis's tick labels, and what confirming it writes back.
#pragma once

#include <string>

#include "../base/font_list.h"
#include "../graph/graph.h"
#include "font_controls.h"

struct LabelForm {
  FontControls font;
  bool logarithmic;    // notation and digits are disabled and left empty
  int notation;        // Notation; 0 on a logarithmic axis (no button selected)
  std::string digits;  // the edit's text
};

// The string id of the caption for axis 0 (x) or 1 (y).
int label_caption(int axis);

LabelForm label_form(const Graph *graph, int axis, const FontList &list);

// The message that keeps the dialog open, or 0.
int check_label_form(const LabelForm &form);

// Sets the tick-label font (face, size, weight, italic, underline) and, on a linear axis,
// the notation and the digits. The form has passed check_label_form.
void apply_label_form(Graph *graph, int axis, const LabelForm &form, const FontList &list);
