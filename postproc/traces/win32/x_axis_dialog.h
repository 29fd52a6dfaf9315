// "X-Axis Expression" (dialog 801): one expression over the current plot's variables that
// gives a graph's traces their x values.
#pragma once

#include <windows.h>

#include "../../expr/expression_ptr.h"

// Modal, owned by the graph window. The last Expression added, finalized, when the user
// chose OK; none when cancelled. Every other Expression of the dialog is freed.
ExpressionPtr run_x_axis_dialog(HWND graph_window);
