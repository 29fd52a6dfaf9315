// Command dispatch of the frame window and the menu enabling when a menu opens.
//
// Commands of the active child are forwarded to it (the graph window acts on Copy, the view
// and the legends); those whose owners do not exist yet (table and pole-zero content, graph
// files, printing) are wired here with their preconditions checked.
#include <windows.h>

#include "../../base/text.h"
#include "../../data/load.h"
#include "../../data/plot_model.h"
#include "../../data/win32/plot_dialogs.h"
#include "../../graph/win32/cursors.h"
#include "../../graph/win32/graph_interaction.h"
#include "../../graph/win32/graph_window.h"
#include "../../resources/resource_ids.h"
#include "../../spectrum/win32/fft_windows.h"
#include "../../spectrum/win32/monitor_window.h"
#include "../../tables/win32/table_window.h"
#include "../../traces/win32/add_plot_dialog.h"
#include "../../traces/win32/plot_windows.h"
#include "../settings.h"
#include "../commands.h"
#include "../settings.h"
#include "../toolbar_buttons.h"
#include "about.h"
#include "export.h"
#include "file_dialog.h"
#include "app.h"
#include "graph_files.h"
#include "preferences.h"
#include "printing.h"
#include "status_bar.h"
#include "toolbar.h"

void open_data_file_by_dialog();
void open_recent_file(int command_id);

namespace {

int child_kind(HWND child) { return static_cast<int>(GetWindowLongPtrA(child, kChildKindWord)); }

void forward_to_active_child(WPARAM wparam, LPARAM lparam) {
  if (app().active_child) SendMessageA(app().active_child, WM_COMMAND, wparam, lparam);
}

// The name the link gives the data when the simulator sent none: nothing to reload from.
const char kLinkPlaceholder[] = "Ulmo-Dizid link (no data file)";

void reload() {
  if (!data_loaded()) return;
  std::string path = current_file_name();
  load_data_file(path.c_str());
  // Graph windows re-evaluate their traces from the reloaded data; tables stay as they are.
  if (current_file_name() != kLinkPlaceholder) recompute_graph_windows(app().mdi_client, app().frame);
}

// The cursors belong to the graph window that showed them; hiding works from any child.
void toggle_cursors() {
  HWND child = app().active_child;
  if (!child || (child_kind(child) == kTableWindow && !cursors_shown())) return;
  if (cursors_shown()) {
    hide_cursors();
  } else {
    deselect_plot(child);   // its inverted handles go before the cursors draw
    show_cursors(child, app().frame);
  }
  BringWindowToTop(app().frame);
  check_toolbar_button(kCmdShowCursors, cursors_shown());
}

void preferences() {
  bool status_bar_changed = show_preferences(app().frame);
  apply_graph_settings();
  if (!status_bar_changed) return;
  show_status_bar(settings().status_bar ? SW_SHOW : SW_HIDE);
  layout_frame();
}

void add_plot() {
  if (plot_count() < 1 || current_plot_kind() != kPlotVector) return;
  HWND active = app().active_child;
  bool can_overlay = active && child_kind(active) != kTableWindow && window_graph(active);
  AddPlotResult batch = run_add_plot_dialog(app().frame, can_overlay);
  GraphPreferences preferences = settings().graph;
  if (batch.choice == AddPlotChoice::kNewPlot)
    new_plot_window(app().mdi_client, batch, preferences);
  else if (batch.choice == AddPlotChoice::kOverlayPlot && can_overlay)
    overlay_plot_window(active, batch, preferences);
}

void fft_plots_of_active_graph(bool normalized) {
  HWND active = app().active_child;
  if (active && child_kind(active) == kGraphWindow)
    add_fft_plots(app().mdi_client, active, normalized, settings().graph);
}

bool browse_for_monitored_file(HWND, std::string &path) {
  return file_dialog(path, true, IDS_INITIAL_EXPERIMENTAL_FILE, load_text(IDS_FILTER_EXPERIMENTAL_FILES),
                     "Browse");
}

void x_axis_expression() {
  HWND active = app().active_child;
  if (active && child_kind(active) == kGraphWindow) x_axis_expression_window(active);
}

MenuContext menu_context() {
  MenuContext c{};
  c.cursors_shown = cursors_shown();
  c.data_loaded = data_loaded();
  c.current_plot_is_vector = current_plot_kind() == kPlotVector;
  c.plot_count = plot_count();
  c.printer_available = printer_available();
  HWND child = app().active_child;
  c.has_active_child = child != nullptr;
  c.view_mode_command = kCmdViewNormal;
  if (child) {
    c.child_kind = child_kind(child);
    c.child_minimized = IsIconic(child) != 0;
    const Graph *graph = c.child_kind != kTableWindow ? window_graph(child) : nullptr;
    c.has_graph = graph != nullptr;
    if (graph) {
      c.view_mode_command = kViewCommandBase + graph->view_mode;
      c.legends_shown = graph->legend_display == kLegendShown;
      c.zoomed = graph_window_zoomed(child);
      c.top_text_selected = top_text_block_selected(child);
    }
    c.add_text_mode = add_text_armed();
    if (c.child_kind == kTableWindow) {
      GridAbilities grid = table_grid_abilities(child);
      c.grid_can_cut = grid.cut;
      c.grid_can_copy = grid.copy;
      c.grid_can_paste = grid.paste;
      c.grid_can_undo = grid.undo;
      c.grid_can_redo = grid.redo;
    }
  }
  return c;
}

}  // namespace

