// Table windows ("ChildTable"): MDI children that host a grid of the ulmogrid component, and
// the windows a single-point or pole-zero plot opens.
#pragma once

#include <windows.h>

#include <ulmogrid/win32/ulmogrd.h>

#include "../../graph/graph.h"
#include "../table_layout.h"

extern const char kTableWindowClass[];   // "ChildTable"

// Owned by a table window, in its content word.
struct GridHolder {
  ULMOGRD_HANDLE grid;   // null while no grid exists
  HWND grid_window;
};

// A table window with the layout's title, size and cells; none (and nothing left behind) when
// the window or its grid cannot be made.
HWND create_table_window(HWND mdi_client, const TableLayout &layout);
// The values table of the current plot.
HWND open_values_table(HWND mdi_client);
// The pole-zero graph of the current plot.
HWND open_pole_zero_window(HWND mdi_client, const GraphPreferences &preferences);

// The window's grid, or none.
ULMOGRD_HANDLE table_grid(HWND table);

// What the Edit menu may offer while `table` is active.
struct GridAbilities {
  bool cut, copy, paste, undo, redo;
};
GridAbilities table_grid_abilities(HWND table);

// Creation, destruction, size, focus and the Edit commands; false leaves the message to the
// caller (context menu, activation, Print and the default handling).
bool table_window_message(HWND window, UINT message, WPARAM wparam, LPARAM lparam, LRESULT *result);
