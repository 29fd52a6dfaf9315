// The toolbar table. Every image of the bitmap appears once and in order; a button's
// tooltip is the string whose id is its command id, so the table holds no texts. The pressed
// looks are read off the menu's rules, so that the button and the check never disagree.
#include "toolbar_buttons.h"

#include "commands.h"

namespace {
const ToolbarEntry kSeparator = {-1, 0};
}

const ToolbarEntry kToolbarEntries[kToolbarEntryCount] = {
    kSeparator,
    {0, kCmdOpenDataFile},
    {1, kCmdSelectCurrentPlot},
    {2, kCmdLoadExperimentalData},
    kSeparator,
    {3, kCmdCopy},             // the tooltip says "Copy Graph"
    kSeparator,
    {4, kCmdPrint},
    kSeparator,
    {5, kCmdAddPlot},
    {6, kCmdAddText},
    kSeparator,
    {7, kCmdZoom},
    {8, kCmdShowCursors},      // the tooltip says "Display Cursors"
    kSeparator,
    {9, kCmdHelpContents},
};

std::vector<ToolbarButtonState> toolbar_button_states(const MenuContext &context) {
  std::vector<ToolbarButtonState> states = {{kCmdAddText, false}, {kCmdZoom, false}, {kCmdShowCursors, context.cursors_shown}};
  for (const MenuItemState &item : menu_item_states(context))
    for (ToolbarButtonState &button : states)
      if (item.id == button.command_id && item.id != kCmdShowCursors) button.pressed = item.checked == 1;
  return states;
}
