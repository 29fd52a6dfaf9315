// The toolbar's entries, left to right: a leading separator, then the ten buttons with the
// separators that group them.
#pragma once

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
