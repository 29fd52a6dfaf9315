// The toolbar's entries: order, separators and the images they take from the strip.
#include <gtest/gtest.h>

#include <string>

#include "resources/image_ids.h"
#include "shell/commands.h"
#include "shell/toolbar_buttons.h"

namespace {

TEST(ToolbarEntries, LeftToRightWithTheirGaps) {
  // image, command; -1/0 is a separator
  const int expected[kToolbarEntryCount][2] = {
      {-1, 0},     {0, 10001}, {1, 10004}, {2, 10008}, {-1, 0},    {3, 11002},
      {-1, 0},     {4, 10005}, {-1, 0},    {5, 12001}, {6, 12005}, {-1, 0},
      {7, 14002},  {8, 14003}, {-1, 0},    {9, 17001}};
  for (int i = 0; i < kToolbarEntryCount; i++) {
    EXPECT_EQ(kToolbarEntries[i].image, expected[i][0]) << "entry " << i;
    EXPECT_EQ(kToolbarEntries[i].command_id, expected[i][1]) << "entry " << i;
    EXPECT_EQ(is_separator(kToolbarEntries[i]), expected[i][0] < 0) << "entry " << i;
  }
}

TEST(ToolbarEntries, EveryImageOnceAndNoCommandTwice) {
  int images = 0;
  for (int i = 0; i < kToolbarEntryCount; i++) {
    if (is_separator(kToolbarEntries[i])) continue;
    EXPECT_EQ(kToolbarEntries[i].image, images) << "entry " << i;
    images++;
    for (int j = i + 1; j < kToolbarEntryCount; j++)
      EXPECT_NE(kToolbarEntries[i].command_id, kToolbarEntries[j].command_id);
  }
  EXPECT_EQ(images, kToolbarImageCount);
}

TEST(ToolbarEntries, ControlAndBitmap) {
  EXPECT_EQ(kToolbarControlId, 3242);
  EXPECT_EQ(IDB_TOOLBAR, 10012);
  EXPECT_EQ(kToolbarImageSize, 16);
}

// The pressed looks follow the active child: another graph window that is not zoomed, a
// table, or no child at all release Zoom, whatever window was zoomed before.
TEST(ToolbarButtonStates, FollowTheActiveChild) {
  struct Row {
    const char *name;
    MenuContext context;
    bool add_text, zoom, cursors;
  };
  MenuContext zoomed_graph{};
  zoomed_graph.has_active_child = true;
  zoomed_graph.child_kind = kGraphWindow;
  zoomed_graph.has_graph = true;
  zoomed_graph.zoomed = true;
  MenuContext other_graph = zoomed_graph;
  other_graph.zoomed = false;
  MenuContext pole_zero = zoomed_graph;
  pole_zero.child_kind = kPoleZeroWindow;
  MenuContext armed_graph = other_graph;
  armed_graph.add_text_mode = true;
  MenuContext table{};
  table.has_active_child = true;
  table.child_kind = kTableWindow;
  table.zoomed = true;   // a table is never zoomed; the rule must not look
  table.add_text_mode = true;
  table.cursors_shown = true;
  MenuContext none{};
  none.zoomed = true;
  none.add_text_mode = true;
  MenuContext cursors_on_graph = other_graph;
  cursors_on_graph.cursors_shown = true;
  const Row rows[] = {
      {"zoomed graph", zoomed_graph, false, true, false},
      {"another graph", other_graph, false, false, false},
      {"zoomed pole-zero graph", pole_zero, false, true, false},
      {"Add Text armed over a graph", armed_graph, true, false, false},
      {"table with cursors shown elsewhere", table, false, false, true},
      {"no child left", none, false, false, false},
      {"cursors on a graph", cursors_on_graph, false, false, true},
  };
  for (const Row &row : rows) {
    std::vector<ToolbarButtonState> states = toolbar_button_states(row.context);
    ASSERT_EQ(states.size(), 3u) << row.name;
    EXPECT_EQ(states[0].command_id, kCmdAddText) << row.name;
    EXPECT_EQ(states[0].pressed, row.add_text) << row.name;
    EXPECT_EQ(states[1].command_id, kCmdZoom) << row.name;
    EXPECT_EQ(states[1].pressed, row.zoom) << row.name;
    EXPECT_EQ(states[2].command_id, kCmdShowCursors) << row.name;
    EXPECT_EQ(states[2].pressed, row.cursors) << row.name;
  }
}

// The button and the menu's check mark come from one rule.
TEST(ToolbarButtonStates, AgreeWithTheMenuChecks) {
  for (int zoomed = 0; zoomed < 2; zoomed++) {
    for (int kind : {kGraphWindow, kPoleZeroWindow, kTableWindow}) {
      MenuContext c{};
      c.has_active_child = true;
      c.child_kind = kind;
      c.has_graph = kind != kTableWindow;
      c.zoomed = zoomed != 0;
      c.add_text_mode = zoomed != 0;
      for (const ToolbarButtonState &button : toolbar_button_states(c)) {
        if (button.command_id == kCmdShowCursors) continue;
        for (const MenuItemState &item : menu_item_states(c))
          if (item.id == button.command_id) EXPECT_EQ(button.pressed, item.checked == 1) << item.id << " kind " << kind;
      }
    }
  }
}

}  // namespace
