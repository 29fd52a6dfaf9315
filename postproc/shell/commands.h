// The command table of the frame window and the menu enabling rules.
//
// Commands reach the frame from the menu, the accelerators, the toolbar and context menus.
// The table below is the one description in code of the menu bar and the keys; the resource
// script transcribes it, and a Win32 test keeps the two in step. Menu enabling is a pure
// function of what the frame knows when a menu opens, so that every rule is tested natively;
// the Win32 half only applies its result to the real menu.
#pragma once

#include <string>
#include <vector>

#include "../base/child_window.h"

enum CommandId : int {
  kCmdOpenDataFile = 10001,
  kCmdReload = 10002,
  kCmdMonitorFile = 10003,
  kCmdSelectCurrentPlot = 10004,
  kCmdPrint = 10005,
  kCmdExit = 10006,
  kCmdPrinterSetup = 10007,
  kCmdLoadExperimentalData = 10008,
  kCmdExportToFile = 10009,
  kCmdRecentFile1 = 10010,            // 10010 .. 10014
  kCmdRecentFile5 = 10014,
  kCmdOpenGraphFile = 10015,
  kCmdSaveGraphFile = 10016,
  kCmdExportToSpreadsheet = 10017,
  kCmdCut = 11001,
  kCmdCopy = 11002,
  kCmdPaste = 11003,
  kCmdDelete = 11004,
  kCmdUndo = 11005,
  kCmdRedo = 11006,
  kCmdSelectAll = 11007,
  kCmdAddPlot = 12001,
  kCmdAddFftPlot = 12002,
  kCmdAddNormalizedFftPlot = 12003,
  kCmdXAxisExpression = 12004,
  kCmdAddText = 12005,
  kCmdFormatXAxis = 13001,
  kCmdFormatYAxis = 13002,
  kCmdFormatXLabel = 13003,
  kCmdFormatYLabel = 13004,
  kCmdFormatXTitle = 13005,
  kCmdFormatYTitle = 13006,
  kCmdPreferences = 13007,
  kCmdPlotInfo = 14001,
  kCmdZoom = 14002,
  kCmdShowCursors = 14003,
  kCmdShowLegends = 14004,
  kCmdViewNormal = 14005,
  kCmdViewPrintLayout = 14006,
  kCmdTileHorizontal = 15001,
  kCmdTileVertical = 15002,
  kCmdCascade = 15003,
  kCmdCloseAll = 15004,
  kCmdArrangeIcons = 15005,
  kCmdFirstWindowEntry = 16100,       // the MDI window list
  kCmdHelpContents = 17001,
  kCmdAbout = 17002,
};

// Child window kinds, stored in the first window word of every MDI child.

// Accelerator modifiers.
enum : unsigned { kKeyCtrl = 1, kKeyShift = 2, kKeyAlt = 4 };

struct Accelerator {
  unsigned modifiers;   // kKeyCtrl | kKeyShift | kKeyAlt
  int key;              // the platform's virtual-key code (letters are their capitals)
};

// One item of the menu bar. A popup has id 0 and is followed by its items up to its end
// marker (id -1); a separator has id 0 and no text.
struct MenuEntry {
  int id;
  const char *text;     // with its mnemonic and the key after a tab, as the menu shows it
  Accelerator key;      // {0, 0}: none
};

// Menu resource 1, in order.
const std::vector<MenuEntry> &menu_bar();
// Every accelerator of table 1 with its command, in menu order.
struct AcceleratorEntry { int id; Accelerator key; };
std::vector<AcceleratorEntry> accelerator_table();

// Number of the "Window" popup on the menu bar (the MDI window list goes there).
const int kWindowMenuPosition = 5;

// What the frame knows about itself and its active child when a menu opens.
struct MenuContext {
  bool cursors_shown;
  bool data_loaded;
  bool current_plot_is_vector;
  int plot_count;
  bool printer_available;
  bool has_active_child;
  int child_kind;             // ChildKind of the active child
  bool child_minimized;
  int view_mode_command;      // kCmdViewNormal or kCmdViewPrintLayout
  bool zoomed;
  bool has_graph;             // the graph window has its graph object
  bool legends_shown;
  bool top_text_selected;     // topmost child is a text block with its selection mark
  bool add_text_mode;
  // What the grid of an active table window can do.
  bool grid_can_cut, grid_can_copy, grid_can_paste, grid_can_undo, grid_can_redo;
};

// The state one menu item gets. Items the rules leave alone are not listed.
struct MenuItemState {
  int id;
  bool enabled;
  int checked;                // 1 checked, 0 unchecked, -1 left as it is
  std::string text;           // the new text, or empty to keep it
};

std::vector<MenuItemState> menu_item_states(const MenuContext &context);

// Whether the menu bar's File menu is at position 1 (a maximized child's system menu first).
inline int file_menu_position(bool child_maximized) { return child_maximized ? 1 : 0; }
