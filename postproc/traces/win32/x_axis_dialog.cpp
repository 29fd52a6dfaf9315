// The X-Axis Expression dialog: only the last Expression added counts, shown in its box.
// A double click on a variable appends it, which its first click has done already.
#include "x_axis_dialog.h"

#include "../../resources/dialog_ids.h"
#include "builder_dialog.h"

namespace {

struct XAxis {
  ExpressionBuilder builder;
  ExpressionPtr chosen;
};

XAxis *state_of(HWND dialog) { return reinterpret_cast<XAxis *>(GetWindowLongPtrA(dialog, DWLP_USER)); }

void command(HWND dialog, XAxis &s, int id, int notification) {
  int picked = -1;
  if (builder_command(dialog, s.builder, id, notification, &picked)) return;
  switch (id) {
    case IDC_ADD_EXPRESSION:
      if (press_add_expression(s.builder)) {
        SetDlgItemTextA(dialog, IDC_X_AXIS_TEXT, expression_text(s.builder.finished.back().get()).c_str());
        EnableWindow(GetDlgItem(dialog, IDOK), TRUE);
      }
      show_builder(dialog, s.builder);
      break;
    case IDOK:
      if (s.builder.finished.empty()) break;
      s.chosen = std::move(s.builder.finished.back());
      EndDialog(dialog, IDOK);
      break;
    case IDCANCEL:
      EndDialog(dialog, IDCANCEL);
      break;
  }
}

INT_PTR CALLBACK x_axis_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongPtrA(dialog, DWLP_USER, lparam);
      XAxis &s = *reinterpret_cast<XAxis *>(lparam);
      EnableWindow(GetDlgItem(dialog, IDOK), FALSE);
      open_builder_dialog(dialog, s.builder);
      return FALSE;   // the focus is set
    }
    case WM_COMMAND:
      if (XAxis *s = state_of(dialog)) command(dialog, *s, LOWORD(wparam), HIWORD(wparam));
      return TRUE;
    case WM_CLOSE:
      EndDialog(dialog, IDCANCEL);
      return TRUE;
  }
  return FALSE;
}

}  // namespace

ExpressionPtr run_x_axis_dialog(HWND graph_window) {
  XAxis state;
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(graph_window, GWLP_HINSTANCE));
  DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_X_AXIS_EXPRESSION), graph_window, x_axis_proc,
                  reinterpret_cast<LPARAM>(&state));
  // The builder frees what it still holds: the unfinished Expression and all others.
  return std::move(state.chosen);
}
