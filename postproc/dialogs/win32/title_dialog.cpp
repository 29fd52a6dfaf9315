// The axis-title dialog: the title text without its unit, the font, and whether it shows.
#include <windows.h>

#include <new>

#include "../../base/font_list.h"
#include "../../base/messages.h"
#include "../../graph/win32/graph_window.h"
#include "../../resources/format_dialog_ids.h"
#include "../title_form.h"
#include "dialog_controls.h"
#include "format_dialogs.h"

namespace {

// Termination code when the dialog's working record cannot be had.
const int kTitleRecordOutOfMemory = 2000;

struct TitleRun {
  Graph *graph;
  int axis;
  TitleForm form;
};

INT_PTR CALLBACK title_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    keep_dialog_record(dialog, lparam);
    const TitleRun &run = *reinterpret_cast<TitleRun *>(lparam);
    set_caption(dialog, title_caption(run.axis));
    set_item_text(dialog, IDC_TITLE_TEXT, run.form.text, kTitleTextLimit);
    show_font_controls(dialog, kSharedFontBoxes, run.form.font);
    set_checked(dialog, IDC_TITLE_SHOW, run.form.show);
    SetFocus(GetDlgItem(dialog, IDC_TITLE_TEXT));
    return FALSE;   // the focus is set
  }
  TitleRun *run = dialog_record<TitleRun>(dialog);
  if (!run || message != WM_COMMAND) return FALSE;
  if (LOWORD(wparam) == IDOK) {
    run->form.text = item_text(dialog, IDC_TITLE_TEXT);
    run->form.font = read_font_controls(dialog, kSharedFontBoxes);
    run->form.show = is_checked(dialog, IDC_TITLE_SHOW);
    apply_title_form(run->graph, run->axis, run->form, program_font_list());
    EndDialog(dialog, IDOK);
  } else if (LOWORD(wparam) == IDCANCEL) {
    EndDialog(dialog, IDCANCEL);
  }
  return TRUE;
}

}  // namespace

bool run_title_dialog(HWND graph_window, int axis) {
  Graph *graph = window_graph(graph_window);
  if (!graph || (axis != 0 && axis != 1)) return false;
  TitleRun *run = new (std::nothrow) TitleRun{graph, axis, title_form(graph, axis, program_font_list())};
  if (!run) out_of_memory(kTitleRecordOutOfMemory);
  bool changed = run_dialog(graph_window, IDD_FORMAT_TITLE, title_proc, run);
  delete run;
  return changed;
}
