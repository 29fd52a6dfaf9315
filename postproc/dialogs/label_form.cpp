// Tick-label format. A logarithmic axis writes its labels as powers of the base, so its
// notation and digits are neither shown nor changed; only the font applies there.
#include "label_form.h"

#include "../graph/axis.h"
#include "../resources/format_dialog_ids.h"
#include "entry_numbers.h"

int label_caption(int axis) { return axis == 0 ? IDS_FORMAT_X_LABEL : IDS_FORMAT_Y_LABEL; }

LabelForm label_form(const Graph *graph, int axis, const FontList &list) {
  const TickLabelFormat &format = graph->label_format[axis];
  LabelForm form{font_controls(format.font, format.point_size, list), axis_base(graph, axis) != 1, 0, ""};
  if (!form.logarithmic) {
    form.notation = format.notation;
    form.digits = std::to_string(format.digits);
  }
  return form;
}

int check_label_form(const LabelForm &form) {
  return form.logarithmic ? 0 : digits_message(read_decimal(form.digits));
}

void apply_label_form(Graph *graph, int axis, const LabelForm &form, const FontList &list) {
  const TickLabelFormat &format = graph->label_format[axis];
  ChosenFont chosen = chosen_font(form.font, list, format.font, format.point_size);
  set_label_font(graph, axis, chosen.font, chosen.point_size);
  if (form.logarithmic) return;
  set_label_notation(graph, axis, form.notation);
  set_label_digits(graph, axis, read_decimal(form.digits));
}
