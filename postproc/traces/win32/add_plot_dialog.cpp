// The Add Plot dialog applies the builder and keeps the Traces list; the batch itself is the
// caller's, once the dialog has closed.
#include "add_plot_dialog.h"

#include "../../resources/dialog_ids.h"
#include "builder_dialog.h"

namespace {

struct AddPlot {
  ExpressionBuilder builder;
  bool can_overlay;
  int picked = -1;   // the variable the last pick appended, while a double click may follow
  AddPlotResult result{AddPlotChoice::kCancel, {}, {}};
};

AddPlot *state_of(HWND dialog) { return reinterpret_cast<AddPlot *>(GetWindowLongPtrA(dialog, DWLP_USER)); }

// The finished Expression joins the Traces list, and the batch can be plotted.
void add_expression(HWND dialog, AddPlot &s) {
  std::string text = builder_text(s.builder);
  if (!press_add_expression(s.builder)) return;
  SendDlgItemMessageA(dialog, IDC_TRACE_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  s.result.legends.push_back(text);
  EnableWindow(GetDlgItem(dialog, IDC_NEW_PLOT), TRUE);
  if (s.can_overlay) EnableWindow(GetDlgItem(dialog, IDC_OVERLAY_PLOT), TRUE);
}

void finish(HWND dialog, AddPlot &s, AddPlotChoice choice) {
  KillTimer(dialog, kDoubleClickTimer);
  s.result.choice = choice;
  if (choice != AddPlotChoice::kCancel) s.result.expressions = std::move(s.builder.finished);
  else s.result.legends.clear();
  EndDialog(dialog, 0);
}

// The first click of a double click picked the variable already: that pick is taken back,
// and the double click appends it, closes what is open, adds the expression and plots it.
void double_click(HWND dialog, AddPlot &s) {
  if (s.picked < 0) return;
  int index = s.picked;
  s.picked = -1;
  press_delete_last(s.builder);
  if (!double_click_variable(s.builder, index)) {
    show_builder(dialog, s.builder);
    return;
  }
  std::string text = expression_text(s.builder.finished.back().get());
  SendDlgItemMessageA(dialog, IDC_TRACE_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  s.result.legends.push_back(text);
  finish(dialog, s, AddPlotChoice::kNewPlot);
}

void command(HWND dialog, AddPlot &s, int id, int notification) {
  if (id == IDC_VARIABLE_LIST && notification == LBN_DBLCLK) {
    double_click(dialog, s);
    return;
  }
  int picked = -1;
  if (builder_command(dialog, s.builder, id, notification, &picked)) {
    s.picked = picked;
    if (picked >= 0) await_double_click(dialog);
    return;
  }
  s.picked = -1;
  switch (id) {
    case IDC_CONSTANT_BUTTON: {
      char text[kConstantTextLimit + 1] = {};
      GetDlgItemTextA(dialog, IDC_CONSTANT_TEXT, text, sizeof text);
      press_constant(s.builder, text);
      show_builder(dialog, s.builder);
      break;
    }
    case IDC_ADD_EXPRESSION:
      add_expression(dialog, s);
      show_builder(dialog, s.builder);
      break;
    case IDC_NEW_PLOT:
      if (!s.builder.finished.empty()) finish(dialog, s, AddPlotChoice::kNewPlot);
      break;
    case IDC_OVERLAY_PLOT:
      if (!s.builder.finished.empty() && s.can_overlay) finish(dialog, s, AddPlotChoice::kOverlayPlot);
      break;
    case IDCANCEL:
      finish(dialog, s, AddPlotChoice::kCancel);
      break;
  }
}

INT_PTR CALLBACK add_plot_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongPtrA(dialog, DWLP_USER, lparam);
      AddPlot &s = *reinterpret_cast<AddPlot *>(lparam);
      EnableWindow(GetDlgItem(dialog, IDC_NEW_PLOT), FALSE);
      EnableWindow(GetDlgItem(dialog, IDC_OVERLAY_PLOT), FALSE);
      SendDlgItemMessageA(dialog, IDC_CONSTANT_TEXT, EM_LIMITTEXT, kConstantTextLimit, 0);
      open_builder_dialog(dialog, s.builder);
      return FALSE;   // the focus is set
    }
    case WM_TIMER:
      if (wparam == kDoubleClickTimer && state_of(dialog)) {
        state_of(dialog)->picked = -1;
        end_double_click_wait(dialog, state_of(dialog)->builder);
      }
      return TRUE;
    case WM_COMMAND:
      if (AddPlot *s = state_of(dialog)) command(dialog, *s, LOWORD(wparam), HIWORD(wparam));
      return TRUE;
    case WM_CLOSE:
      if (AddPlot *s = state_of(dialog)) finish(dialog, *s, AddPlotChoice::kCancel);
      return TRUE;
  }
  return FALSE;
}

}  // namespace

AddPlotResult run_add_plot_dialog(HWND frame, bool can_overlay) {
  AddPlot state;
  state.can_overlay = can_overlay;
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(frame, GWLP_HINSTANCE));
  DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_ADD_PLOT), frame, add_plot_proc, reinterpret_cast<LPARAM>(&state));
  return std::move(state.result);
}
