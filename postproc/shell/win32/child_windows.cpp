// The window classes of the program and the MDI children the shell knows.
//
// Graph, pole-zero and table windows describe themselves in their first three window words
// (kind, content, plot index). The graph and text windows are the graph engine's; the shell
// forwards them their commands and keeps the active child up to date. Table windows are the
// table subsystem's; the shell adds their context menu and Print.
#include <windows.h>

#include "../../dialogs/win32/format_dialogs.h"
#include "../../graph/win32/cursors.h"
#include "../../graph/win32/graph_interaction.h"
#include "../../graph/win32/graph_window.h"
#include "../../graph/win32/legend_windows.h"
#include "../../resources/image_ids.h"
#include "../../tables/win32/table_window.h"
#include "../../resources/resource_ids.h"
#include "../../spectrum/win32/monitor_window.h"
#include "../commands.h"
#include "../settings.h"
#include "../settings.h"
#include "app.h"
#include "export.h"
#include "printing.h"
#include "status_bar.h"

namespace {

// Extra window bytes of each class: the words the shell knows are pointer-sized; what a class
// keeps beyond them (the graph window's 26 bytes, the text and cursor windows' own) is its
// owner's fixed-size layout. The 32-bit sizes are 4, 38, 16, 32 and 8 bytes.
const int kFrameExtraBytes = window_word(1);
const int kGraphExtraBytes = window_word(3) + 26;
const int kTableExtraBytes = window_word(4);
const int kTextExtraBytes = 32;
const int kCursorExtraBytes = 8;

const int kTableContextPopup = 1;   // of IDR_CHILD_CONTEXT_MENUS

// What every MDI child does alike: keep the active child, and the toolbar's pressed looks
// that follow it, up to date, then the default.
LRESULT child_default(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_MDIACTIVATE) {
    if (reinterpret_cast<HWND>(lparam) == hwnd) app().active_child = hwnd;
    else if (app().active_child == hwnd) app().active_child = nullptr;
    update_toolbar_buttons();
  } else if (message == WM_DESTROY) {
    if (app().active_child == hwnd) app().active_child = nullptr;
    update_toolbar_buttons();
  }
  return DefMDIChildProcA(hwnd, message, wparam, lparam);
}

// The graph window's commands, forwarded by the frame while it is the active child.
bool graph_command(HWND hwnd, int id) {
  switch (id) {
    case kCmdShowLegends: toggle_graph_legends(hwnd); return true;
    case kCmdViewNormal: set_graph_view(hwnd, kWindowView); return true;
    case kCmdViewPrintLayout: set_graph_view(hwnd, kPageView); return true;
    case kCmdCopy: copy_graph_window(hwnd); return true;
    case kCmdPrint: print_graph(hwnd); return true;
    case kCmdFormatXAxis:
    case kCmdFormatYAxis:
      if (run_axis_dialog(hwnd, id - kCmdFormatXAxis)) refresh_graph_window(hwnd);
      return true;
    case kCmdFormatXLabel:
    case kCmdFormatYLabel:
      if (run_label_dialog(hwnd, id - kCmdFormatXLabel)) refresh_graph_window(hwnd);
      return true;
    case kCmdFormatXTitle:
    case kCmdFormatYTitle:
      if (run_title_dialog(hwnd, id - kCmdFormatXTitle)) refresh_graph_window(hwnd);
      return true;
    case kCmdZoom: toggle_zoom(hwnd); return true;
    case kCmdAddText:
      if (window_graph(hwnd)) arm_add_text();
      return true;
    case kCmdDelete: delete_selected_text_block(hwnd); return true;
    case kCmdLoadExperimentalData: load_experimental_data(hwnd); return true;
  }
  return false;
}

LRESULT CALLBACK graph_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_COMMAND && graph_command(hwnd, LOWORD(wparam))) return 0;
  // A monitored file is read again when its window gets the focus after the file changed.
  if (message == WM_SETFOCUS) monitor_window_focused(hwnd, settings().graph);
  if (message == WM_NCDESTROY) monitor_window_destroyed(hwnd);
  LRESULT result = 0;
  if (graph_window_message(hwnd, message, wparam, lparam, &result)) return result;
  return child_default(hwnd, message, wparam, lparam);
}

