#include "text_form.h"

namespace {

const int kUpwards = 900;   // tenths of a degree

}  // namespace

TextForm text_form(const TextBlock &block, const FontList &list) {
  TextForm form;
  form.text = block.text.substr(0, kTextDialogLimit);
  form.font = font_controls(block.font, block.point_size, list);
  if (form.font.size_entry < 0) form.font.size_entry = kTextFallbackEntry;
  form.justification = block.justification == kJustifyLeft || block.justification == kJustifyCentre
                           ? block.justification
                           : kJustifyRight;
  form.vertical = block.font.escapement != 0;
  form.border = block.border;
  return form;
}

void apply_text_form(TextBlock &block, const TextForm &form, const FontList &list) {
  block.text = form.text.substr(0, kTextDialogLimit);
  ChosenFont chosen = chosen_font(form.font, list, block.font, block.point_size);
  chosen.font.escapement = chosen.font.orientation = form.vertical ? kUpwards : 0;
  block.font = chosen.font;
  block.point_size = chosen.point_size;
  block.border = form.border;
  block.justification = form.justification == kJustifyLeft || form.justification == kJustifyCentre
                            ? form.justification
                            : kJustifyRight;
}
