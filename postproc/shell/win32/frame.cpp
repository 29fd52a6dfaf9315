// The frame window procedure: creation, layout, notifications, dropped files, the link
// messages and the teardown at close and destroy.
#include <windows.h>
#include <shellapi.h>

#include "../../base/win32/font_list_win32.h"
#include "../../data/load.h"
#include "../../data/plot_list.h"
#include "../../data/plot_model.h"
#include "../../dialogs/win32/format_dialogs.h"
#include "../../graph/resources.h"
#include "../../graph/win32/cursors.h"
#include "../../graph/win32/graph_window.h"
#include "../commands.h"
#include "../settings.h"
#include "../settings.h"
#include "app.h"
#include "printing.h"
#include "settings_registry.h"
#include "status_bar.h"
#include "toolbar.h"
#include "ui_win32.h"

namespace {

const size_t kDroppedPathLimit = 511;

// Fonts come from the printer, or from the screen when there is none.
void build_device_font_list() {
  if (HDC dc = printer_context()) {
    build_font_list(dc);
  } else {
    HDC screen = GetDC(nullptr);
    build_font_list(screen);
    ReleaseDC(nullptr, screen);
  }
}

HWND create_mdi_client(HWND frame) {
  CLIENTCREATESTRUCT ccs{};
  ccs.hWindowMenu = GetSubMenu(GetMenu(frame), kWindowMenuPosition);
  ccs.idFirstChild = kCmdFirstWindowEntry;
  return CreateWindowA("MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL,
                       0, 0, 0, 0, frame, reinterpret_cast<HMENU>(kMdiClientId), app().instance, &ccs);
}

void on_create(HWND frame) {
  app().frame = frame;
  install_win32_ui(frame);
  SetWindowLongPtrA(frame, kFrameSettingsWord, reinterpret_cast<LONG_PTR>(&settings()));
  install_registry_settings_store();
  app().file_menu = GetSubMenu(GetMenu(frame), file_menu_position(false));
  install_file_menu(frame, app().file_menu);
  load_settings();
  apply_graph_settings();
  // The graph windows open the format dialogs on double clicks and for new text blocks.
  set_graph_dialogs({run_axis_dialog, run_label_dialog, run_title_dialog, run_legend_dialog, run_text_dialog});
  init_printer(frame);
  apply_graph_settings();   // again: the graph engine measures fonts on the printer
  build_device_font_list();
  create_toolbar(frame);
  create_status_bar(frame);
  app().mdi_client = create_mdi_client(frame);
}

void on_drop_files(HDROP drop) {
  if (data_loaded()) {
    std::string loaded = current_file_name();
    mru_promote(loaded);
  }
  close_all_children();
  char path[kDroppedPathLimit + 1] = {};
  DragQueryFileA(drop, 0, path, sizeof path);
  std::string dropped = path;
  open_data_file_by_path(dropped);
  show_mdi_client();
  mru_add(dropped);
  DragFinish(drop);
}

void on_close(HWND frame) {
  if (cursor_info_window()) ShowWindow(cursor_info_window(), SW_HIDE);
  clear_plot_list();
  destroy_status_bar();
  close_all_children();
  free_font_list();
  destroy_graph_resources();
  DestroyWindow(frame);
}

void on_destroy(HWND frame) {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(frame, &placement);
  save_settings(from_platform(placement));
  clear_plot_list();
  release_printer();
  PostQuitMessage(0);
}

}  // namespace

void apply_graph_settings() {
  GraphWindowSettings s{};
  s.detect_multiple_traces = settings().detect_multiple_traces != 0;
  s.cursor_digits = settings().cursor_digits;
  s.cursor_number_format = settings().cursor_number_format;
  s.preferences = settings().graph;
  s.press_toolbar_button = check_toolbar_button;
  s.zoom_pointer = app().graph_cursor;
  s.printer = printer_font_surface();
  set_graph_window_settings(s);
}

AppState &app() {
  static AppState state{};
  return state;
}

void layout_frame() {
  HWND frame = app().frame;
  RECT client;
  GetClientRect(frame, &client);
  autosize_toolbar();
  layout_status_bar(frame);
  int top = toolbar_height();
  int bottom = settings().status_bar ? status_bar_top() : client.bottom;
  if (app().mdi_client) MoveWindow(app().mdi_client, 0, top, client.right, bottom - top, TRUE);
}

LRESULT CALLBACK frame_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      on_create(hwnd);
      return 0;
    case WM_SIZE:
      if (app().frame) layout_frame();
      place_cursor_info(hwnd);
      return 0;
    case WM_MOVE:
      place_cursor_info(hwnd);
      return 0;
    case WM_NOTIFY:
      return toolbar_notify(reinterpret_cast<const NMHDR *>(lparam));
    case WM_COMMAND:
      return frame_command(wparam, lparam);
    case WM_INITMENU:
      update_menu(reinterpret_cast<HMENU>(wparam));
      return 0;
    case WM_DROPFILES:
      on_drop_files(reinterpret_cast<HDROP>(wparam));
      return 0;
    case kLinkOneGraph:
    case kLinkGraphPerIndex:
    case kLinkGroups:
      handle_link_message(message);
      return 0;
    case WM_CLOSE:
      on_close(hwnd);
      return 0;
    case WM_DESTROY:
      on_destroy(hwnd);
      return 0;
  }
  return DefFrameProcA(hwnd, app().mdi_client, message, wparam, lparam);
}
