// The Format Axis dialog moves an AxisDialog between its record and the controls; what the
// clicks and the typing mean is axis_form's. Texts the dialog writes itself must not count as
// typing, so edits are written with `filling` set and their change notices ignored then.
#include <windows.h>

#include "../../base/messages.h"
#include "../../graph/win32/graph_window.h"
#include "../../resources/format_dialog_ids.h"
#include "../axis_form.h"
#include "dialog_controls.h"
#include "format_dialogs.h"

namespace {

struct AxisRun {
  Graph *graph;
  int axis;
  AxisDialog state;
  bool filling;
};

const int kAutoBoxes[kAxisEntryCount] = {IDC_AXIS_AUTO_MIN, IDC_AXIS_AUTO_MAX, IDC_AXIS_AUTO_INCREMENT};
const int kEntries[kAxisEntryCount] = {IDC_AXIS_MIN, IDC_AXIS_MAX, IDC_AXIS_INCREMENT};

// Grid styles by button, in the order of the three buttons of each row.
const int kGridStyles[3] = {0, 2, 5};

int entry_of(const int ids[kAxisEntryCount], int id) {
  for (int i = 0; i < kAxisEntryCount; i++)
    if (ids[i] == id) return i;
  return -1;
}

void check_grid(HWND dialog, int first, int style) {
  for (int i = 0; i < 3; i++) set_checked(dialog, first + i, kGridStyles[i] == style);
}

int grid_of(HWND dialog, int first) {
  for (int i = 0; i < 3; i++)
    if (is_checked(dialog, first + i)) return kGridStyles[i];
  return kGridStyles[2];
}

void apply_enabling(HWND dialog, bool logarithmic) {
  AxisEnabling e = axis_enabling(logarithmic);
  for (int id : {IDC_AXIS_BASE_GROUP, IDC_AXIS_BASE_8, IDC_AXIS_BASE_10}) enable_control(dialog, id, e.base);
  for (int id : {IDC_AXIS_AUTO_INCREMENT, IDC_AXIS_INCREMENT}) enable_control(dialog, id, e.increment);
  for (int id : {IDC_AXIS_TICS_LABEL, IDC_AXIS_TICS, IDC_AXIS_TICS_SPIN}) enable_control(dialog, id, e.tics);
}

void show_form(HWND dialog, AxisRun &run) {
  const AxisForm &f = run.state.form;
  run.filling = true;
  set_checked(dialog, IDC_AXIS_LINEAR, !f.logarithmic);
  set_checked(dialog, IDC_AXIS_LOGARITHMIC, f.logarithmic);
  set_checked(dialog, IDC_AXIS_BASE_8, f.base == 8);
  set_checked(dialog, IDC_AXIS_BASE_10, f.base == 10);
  for (int i = 0; i < kAxisEntryCount; i++) {
    set_checked(dialog, kAutoBoxes[i], f.automatic[i]);
    set_item_text(dialog, kEntries[i], f.entry[i]);
  }
  set_item_text(dialog, IDC_AXIS_TICS, f.tics);
  check_grid(dialog, IDC_AXIS_MAJOR_SOLID, f.major_grid);
  check_grid(dialog, IDC_AXIS_MINOR_SOLID, f.minor_grid);
  set_checked(dialog, IDC_AXIS_DISPLAY_GRID, f.display_grid);
  run.filling = false;
  apply_enabling(dialog, f.logarithmic);
}

// The controls whose state the dialog does not follow as they change.
void read_free_controls(HWND dialog, AxisForm &f) {
  f.base = is_checked(dialog, IDC_AXIS_BASE_8) ? 8 : is_checked(dialog, IDC_AXIS_BASE_10) ? 10 : 0;
  f.tics = item_text(dialog, IDC_AXIS_TICS);
  f.major_grid = grid_of(dialog, IDC_AXIS_MAJOR_SOLID);
  f.minor_grid = grid_of(dialog, IDC_AXIS_MINOR_SOLID);
  f.display_grid = is_checked(dialog, IDC_AXIS_DISPLAY_GRID);
}

void confirm(HWND dialog, AxisRun &run) {
  read_free_controls(dialog, run.state.form);
  AxisCheck check = check_axis_form(run.state.form);
  if (check.bad_entry >= 0) {
    // A number beyond what the axis can hold: no message says so, the entry is offered again.
    HWND entry = GetDlgItem(dialog, kEntries[check.bad_entry]);
    MessageBeep(MB_ICONEXCLAMATION);
    SetFocus(entry);
    SendMessageA(entry, EM_SETSEL, 0, -1);
    return;
  }
  if (check.message) {
    show_message(dialog, kMbIconExclamation, check.message);
    return;
  }
  apply_axis_form(run.graph, run.axis, run.state);
  EndDialog(dialog, IDOK);
}

void command(HWND dialog, AxisRun &run, int id, int code) {
  int entry = entry_of(kEntries, id);
  if (entry >= 0) {
    if (code == EN_CHANGE && !run.filling) {
      type_entry(run.state, entry, item_text(dialog, id));
      set_checked(dialog, kAutoBoxes[entry], false);
    } else if (code == EN_KILLFOCUS && entry == kEntryIncrement) {
      leave_increment(run.state);
    }
    return;
  }
  if (code != BN_CLICKED) return;
  int box = entry_of(kAutoBoxes, id);
  if (box >= 0) {
    click_automatic(run.state, box, is_checked(dialog, id));
  } else if (id == IDC_AXIS_LINEAR || id == IDC_AXIS_LOGARITHMIC) {
    read_free_controls(dialog, run.state.form);
    choose_axis_type(run.state, id == IDC_AXIS_LOGARITHMIC);
    show_form(dialog, run);
  } else if (id == IDOK) {
    confirm(dialog, run);
  } else if (id == IDCANCEL) {
    EndDialog(dialog, IDCANCEL);
  }
}

INT_PTR CALLBACK axis_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    keep_dialog_record(dialog, lparam);
    AxisRun &run = *reinterpret_cast<AxisRun *>(lparam);
    set_caption(dialog, axis_caption(run.axis));
    show_form(dialog, run);
    return TRUE;
  }
  AxisRun *run = dialog_record<AxisRun>(dialog);
  if (!run) return FALSE;
  switch (message) {
    case WM_COMMAND:
      command(dialog, *run, LOWORD(wparam), HIWORD(wparam));
      return TRUE;
    case WM_VSCROLL:
      if (scroll_bar_id(lparam) == IDC_AXIS_TICS_SPIN && arrow_step(wparam)) {
        run->state.form.tics = item_text(dialog, IDC_AXIS_TICS);
        step_tics(run->state, arrow_step(wparam) > 0);
        set_item_text(dialog, IDC_AXIS_TICS, run->state.form.tics);
      }
      return TRUE;
  }
  return FALSE;
}

}  // namespace

bool run_axis_dialog(HWND graph_window, int axis) {
  Graph *graph = window_graph(graph_window);
  if (!graph || (axis != 0 && axis != 1)) return false;
  AxisRun run{graph, axis, open_axis_dialog(graph, axis), false};
  return run_dialog(graph_window, IDD_FORMAT_AXIS, axis_proc, &run);
}