// Print needs a printer context, and so does Printer Setup.
bool printer_available() { return printer_availability() != 0; }

void update_menu(HMENU menu) {
  for (const MenuItemState &s : menu_item_states(menu_context())) {
    if (!s.text.empty()) {
      MENUITEMINFOA info{};
      info.cbSize = sizeof info;
      info.fMask = MIIM_STRING;
      info.dwTypeData = const_cast<char *>(s.text.c_str());
      SetMenuItemInfoA(menu, s.id, FALSE, &info);
    }
    EnableMenuItem(menu, s.id, MF_BYCOMMAND | (s.enabled ? MF_ENABLED : MF_GRAYED));
    if (s.checked >= 0) CheckMenuItem(menu, s.id, MF_BYCOMMAND | (s.checked ? MF_CHECKED : MF_UNCHECKED));
  }
}

void update_toolbar_buttons() {
  for (const ToolbarButtonState &button : toolbar_button_states(menu_context()))
    check_toolbar_button(button.command_id, button.pressed);
}

LRESULT frame_command(WPARAM wparam, LPARAM lparam) {
  const int id = LOWORD(wparam);
  HWND client = app().mdi_client;
  switch (id) {
    case kCmdOpenDataFile: open_data_file_by_dialog(); break;
    case kCmdOpenGraphFile: open_graph_file(""); break;
    case kCmdSaveGraphFile: save_graph_file(); break;
    case kCmdReload: reload(); break;
    case kCmdSelectCurrentPlot: show_select_current_plot(app().frame); break;
    case kCmdExit: SendMessageA(app().frame, WM_CLOSE, 0, 0); break;
    case kCmdAddPlot: add_plot(); break;
    case kCmdXAxisExpression: x_axis_expression(); break;
    case kCmdAddFftPlot: fft_plots_of_active_graph(false); break;
    case kCmdAddNormalizedFftPlot: fft_plots_of_active_graph(true); break;
    case kCmdMonitorFile:
      monitor_file_command(app().frame, client, settings().graph, browse_for_monitored_file);
      break;
    case kCmdPreferences: preferences(); break;
    case kCmdPlotInfo: show_plot_info(app().frame); break;
    case kCmdShowCursors: toggle_cursors(); break;
    case kCmdTileHorizontal: SendMessageA(client, WM_MDITILE, MDITILE_HORIZONTAL, 0); break;
    case kCmdTileVertical: SendMessageA(client, WM_MDITILE, MDITILE_VERTICAL, 0); break;
    case kCmdCascade: SendMessageA(client, WM_MDICASCADE, 0, 0); break;
    case kCmdCloseAll: close_all_children(); show_mdi_client(); break;
    case kCmdArrangeIcons: SendMessageA(client, WM_MDIICONARRANGE, 0, 0); break;
    case kCmdHelpContents: show_help(); break;
    case kCmdAbout: show_about(app().frame); break;
    case kCmdPrinterSetup: printer_setup(app().frame, client); break;
    case kCmdPrint:
    case kCmdLoadExperimentalData:
    case kCmdCut: case kCmdCopy: case kCmdPaste: case kCmdDelete:
    case kCmdUndo: case kCmdRedo: case kCmdSelectAll:
    case kCmdAddText:
    case kCmdFormatXAxis: case kCmdFormatYAxis: case kCmdFormatXLabel:
    case kCmdFormatYLabel: case kCmdFormatXTitle: case kCmdFormatYTitle:
    case kCmdZoom: case kCmdShowLegends: case kCmdViewNormal: case kCmdViewPrintLayout:
      forward_to_active_child(wparam, lparam);
      break;
    case kCmdExportToFile: export_to_file(); break;
    case kCmdExportToSpreadsheet: export_to_spreadsheet(); break;
      break;
    default:
      if (id >= kCmdRecentFile1 && id <= kCmdRecentFile5) {
        open_recent_file(id);
        break;
      }
      return DefFrameProcA(app().frame, client, WM_COMMAND, wparam, lparam);
  }
  return 0;
}
