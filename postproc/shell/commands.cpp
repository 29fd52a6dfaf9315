// The menu bar, its keys and the menu enabling rules; see commands.h.
#include "commands.h"

namespace {

// Virtual-key codes of the keys that are not letters.
const int kVkDelete = 0x2E, kVkF1 = 0x70, kVkF4 = 0x73, kVkF9 = 0x78, kVkF10 = 0x79,
          kVkF11 = 0x7A, kVkF12 = 0x7B;

const Accelerator kNoKey = {0, 0};
Accelerator ctrl(char c) { return {kKeyCtrl, c}; }
Accelerator ctrl_shift(char c) { return {kKeyCtrl | kKeyShift, c}; }
Accelerator alt(int key) { return {kKeyAlt, key}; }
Accelerator alt_shift(char c) { return {kKeyAlt | kKeyShift, c}; }
Accelerator plain(int key) { return {0, key}; }

MenuEntry popup(const char *text) { return {0, text, kNoKey}; }
MenuEntry item(int id, const char *text, Accelerator key = kNoKey) { return {id, text, key}; }
MenuEntry separator() { return {0, nullptr, kNoKey}; }
MenuEntry end() { return {-1, nullptr, kNoKey}; }

std::vector<MenuEntry> make_menu_bar() {
  return {
    popup("&File"),
      item(kCmdOpenDataFile, "&Open Datafile...\tCtrl+O", ctrl('O')),
      item(kCmdReload, "&Reload\tCtrl+R", ctrl('R')),
      item(kCmdSelectCurrentPlot, "&Select Current Plot...\tCtrl+S", ctrl('S')),
      separator(),
      item(kCmdOpenGraphFile, "Open &Graph File..."),
      item(kCmdSaveGraphFile, "Sa&ve Graph File..."),
      separator(),
      item(kCmdLoadExperimentalData, "Load &Experimental Data...\tCtrl+E", ctrl('E')),
      item(kCmdExportToFile, "Export to &File..."),
      item(kCmdExportToSpreadsheet, "E&xport to Spreadsheet..."),
      separator(),
      item(kCmdPrint, "&Print"),
      item(kCmdPrinterSetup, "Printer Set&up..."),
      separator(),
      item(kCmdExit, "Ex&it\tAlt+F4", alt(kVkF4)),
    end(),
    popup("&Edit"),
      item(kCmdUndo, "&Undo\tCtrl+Z", ctrl('Z')),
      item(kCmdRedo, "&Redo\tCtrl+Y", ctrl('Y')),
      separator(),
      item(kCmdCut, "Cu&t\tCtrl+X", ctrl('X')),
      item(kCmdCopy, "&Copy\tCtrl+C", ctrl('C')),
      item(kCmdPaste, "&Paste\tCtrl+V", ctrl('V')),
      item(kCmdDelete, "&Delete\tDel", plain(kVkDelete)),
      separator(),
      item(kCmdSelectAll, "&Select All\tCtrl+A", ctrl('A')),
    end(),
    popup("&Graph"),
      item(kCmdAddPlot, "Add &Plot...\tCtrl+Q", ctrl('Q')),
      item(kCmdAddFftPlot, "Add &FFT Plot...\tCtrl+F", ctrl('F')),
      item(kCmdAddNormalizedFftPlot, "Add Normalized FFT Plot...\tCtrl+N", ctrl('N')),
      item(kCmdXAxisExpression, "&X-Axis Expression..."),
      separator(),
      item(kCmdAddText, "Add &Text\tCtrl+T", ctrl('T')),
    end(),
    popup("F&ormat"),
      item(kCmdFormatXAxis, "&X-Axis\tCtrl+Shift+X", ctrl_shift('X')),
      item(kCmdFormatYAxis, "&Y-Axis\tCtrl+Shift+Y", ctrl_shift('Y')),
      item(kCmdFormatXLabel, "X-&Label\tAlt+X", alt('X')),
      item(kCmdFormatYLabel, "Y-L&abel\tAlt+Y", alt('Y')),
      item(kCmdFormatXTitle, "X-&Title\tAlt+Shift+X", alt_shift('X')),
      item(kCmdFormatYTitle, "Y-Titl&e\tAlt+Shift+Y", alt_shift('Y')),
      separator(),
      item(kCmdPreferences, "&Preferences..."),
    end(),
    popup("&View"),
      item(kCmdPlotInfo, "Plot &Info...\tCtrl+I", ctrl('I')),
      item(kCmdZoom, "&Zoom\tCtrl+Shift+Z", ctrl_shift('Z')),
      item(kCmdShowCursors, "Show &Cursors\tCtrl+U", ctrl('U')),
      item(kCmdShowLegends, "Show &Legends\tCtrl+L", ctrl('L')),
      separator(),
      item(kCmdViewNormal, "&Normal"),
      item(kCmdViewPrintLayout, "P&rint Layout"),
    end(),
    popup("&Window"),
      item(kCmdTileHorizontal, "Tile &Horizontal\tF10", plain(kVkF10)),
      item(kCmdTileVertical, "Tile &Vertical\tF11", plain(kVkF11)),
      item(kCmdCascade, "&Cascade\tF12", plain(kVkF12)),
      item(kCmdCloseAll, "Close &All\tF9", plain(kVkF9)),
      item(kCmdArrangeIcons, "Arrange &Icons\tAlt+I", alt('I')),
    end(),
    popup("&Help"),
      item(kCmdHelpContents, "&Contents\tF1", plain(kVkF1)),
      item(kCmdAbout, "&About Ulmo-Postprocessor..."),
    end(),
  };
}

// Builds the list of item states; later rules override earlier ones for the same id, as
// they would on the real menu.
class StateList {
 public:
  void set(int id, bool enabled, int checked = -1) {
    MenuItemState &s = find(id);
    s.enabled = enabled;
    if (checked >= 0) s.checked = checked;
  }
  void set_text(int id, const std::string &text) { find(id).text = text; }
  void disable_all(std::initializer_list<int> ids, bool uncheck) {
    for (int id : ids) set(id, false, uncheck ? 0 : -1);
  }
  std::vector<MenuItemState> take() { return std::move(states_); }

