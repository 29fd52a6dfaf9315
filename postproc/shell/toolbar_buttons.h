// The toolbar's entries, left to right: a leading separator, then the ten buttons with the
// separators that group them.
#pragma once

#include <vector>

struct MenuContext;

const int kToolbarEntryCount = 16;
const int kToolbarImageCount = 10;
const int kToolbarControlId = 3242;
const int kToolbarImageSize = 16;  // images and buttons are 16 x 16; the strip is IDB_TOOLBAR

struct ToolbarEntry {
  int image;       // index into the toolbar bitmap; -1 for a separator
  int command_id;  // 0 for a separator; also the id of the tooltip string
};

extern const ToolbarEntry kToolbarEntries[kToolbarEntryCount];

inline bool is_separator(const ToolbarEntry &entry) { return entry.image < 0; }

// The buttons that show a state by their pressed look: Add Text, Zoom and Display Cursors.
struct ToolbarButtonState {
  int command_id;
  bool pressed;
};
// Each pressed as its menu item is checked for the active child (Zoom and Add Text), or as
// the cursors are shown; so activating another child, or closing the last, sets them all.
std::vector<ToolbarButtonState> toolbar_button_states(const MenuContext &context);
