// The exported C interface. No C++ exception leaves the DLL: every entry that may allocate
// catches and answers 0.
#include "ulmogrd.h"

#include <new>

#include "grid_window.h"

namespace {

HINSTANCE dll_instance;

void refresh(ULMOGRD_HANDLE g) { grid_contents_changed(g); }

// Undo or redo, after an edit in progress has become part of the history.
int step_history(ULMOGRD_HANDLE g, bool (*step)(Grid &)) {
  if (!g) return 0;
  finish_editing(g, true);
  if (!step(g->grid)) return 0;
  refresh(g);
  return 1;
}

}  // namespace

HINSTANCE grid_instance() { return dll_instance; }

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    dll_instance = instance;
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}

ULMOGRD_HANDLE ulmogrd_create(HWND parent, int rows, int columns) {
  if (!register_grid_class(dll_instance)) return nullptr;
  UlmoGrid *g = new (std::nothrow) UlmoGrid();
  if (!g) return nullptr;
  bool made = false;
  try {
    made = make_grid(g->grid, rows, columns);
  } catch (const std::bad_alloc &) {
  }
  if (!made || !create_grid_window(g, parent)) {
    delete g;
    return nullptr;
  }
  return g;
}

HWND ulmogrd_get_hwnd(ULMOGRD_HANDLE g) { return g ? g->window : nullptr; }

void ulmogrd_destroy(ULMOGRD_HANDLE g) {
  if (!g) return;
  if (g->printer) print_end(g);
  if (g->window) DestroyWindow(g->window);
  delete g;
}

int ulmogrd_set_data(ULMOGRD_HANDLE g, int row, int column, const char *text) {
  if (!g || !text) return 0;
  try {
    if (!grid_set_data(g->grid, row, column, text)) return 0;
  } catch (const std::bad_alloc &) {
    return 0;
  }
  g->widths_stale = true;
  if (g->window) InvalidateRect(g->window, nullptr, FALSE);
  return 1;
}

int ulmogrd_can_copy(ULMOGRD_HANDLE g) { return g && g->grid.cells.rows > 0 ? 1 : 0; }
int ulmogrd_can_cut(ULMOGRD_HANDLE g) { return ulmogrd_can_copy(g); }
int ulmogrd_can_paste(ULMOGRD_HANDLE g) { return g && clipboard_has_text() ? 1 : 0; }
int ulmogrd_can_undo(ULMOGRD_HANDLE g) { return g && grid_can_undo(g->grid) ? 1 : 0; }
int ulmogrd_can_redo(ULMOGRD_HANDLE g) { return g && grid_can_redo(g->grid) ? 1 : 0; }

int ulmogrd_copy(ULMOGRD_HANDLE g) {
  if (!g) return 0;
  finish_editing(g, true);
  try {
    return put_clipboard_text(g->window, grid_copy(g->grid)) ? 1 : 0;
  } catch (const std::bad_alloc &) {
    return 0;
  }
}

// The cells go only once the clipboard holds them: a cut that cannot copy loses nothing.
int ulmogrd_cut(ULMOGRD_HANDLE g) {
  if (!g) return 0;
  finish_editing(g, true);
  try {
    if (!put_clipboard_text(g->window, grid_copy(g->grid))) return 0;
    grid_cut(g->grid);
  } catch (const std::bad_alloc &) {
    return 0;
  }
  refresh(g);
  return 1;
}

int ulmogrd_paste(ULMOGRD_HANDLE g) {
  if (!g) return 0;
  finish_editing(g, true);
  try {
    std::string text;
    if (!get_clipboard_text(g->window, text) || !grid_paste(g->grid, text)) return 0;
  } catch (const std::bad_alloc &) {
    return 0;
  }
  refresh(g);
  return 1;
}

int ulmogrd_undo(ULMOGRD_HANDLE g) { return step_history(g, grid_undo); }
int ulmogrd_redo(ULMOGRD_HANDLE g) { return step_history(g, grid_redo); }

int ulmogrd_select_all(ULMOGRD_HANDLE g) {
  if (!g) return 0;
  finish_editing(g, true);
  grid_select_all(g->grid);
  if (g->window) InvalidateRect(g->window, nullptr, FALSE);
  return 1;
}

void ulmogrd_set_focus(ULMOGRD_HANDLE g) {
  if (g && g->window) SetFocus(g->editor ? g->editor : g->window);
}

int ulmogrd_print_begin(ULMOGRD_HANDLE g, HDC printer) {
  if (!g || !printer) return 0;
  finish_editing(g, true);
  try {
    return print_begin(g, printer);
  } catch (const std::bad_alloc &) {
    return 0;
  }
}

int ulmogrd_print_page(ULMOGRD_HANDLE g) { return g ? print_page(g) : 0; }

void ulmogrd_print_end(ULMOGRD_HANDLE g) {
  if (g) print_end(g);
}
