// The text-block dialog: font, justification, orientation, border and the text itself.
#include <windows.h>

#include "../../base/font_list.h"
#include "../../resources/format_dialog_ids.h"
#include "../text_form.h"
#include "dialog_controls.h"
#include "format_dialogs.h"

namespace {

struct TextRun {
  TextBlock *block;
  TextForm form;
};

const int kJustificationButtons[] = {IDC_TEXT_LEFT, IDC_TEXT_CENTER, IDC_TEXT_RIGHT};   // by Justification

void open(HWND dialog, const TextForm &form) {
  show_font_controls(dialog, kSharedFontBoxes, form.font);
  for (int j = 0; j < 3; j++) set_checked(dialog, kJustificationButtons[j], form.justification == j);
  set_checked(dialog, IDC_TEXT_HORIZONTAL, !form.vertical);
  set_checked(dialog, IDC_TEXT_VERTICAL, form.vertical);
  set_checked(dialog, IDC_BORDER, form.border);
  set_item_text(dialog, IDC_TEXT_EDIT, form.text, kTextDialogLimit);
  SetFocus(GetDlgItem(dialog, IDC_TEXT_EDIT));
}

void confirm(HWND dialog, TextRun &run) {
  TextForm &form = run.form;
  form.text = item_text(dialog, IDC_TEXT_EDIT);
  form.font = read_font_controls(dialog, kSharedFontBoxes);
  form.justification = is_checked(dialog, IDC_TEXT_LEFT)     ? kJustifyLeft
                       : is_checked(dialog, IDC_TEXT_CENTER) ? kJustifyCentre
                                                             : kJustifyRight;
  form.vertical = !is_checked(dialog, IDC_TEXT_HORIZONTAL);
  form.border = is_checked(dialog, IDC_BORDER);
  apply_text_form(*run.block, form, program_font_list());
  EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK text_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    keep_dialog_record(dialog, lparam);
    open(dialog, reinterpret_cast<TextRun *>(lparam)->form);
    return FALSE;   // the focus is set
  }
  TextRun *run = dialog_record<TextRun>(dialog);
  if (!run || message != WM_COMMAND) return FALSE;
  if (LOWORD(wparam) == IDOK) confirm(dialog, *run);
  else if (LOWORD(wparam) == IDCANCEL) EndDialog(dialog, IDCANCEL);
  else return FALSE;
  return TRUE;
}

}  // namespace

bool run_text_dialog(HWND graph_window, TextBlock *block) {
  if (!block) return false;
  TextRun run{block, text_form(*block, program_font_list())};
  return run_dialog(graph_window, IDD_FORMAT_TEXT, text_proc, &run);
}
