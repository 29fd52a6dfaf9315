#include "title_form.h"

#include "../graph/axis.h"
#include "../resources/format_dialog_ids.h"

namespace {

const int kUpwards = 900;   // tenths of a degree

}  // namespace

int title_caption(int axis) { return axis == 0 ? IDS_FORMAT_X_TITLE : IDS_FORMAT_Y_TITLE; }

TitleForm title_form(const Graph *graph, int axis, const FontList &list) {
  const AxisTitle &title = graph->title[axis];
  return {title_text(graph, axis), font_controls(title.font, title.point_size, list), title.display};
}

void apply_title_form(Graph *graph, int axis, const TitleForm &form, const FontList &list) {
  const AxisTitle &title = graph->title[axis];
  ChosenFont chosen = chosen_font(form.font, list, title.font, title.point_size);
  if (axis == 1) chosen.font.escapement = chosen.font.orientation = kUpwards;
  set_title_font(graph, axis, chosen.font, chosen.point_size);
  set_title_text(graph, axis, form.text.substr(0, kTitleTextLimit));
  set_title_display(graph, axis, form.show);
}
