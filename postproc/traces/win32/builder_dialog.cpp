// The builder's controls. A pick in the variable list appends the variable at once, so a
// double click reaches the list as a pick followed by the double click; the dialog that acts
// on double clicks takes the pick back first (see the Add Plot dialog).
#include "builder_dialog.h"

#include <string>

#include "../../data/export.h"
#include "../../data/plot_model.h"
#include "../../resources/dialog_ids.h"

void open_builder_dialog(HWND dialog, ExpressionBuilder &builder) {
  open_builder(builder, is_real_plot());
  HWND list = GetDlgItem(dialog, IDC_VARIABLE_LIST);
  for (int i = 0; i < variable_count(); i++) {
    std::string entry = variable_list_text(i);
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
  }
  for (int b = builder.state.last_function_button + 1; b <= kButtonLast; b++) EnableWindow(GetDlgItem(dialog, b), FALSE);
  show_builder(dialog, builder);
  SetFocus(list);
}

void show_builder(HWND dialog, const ExpressionBuilder &builder) {
  BuilderEnabling e = builder_enabling(builder.state);
  EnableWindow(GetDlgItem(dialog, IDC_VARIABLE_LIST), e.operands);
  EnableWindow(GetDlgItem(dialog, IDC_ADD_EXPRESSION), e.add_expression);
  EnableWindow(GetDlgItem(dialog, IDC_DELETE_LAST), e.delete_last);
  SetDlgItemTextA(dialog, IDC_EXPRESSION_TEXT, builder_text(builder).c_str());
}

bool builder_command(HWND dialog, ExpressionBuilder &builder, int id, int notification, int *picked) {
  *picked = -1;
  if (id == IDC_VARIABLE_LIST) {
    if (notification != LBN_SELCHANGE) return false;
    HWND list = GetDlgItem(dialog, IDC_VARIABLE_LIST);
    int index = static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0));
    if (index != LB_ERR && press_variable(builder, index)) *picked = index;
    // No entry stays picked, so the same variable can be picked again.
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  } else if (id >= kButtonFirst && id <= kButtonLast) {
    press_button(builder, id);
  } else if (id == IDC_DELETE_LAST) {
    press_delete_last(builder);
  } else {
    return false;
  }
  show_builder(dialog, builder);
  return true;
}

void await_double_click(HWND dialog) {
  EnableWindow(GetDlgItem(dialog, IDC_VARIABLE_LIST), TRUE);
  SetTimer(dialog, kDoubleClickTimer, GetDoubleClickTime(), nullptr);
}

void end_double_click_wait(HWND dialog, const ExpressionBuilder &builder) {
  KillTimer(dialog, kDoubleClickTimer);
  show_builder(dialog, builder);
}
