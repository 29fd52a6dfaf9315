#include "shell/commands.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

// The item states as a map, for lookups by id.
std::map<int, MenuItemState> states_of(const MenuContext &c) {
  std::map<int, MenuItemState> m;
  for (const MenuItemState &s : menu_item_states(c)) {
    EXPECT_EQ(m.count(s.id), 0u) << "item listed twice: " << s.id;
    m[s.id] = s;
  }
  return m;
}

MenuContext no_child(bool data = false) {
  MenuContext c{};
  c.data_loaded = data;
  c.plot_count = data ? 1 : 0;
  c.current_plot_is_vector = data;
  c.printer_available = true;
  c.view_mode_command = kCmdViewNormal;
  return c;
}

MenuContext graph_child(int kind = kGraphWindow) {
  MenuContext c = no_child(true);
  c.has_active_child = true;
  c.child_kind = kind;
  c.has_graph = true;
  return c;
}

MenuContext table_child() {
  MenuContext c = no_child(true);
  c.has_active_child = true;
  c.child_kind = kTableWindow;
  return c;
}

const int kFormat[] = {13001, 13002, 13003, 13004, 13005, 13006};

TEST(MenuBar, HasSevenPopupsWithWindowSixthAndUniqueIds) {
  std::vector<std::string> popups;
  std::set<int> ids;
  int depth = 0;
  for (const MenuEntry &e : menu_bar()) {
    if (e.id == 0 && e.text) {
      EXPECT_EQ(depth, 0);
      popups.push_back(e.text);
      ++depth;
    } else if (e.id == -1) {
      --depth;
    } else if (e.id > 0) {
      EXPECT_TRUE(ids.insert(e.id).second) << e.id;
    }
  }
  EXPECT_EQ(depth, 0);
  ASSERT_EQ(popups.size(), 7u);
  EXPECT_EQ(popups[kWindowMenuPosition], "&Window");
  EXPECT_EQ(popups[0], "&File");
  // Every command of the table has its menu item, except Monitor File (10003) and the
  // recent files, which the settings append at run time.
  for (int id : {10001, 10002, 10004, 10005, 10006, 10007, 10008, 10009, 10015, 10016, 10017,
                 11001, 11002, 11003, 11004, 11005, 11006, 11007, 12001, 12002, 12003, 12004,
                 12005, 13001, 13002, 13003, 13004, 13005, 13006, 13007, 14001, 14002, 14003,
                 14004, 14005, 14006, 15001, 15002, 15003, 15004, 15005, 17001, 17002})
    EXPECT_EQ(ids.count(id), 1u) << id;
  EXPECT_EQ(ids.size(), 43u);
}

TEST(MenuBar, ItemTextsCarryTheirMnemonicAndKey) {
  std::map<int, std::string> text;
  for (const MenuEntry &e : menu_bar())
    if (e.id > 0) text[e.id] = e.text;
  EXPECT_EQ(text[14003], "Show &Cursors\tCtrl+U");
  EXPECT_EQ(text[14004], "Show &Legends\tCtrl+L");
  EXPECT_EQ(text[12002], "Add &FFT Plot...\tCtrl+F");
  EXPECT_EQ(text[14005], "&Normal");
  EXPECT_EQ(text[14006], "P&rint Layout");
  EXPECT_EQ(text[10017], "E&xport to Spreadsheet...");
  EXPECT_EQ(text[11001], "Cu&t\tCtrl+X");
  EXPECT_EQ(text[11004], "&Delete\tDel");
  EXPECT_EQ(text[10001], "&Open Datafile...\tCtrl+O");
}

