// The tick-label dialog: its own font control ids, the notation buttons and the digits with
// their arrows, all left empty and disabled on a logarithmic axis.
#include <windows.h>

#include <new>

#include "../../base/font_list.h"
#include "../../base/messages.h"
#include "../../graph/win32/graph_window.h"
#include "../../resources/format_dialog_ids.h"
#include "../entry_numbers.h"
#include "../label_form.h"
#include "dialog_controls.h"
#include "format_dialogs.h"

namespace {

// Termination code when the dialog's working record cannot be had.
const int kLabelRecordOutOfMemory = 2000;

const FontBoxIds kLabelFontBoxes = {IDC_LABEL_FACE, IDC_LABEL_SIZE, IDC_LABEL_BOLD, IDC_LABEL_ITALIC,
                                    IDC_LABEL_UNDERLINE};

struct NotationButton {
  int id;
  int notation;
};
const NotationButton kNotationButtons[] = {
    {IDC_LABEL_SCALE_FACTORS, kNotationScaleFactors},
    {IDC_LABEL_DECIMAL, kNotationDecimal},
    {IDC_LABEL_SCIENTIFIC, kNotationScientific},
};

struct LabelRun {
  Graph *graph;
  int axis;
  LabelForm form;
};

void open(HWND dialog, const LabelRun &run) {
  set_caption(dialog, label_caption(run.axis));
  show_font_controls(dialog, kLabelFontBoxes, run.form.font);
  for (const NotationButton &b : kNotationButtons) set_checked(dialog, b.id, b.notation == run.form.notation);
  set_item_text(dialog, IDC_LABEL_DIGITS, run.form.digits);
  if (run.form.logarithmic) {
    for (int id : {IDC_LABEL_NOTATION_GROUP, IDC_LABEL_SCALE_FACTORS, IDC_LABEL_DECIMAL, IDC_LABEL_SCIENTIFIC,
                   IDC_LABEL_DIGITS_LABEL, IDC_LABEL_DIGITS, IDC_LABEL_DIGITS_SPIN})
      enable_control(dialog, id, false);
  }
  SetFocus(GetDlgItem(dialog, IDOK));
}

void confirm(HWND dialog, LabelRun &run) {
  LabelForm &form = run.form;
  form.font = read_font_controls(dialog, kLabelFontBoxes);
  for (const NotationButton &b : kNotationButtons)
    if (is_checked(dialog, b.id)) form.notation = b.notation;
  form.digits = item_text(dialog, IDC_LABEL_DIGITS);
  if (int message = check_label_form(form)) {
    show_message(dialog, kMbIconExclamation, message);
    return;
  }
  apply_label_form(run.graph, run.axis, form, program_font_list());
  EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK label_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    keep_dialog_record(dialog, lparam);
    open(dialog, *reinterpret_cast<LabelRun *>(lparam));
    return FALSE;   // the focus is set
  }
  LabelRun *run = dialog_record<LabelRun>(dialog);
  if (!run) return FALSE;
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK) confirm(dialog, *run);
      else if (LOWORD(wparam) == IDCANCEL) EndDialog(dialog, IDCANCEL);
      return TRUE;
    case WM_VSCROLL:
      if (scroll_bar_id(lparam) == IDC_LABEL_DIGITS_SPIN && arrow_step(wparam)) {
        int digits = step_digits(read_decimal(item_text(dialog, IDC_LABEL_DIGITS)), arrow_step(wparam) > 0);
        set_item_text(dialog, IDC_LABEL_DIGITS, std::to_string(digits));
      }
      return TRUE;
  }
  return FALSE;
}

}  // namespace

bool run_label_dialog(HWND graph_window, int axis) {
  Graph *graph = window_graph(graph_window);
  if (!graph || (axis != 0 && axis != 1)) return false;
  LabelRun *run = new (std::nothrow) LabelRun{graph, axis, label_form(graph, axis, program_font_list())};
  if (!run) out_of_memory(kLabelRecordOutOfMemory);
  bool changed = run_dialog(graph_window, IDD_FORMAT_LABEL, label_proc, run);
  delete run;
  return changed;
}
