// What "Add Plot" and "X-Axis Expression" share: the expression builder applied to a dialog's
// variable list, token buttons, expression field and its two buttons.
#pragma once

#include <windows.h>

#include "../../expr/expression_builder.h"

// Fills the variable list with the current plot's variables ("%s (%s)": name, unit name),
// opens the builder for the plot, disables the function buttons the plot cannot use for the
// whole dialog, shows the enabling and gives the list the focus.
void open_builder_dialog(HWND dialog, ExpressionBuilder &builder);

// Shows what the builder's state enables, and the expression's text. Inputs that are not
// accepted are ignored when pressed; only the variable list, "Add Expression" and "Delete
// Last" are also shown disabled.
void show_builder(HWND dialog, const ExpressionBuilder &builder);

// The builder's inputs that both dialogs handle alike: a variable picked in the list, the
// token buttons and "Delete Last". True when `id` was one of them (accepted or ignored).
// `picked` gets the variable a pick appended, else -1.
bool builder_command(HWND dialog, ExpressionBuilder &builder, int id, int notification, int *picked);

// A pick leaves the list usable for the double-click time, so that the second click of a
// double click reaches it; the timer then shows the list as the builder's state has it.
const UINT_PTR kDoubleClickTimer = 1;
void await_double_click(HWND dialog);
void end_double_click_wait(HWND dialog, const ExpressionBuilder &builder);