TEST(MenuBar, EveryAcceleratorWithItsModifiersAndKey) {
  const unsigned C = kKeyCtrl, S = kKeyShift, A = kKeyAlt;
  std::map<int, Accelerator> want = {
    {10001, {C, 'O'}}, {10002, {C, 'R'}}, {10004, {C, 'S'}}, {10006, {A, 0x73}},
    {10008, {C, 'E'}}, {11001, {C, 'X'}}, {11002, {C, 'C'}}, {11003, {C, 'V'}},
    {11004, {0, 0x2E}}, {11005, {C, 'Z'}}, {11006, {C, 'Y'}}, {11007, {C, 'A'}},
    {12001, {C, 'Q'}}, {12002, {C, 'F'}}, {12003, {C, 'N'}}, {12005, {C, 'T'}},
    {13001, {C | S, 'X'}}, {13002, {C | S, 'Y'}}, {13003, {A, 'X'}}, {13004, {A, 'Y'}},
    {13005, {A | S, 'X'}}, {13006, {A | S, 'Y'}}, {14001, {C, 'I'}}, {14002, {C | S, 'Z'}},
    {14003, {C, 'U'}}, {14004, {C, 'L'}}, {15001, {0, 0x79}}, {15002, {0, 0x7A}},
    {15003, {0, 0x7B}}, {15004, {0, 0x78}}, {15005, {A, 'I'}}, {17001, {0, 0x70}},
  };
  std::vector<AcceleratorEntry> table = accelerator_table();
  ASSERT_EQ(table.size(), want.size());
  for (const AcceleratorEntry &a : table) {
    ASSERT_EQ(want.count(a.id), 1u) << a.id;
    EXPECT_EQ(a.key.modifiers, want[a.id].modifiers) << a.id;
    EXPECT_EQ(a.key.key, want[a.id].key) << a.id;
  }
}

TEST(MenuEnabling, WithoutDataTheSixDataItemsAreDisabled) {
  auto s = states_of(no_child(false));
  for (int id : {10002, 14001, 10009, 10017, 12001, 10004}) EXPECT_FALSE(s.at(id).enabled) << id;
  MenuContext c = no_child(true);
  c.plot_count = 2;
  s = states_of(c);
  for (int id : {10002, 14001, 10009, 10017, 12001, 10004}) EXPECT_TRUE(s.at(id).enabled) << id;
}

TEST(MenuEnabling, SelectCurrentPlotNeedsTwoPlotsAndAddPlotAVectorPlot) {
  MenuContext c = no_child(true);
  EXPECT_FALSE(states_of(c).at(10004).enabled);
  c.plot_count = 2;
  c.current_plot_is_vector = false;
  auto s = states_of(c);
  EXPECT_TRUE(s.at(10004).enabled);
  EXPECT_FALSE(s.at(12001).enabled);
  EXPECT_TRUE(s.at(10002).enabled);
}

TEST(MenuEnabling, WithoutAChildEverythingOfAWindowIsDisabledAndUnchecked) {
  auto s = states_of(no_child(true));
  for (int id : {11001, 11002, 11003, 11004, 11005, 11006, 11007, 10008, 12004, 14002, 12005,
                 14004, 10005, 15001, 15002, 15003, 15004, 15005, 14005, 14006, 10016, 12002,
                 12003, 14003}) {
    EXPECT_FALSE(s.at(id).enabled) << id;
  }
  for (int id : kFormat) EXPECT_FALSE(s.at(id).enabled) << id;
  for (int id : {14002, 12005, 14005, 14006}) EXPECT_EQ(s.at(id).checked, 0) << id;
  EXPECT_EQ(s.at(14003).text, "Show &Cursors\tCtrl+U");
  EXPECT_TRUE(s.at(10007).enabled);
  // Items no rule touches keep their resource state.
  for (int id : {10001, 10006, 10015, 13007, 17001, 17002}) EXPECT_EQ(s.count(id), 0u) << id;
}

TEST(MenuEnabling, ShowCursorsFollowsTheFlagAndTheChildKind) {
  MenuContext c = table_child();
  EXPECT_FALSE(states_of(c).at(14003).enabled);
  c.cursors_shown = true;
  auto s = states_of(c);
  EXPECT_TRUE(s.at(14003).enabled);
  EXPECT_EQ(s.at(14003).text, "Hide &Cursors\tCtrl+U");
  EXPECT_TRUE(states_of(graph_child(kPoleZeroWindow)).at(14003).enabled);
}