 private:
  MenuItemState &find(int id) {
    for (MenuItemState &s : states_)
      if (s.id == id) return s;
    states_.push_back({id, false, -1, std::string()});
    return states_.back();
  }
  std::vector<MenuItemState> states_;
};

const std::initializer_list<int> kFormatItems = {kCmdFormatXAxis, kCmdFormatYAxis,
  kCmdFormatXLabel, kCmdFormatYLabel, kCmdFormatXTitle, kCmdFormatYTitle};

void data_rules(const MenuContext &c, StateList &s) {
  s.set(kCmdReload, c.data_loaded);
  s.set(kCmdPlotInfo, c.data_loaded);
  s.set(kCmdExportToFile, c.data_loaded);
  s.set(kCmdExportToSpreadsheet, c.data_loaded);
  s.set(kCmdAddPlot, c.data_loaded && c.current_plot_is_vector);
  s.set(kCmdSelectCurrentPlot, c.data_loaded && c.plot_count >= 2);
}

void graph_window_rules(const MenuContext &c, StateList &s) {
  s.set(kCmdCopy, !c.child_minimized);
  s.set(kCmdLoadExperimentalData, true);
  s.set(kCmdViewNormal, true, c.view_mode_command == kCmdViewNormal);
  s.set(kCmdViewPrintLayout, true, c.view_mode_command == kCmdViewPrintLayout);
  s.set(kCmdSaveGraphFile, true);
  // A graph window without its graph object has nothing to zoom either.
  s.set(kCmdZoom, c.has_graph, c.zoomed);
  if (c.has_graph) {
    s.set(kCmdXAxisExpression, c.child_kind == kGraphWindow);
    for (int id : kFormatItems) s.set(id, true);
    s.set_text(kCmdShowLegends, c.legends_shown ? "Hide &Legends\tCtrl+L" : "Show &Legends\tCtrl+L");
    s.set(kCmdShowLegends, true);
    s.set(kCmdDelete, c.top_text_selected);
    s.set(kCmdAddText, true, c.add_text_mode);
  } else {
    s.set(kCmdXAxisExpression, false);
    for (int id : kFormatItems) s.set(id, false);
    s.disable_all({kCmdShowLegends, kCmdDelete, kCmdAddText}, false);
  }
  s.disable_all({kCmdCut, kCmdPaste, kCmdUndo, kCmdRedo, kCmdSelectAll}, false);
}

void table_window_rules(const MenuContext &c, StateList &s) {
  s.set(kCmdCut, c.grid_can_cut);
  // Delete cuts the selection in a table, so it can do what Cut can.
  s.set(kCmdDelete, c.grid_can_cut);
  s.set(kCmdCopy, c.grid_can_copy);
  s.set(kCmdPaste, c.grid_can_paste);
  s.set(kCmdUndo, c.grid_can_undo);
  s.set(kCmdRedo, c.grid_can_redo);
  s.set(kCmdSelectAll, true);
  s.disable_all({kCmdLoadExperimentalData, kCmdViewNormal, kCmdViewPrintLayout, kCmdSaveGraphFile,
                 kCmdXAxisExpression, kCmdShowLegends, kCmdZoom, kCmdAddText}, true);
  for (int id : kFormatItems) s.set(id, false, 0);
}

void no_child_rules(StateList &s) {
  s.disable_all({kCmdCut, kCmdCopy, kCmdPaste, kCmdDelete, kCmdUndo, kCmdRedo, kCmdSelectAll,
                 kCmdLoadExperimentalData, kCmdXAxisExpression, kCmdZoom, kCmdAddText,
                 kCmdShowLegends, kCmdPrint, kCmdTileHorizontal, kCmdTileVertical, kCmdCascade,
                 kCmdArrangeIcons, kCmdCloseAll, kCmdViewNormal, kCmdViewPrintLayout,
                 kCmdSaveGraphFile}, true);
  for (int id : kFormatItems) s.set(id, false, 0);
}

}  // namespace