LRESULT CALLBACK text_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  if (text_window_message(hwnd, message, wparam, lparam, &result)) return result;
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

void show_table_context_menu(HWND hwnd, LPARAM lparam) {
  POINT at = {static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
  if (lparam == -1) {   // from the keyboard
    at = {10, 10};
    ClientToScreen(hwnd, &at);
  }
  HMENU menu = LoadMenuA(app().instance, MAKEINTRESOURCEA(IDR_CHILD_CONTEXT_MENUS));
  if (!menu) return;
  TrackPopupMenu(GetSubMenu(menu, kTableContextPopup), TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y,
                 0, hwnd, nullptr);
  DestroyMenu(menu);
}

LRESULT CALLBACK table_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CONTEXTMENU:
      show_table_context_menu(hwnd, lparam);
      return 0;
    case WM_COMMAND:
      if (LOWORD(wparam) == kCmdPrint) {
        print_table(hwnd);
        return 0;
      }
      break;
  }
  LRESULT result = 0;
  if (table_window_message(hwnd, message, wparam, lparam, &result)) return result;
  return child_default(hwnd, message, wparam, lparam);
}

struct ClassSpec {
  const char *name;
  WNDPROC procedure;
  UINT style;
  int extra;
  int icon;            // resource id; 0: none
  bool arrow;
  HBRUSH background;
};

bool register_class(HINSTANCE instance, const ClassSpec &spec) {
  WNDCLASSA wc{};
  wc.style = spec.style;
  wc.lpfnWndProc = spec.procedure;
  wc.cbWndExtra = spec.extra;
  wc.hInstance = instance;
  wc.hIcon = spec.icon ? LoadIconA(instance, MAKEINTRESOURCEA(spec.icon)) : nullptr;
  wc.hCursor = spec.arrow ? LoadCursor(nullptr, IDC_ARROW) : nullptr;
  wc.hbrBackground = spec.background;
  wc.lpszClassName = spec.name;
  return RegisterClassA(&wc) != 0;
}

}  // namespace

bool register_window_classes(HINSTANCE instance) {
  const UINT clicks = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  WNDCLASSA frame{};
  frame.lpfnWndProc = frame_proc;
  frame.cbWndExtra = kFrameExtraBytes;   // the settings record
  frame.hInstance = instance;
  frame.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_PROGRAM));
  frame.hCursor = LoadCursor(nullptr, IDC_ARROW);
  frame.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  frame.lpszMenuName = MAKEINTRESOURCEA(IDR_MENU_BAR);
  frame.lpszClassName = "AppFrame";
  if (!RegisterClassA(&frame)) return false;
  const ClassSpec children[] = {
    {kGraphWindowClass, graph_proc, clicks, kGraphExtraBytes, IDI_GRAPH_WINDOW, false, white},
    {"ChildTable", table_proc, clicks, kTableExtraBytes, IDI_TABLE_WINDOW, true, white},
    {kTextWindowClass, text_proc, clicks, kTextExtraBytes, IDI_TABLE_WINDOW, false, white},
    {kCursorWindowClass, cursor_marker_proc, 0, kCursorExtraBytes, 0, true, nullptr},
  };
  for (const ClassSpec &spec : children)
    if (!register_class(instance, spec)) return false;
  if (!register_status_class(instance)) return false;
  app().graph_cursor = LoadCursorA(instance, MAKEINTRESOURCEA(IDC_GRAPH_CROSSHAIR));
  return true;
}

void close_all_children() {
  HWND client = app().mdi_client;
  if (!client) return;
  ShowWindow(client, SW_HIDE);
  for (;;) {
    HWND child = GetWindow(client, GW_CHILD);
    // Icon titles of minimized children have an owner; they go with their child.
    while (child && GetWindow(child, GW_OWNER)) child = GetWindow(child, GW_HWNDNEXT);
    if (!child) break;
    SendMessageA(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
  }
}

void show_mdi_client() {
  if (app().mdi_client) ShowWindow(app().mdi_client, SW_SHOW);
}