TEST(MenuEnabling, TableWindowFollowsItsGridAndDisablesGraphItems) {
  MenuContext c = table_child();
  c.grid_can_copy = true;
  c.grid_can_undo = true;
  auto s = states_of(c);
  EXPECT_TRUE(s.at(11002).enabled);
  EXPECT_TRUE(s.at(11005).enabled);
  EXPECT_FALSE(s.at(11001).enabled);
  EXPECT_FALSE(s.at(11003).enabled);
  EXPECT_FALSE(s.at(11006).enabled);
  EXPECT_TRUE(s.at(11007).enabled);
  for (int id : {10008, 14005, 14006, 10016, 12004, 14004, 14002, 12005}) {
    EXPECT_FALSE(s.at(id).enabled) << id;
    EXPECT_EQ(s.at(id).checked, 0) << id;
  }
  for (int id : kFormat) EXPECT_FALSE(s.at(id).enabled) << id;
  for (int id : {15001, 15002, 15003, 15004, 15005, 10005}) EXPECT_TRUE(s.at(id).enabled) << id;
  EXPECT_FALSE(s.at(12002).enabled);
}

TEST(MenuEnabling, GraphWindowWithItsGraph) {
  MenuContext c = graph_child();
  c.view_mode_command = kCmdViewPrintLayout;
  c.zoomed = true;
  c.legends_shown = true;
  c.add_text_mode = true;
  auto s = states_of(c);
  EXPECT_TRUE(s.at(11002).enabled);
  for (int id : {10008, 14005, 14006, 10016, 12004, 14002, 12005, 14004, 12002, 12003})
    EXPECT_TRUE(s.at(id).enabled) << id;
  for (int id : kFormat) EXPECT_TRUE(s.at(id).enabled) << id;
  EXPECT_EQ(s.at(14005).checked, 0);
  EXPECT_EQ(s.at(14006).checked, 1);
  EXPECT_EQ(s.at(14002).checked, 1);
  EXPECT_EQ(s.at(12005).checked, 1);
  EXPECT_EQ(s.at(14004).text, "Hide &Legends\tCtrl+L");
  EXPECT_FALSE(s.at(11004).enabled);
  for (int id : {11001, 11003, 11005, 11006, 11007}) EXPECT_FALSE(s.at(id).enabled) << id;

  c.top_text_selected = true;
  c.legends_shown = false;
  c.child_minimized = true;
  s = states_of(c);
  EXPECT_TRUE(s.at(11004).enabled);
  EXPECT_FALSE(s.at(11002).enabled);
  EXPECT_EQ(s.at(14004).text, "Show &Legends\tCtrl+L");
}

TEST(MenuEnabling, PoleZeroWindowHasNoXAxisExpressionOrFft) {
  auto s = states_of(graph_child(kPoleZeroWindow));
  EXPECT_FALSE(s.at(12004).enabled);
  EXPECT_FALSE(s.at(12002).enabled);
  EXPECT_FALSE(s.at(12003).enabled);
  EXPECT_TRUE(s.at(13001).enabled);
}

TEST(MenuEnabling, GraphWindowWithoutItsGraph) {
  MenuContext c = graph_child();
  c.has_graph = false;
  c.top_text_selected = true;
  auto s = states_of(c);
  for (int id : {12004, 14004, 11004, 12005, 14002}) EXPECT_FALSE(s.at(id).enabled) << id;
  for (int id : kFormat) EXPECT_FALSE(s.at(id).enabled) << id;
  EXPECT_TRUE(s.at(10016).enabled);
  EXPECT_TRUE(s.at(14005).enabled);
}

TEST(MenuEnabling, PrinterDecidesPrintAndPrinterSetup) {
  MenuContext c = graph_child();
  c.printer_available = false;
  auto s = states_of(c);
  EXPECT_FALSE(s.at(10005).enabled);
  EXPECT_FALSE(s.at(10007).enabled);
  EXPECT_TRUE(s.at(15001).enabled);
}

TEST(MenuBar, FileMenuMovesBehindAMaximizedChildsSystemMenu) {
  EXPECT_EQ(file_menu_position(false), 0);
  EXPECT_EQ(file_menu_position(true), 1);
}

}  // namespace
