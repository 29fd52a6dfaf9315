// Table windows over the grid component.
//
// A table window owns its GridHolder (content word) and, through it, the grid; the grid's
// window is its only child and always covers the client area. The holder goes when the
// window is destroyed. The program never calls the component with a null grid.
#include "table_window.h"

#include <new>

#include "../../base/win32/child_words.h"
#include "../pole_zero.h"
#include "../../graph/win32/graph_window.h"

const char kTableWindowClass[] = "ChildTable";

namespace {

// The Edit commands of the menu bar (the shell's command table has them too; the shell sits
// above this folder), answered with the grid's operations.
enum { kCut = 11001, kCopy = 11002, kPaste = 11003, kDelete = 11004, kUndo = 11005, kRedo = 11006, kSelectAll = 11007 };

GridHolder *holder_of(HWND window) {
  return window ? reinterpret_cast<GridHolder *>(GetWindowLongPtrA(window, kChildContentWord)) : nullptr;
}

bool edit_command(HWND window, int id) {
  GridHolder *h = holder_of(window);
  ULMOGRD_HANDLE grid = h ? h->grid : nullptr;
  switch (id) {
    case kCut:
    case kDelete: if (grid) ulmogrd_cut(grid); return true;
    case kCopy: if (grid) ulmogrd_copy(grid); return true;
    case kPaste: if (grid) ulmogrd_paste(grid); return true;
    case kUndo: if (grid) ulmogrd_undo(grid); return true;
    case kRedo: if (grid) ulmogrd_redo(grid); return true;
    case kSelectAll: if (grid) ulmogrd_select_all(grid); return true;
  }
  return false;
}

}  // namespace

HWND create_table_window(HWND mdi_client, const TableLayout &layout) {
  GridHolder *holder = new (std::nothrow) GridHolder{};
  if (!holder) return nullptr;
  HWND window = create_mdi_child(mdi_client, kTableWindowClass, layout.title.c_str(), 0);
  if (!window) {
    delete holder;
    return nullptr;
  }
  holder->grid = ulmogrd_create(window, layout.rows, layout.columns);
  if (!holder->grid) {
    SendMessageA(mdi_client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(window), 0);
    delete holder;
    return nullptr;
  }
  holder->grid_window = ulmogrd_get_hwnd(holder->grid);
  for (const TableCell &cell : layout.cells) ulmogrd_set_data(holder->grid, cell.row, cell.column, cell.text.c_str());
  SetWindowLongPtrA(window, kChildContentWord, reinterpret_cast<LONG_PTR>(holder));
  SetWindowLongPtrA(window, kChildPlotWord, layout.plot_index);
  RECT client;
  GetClientRect(window, &client);
  MoveWindow(holder->grid_window, 0, 0, client.right, client.bottom, TRUE);
  ulmogrd_set_focus(holder->grid);
  return window;
}

HWND open_values_table(HWND mdi_client) { return create_table_window(mdi_client, values_table_layout()); }

HWND open_pole_zero_window(HWND mdi_client, const GraphPreferences &preferences) {
  PoleZeroLayout layout;
  if (!pole_zero_layout(layout)) return nullptr;
  HWND window = create_graph_window(mdi_client, kPoleZeroWindow, layout.plot_index, layout.title);
  if (!window) return nullptr;
  Graph *graph = create_pole_zero_graph(window, layout, preferences);
  if (!graph) {
    SendMessageA(mdi_client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(window), 0);
    return nullptr;
  }
  set_window_graph(window, graph);
  refresh_graph_window(window);
  return window;
}

ULMOGRD_HANDLE table_grid(HWND table) {
  GridHolder *h = holder_of(table);
  return h ? h->grid : nullptr;
}

GridAbilities table_grid_abilities(HWND table) {
  GridAbilities a{};
  if (ULMOGRD_HANDLE grid = table_grid(table)) {
    a.cut = ulmogrd_can_cut(grid) != 0;
    a.copy = ulmogrd_can_copy(grid) != 0;
    a.paste = ulmogrd_can_paste(grid) != 0;
    a.undo = ulmogrd_can_undo(grid) != 0;
    a.redo = ulmogrd_can_redo(grid) != 0;
  }
  return a;
}

bool table_window_message(HWND window, UINT message, WPARAM wparam, LPARAM lparam, LRESULT *result) {
  switch (message) {
    case WM_CREATE:
      SetWindowLongPtrA(window, kChildKindWord, kTableWindow);
      SetWindowLongPtrA(window, kChildContentWord, 0);
      SetWindowLongPtrA(window, kChildPlotWord, -1);
      SetWindowLongPtrA(window, kTableSpareWord, 0);
      return false;
    case WM_DESTROY:
      if (GridHolder *h = holder_of(window)) {
        SetWindowLongPtrA(window, kChildContentWord, 0);
        ulmogrd_destroy(h->grid);
        delete h;
      }
      return false;
    case WM_SIZE:
      if (GridHolder *h = holder_of(window)) {
        MoveWindow(h->grid_window, 0, 0, LOWORD(lparam), HIWORD(lparam), TRUE);
        InvalidateRect(window, nullptr, TRUE);
      }
      return false;   // the default MDI handling follows
    case WM_SETFOCUS:
      if (ULMOGRD_HANDLE grid = table_grid(window)) ulmogrd_set_focus(grid);
      *result = 0;
      return true;
    case WM_COMMAND:
      if (edit_command(window, LOWORD(wparam))) {
        *result = 0;
        return true;
      }
      return false;
  }
  return false;
}