const std::vector<MenuEntry> &menu_bar() {
  static const std::vector<MenuEntry> menu = make_menu_bar();
  return menu;
}

std::vector<AcceleratorEntry> accelerator_table() {
  std::vector<AcceleratorEntry> table;
  for (const MenuEntry &e : menu_bar())
    if (e.id > 0 && e.key.key != 0) table.push_back({e.id, e.key});
  return table;
}

std::vector<MenuItemState> menu_item_states(const MenuContext &c) {
  StateList s;
  s.set_text(kCmdShowCursors, c.cursors_shown ? "Hide &Cursors\tCtrl+U" : "Show &Cursors\tCtrl+U");
  s.set(kCmdShowCursors, c.has_active_child && (c.cursors_shown || c.child_kind != kTableWindow));
  data_rules(c, s);
  if (c.has_active_child) {
    for (int id : {kCmdTileHorizontal, kCmdTileVertical, kCmdCascade, kCmdArrangeIcons, kCmdCloseAll})
      s.set(id, true);
    s.set(kCmdPrint, c.printer_available);
    if (c.child_kind == kGraphWindow || c.child_kind == kPoleZeroWindow) graph_window_rules(c, s);
    else if (c.child_kind == kTableWindow) table_window_rules(c, s);
  } else {
    no_child_rules(s);
  }
  bool fft = c.has_active_child && c.child_kind == kGraphWindow;
  s.set(kCmdAddFftPlot, fft);
  s.set(kCmdAddNormalizedFftPlot, fft);
  s.set(kCmdPrinterSetup, c.printer_available);
  return s.take();
}
