// "Add Plot" (dialog 800): expressions built over the current plot's variables, for a new
// graph window (New Plot) or the active one (Overlay Plot).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "../../expr/expression_ptr.h"

enum class AddPlotChoice { kCancel, kNewPlot, kOverlayPlot };

struct AddPlotResult {
  AddPlotChoice choice;
  std::vector<ExpressionPtr> expressions;   // finished, in the order added
  std::vector<std::string> legends;         // the Traces list's texts, one per expression
};

// Modal, owned by `frame`. `can_overlay`: the active child is a graph window, so that
// "Overlay Plot" can be offered once an expression is added.
AddPlotResult run_add_plot_dialog(HWND frame, bool can_overlay);
