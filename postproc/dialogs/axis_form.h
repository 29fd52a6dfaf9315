// The Format Axis dialog ("Format X-Axis" / "Format Y-Axis") as data: what it shows for one
// axis, how its controls react while it is open (the increment and the tics are remembered
// across switches between linear and logarithmic), how OK validates and what it applies.
#pragma once

#include <string>

#include "../graph/axis.h"
#include "../graph/graph.h"

// The three range entries, in the order of the axis's automatic flags.
enum AxisEntry {
  kEntryMinimum = kAutomaticMin,
  kEntryMaximum = kAutomaticMax,
  kEntryIncrement = kAutomaticIncrement,
  kAxisEntryCount = 3
};

struct AxisForm {
  bool logarithmic;
  int base;                          // the base button selected: 8, 10, or 0 for none
  bool automatic[kAxisEntryCount];   // the "Auto" check boxes
  std::string entry[kAxisEntryCount];
  std::string tics;
  int major_grid, minor_grid;        // grid styles: 0 solid, 2 dot, 5 none
  bool display_grid;
};

// What the dialog keeps besides its controls.
struct AxisDialog {
  AxisForm form;
  int remembered_base;                   // the button Logarithmic selects
  double remembered_increment;           // what Linear puts back
  bool remembered_increment_automatic;
  int saved_tics;                        // what Linear puts back
  bool range_changed;                    // only then does OK apply the range
};

// The controls a type leaves enabled: the base buttons on a logarithmic axis; the increment
// with its check box and the tics with their arrows on a linear one.
struct AxisEnabling {
  bool base, increment, tics;
};
AxisEnabling axis_enabling(bool logarithmic);

// The string id of the caption for axis 0 (x) or 1 (y).
int axis_caption(int axis);

AxisDialog open_axis_dialog(const Graph *graph, int axis);

// The user's actions while the dialog is open. Choosing the type already selected changes
// nothing, so that a second click cannot undo a base or tics just chosen.
void choose_axis_type(AxisDialog &dialog, bool logarithmic);
void click_automatic(AxisDialog &dialog, int entry, bool checked);
void type_entry(AxisDialog &dialog, int entry, const std::string &text);
void leave_increment(AxisDialog &dialog);
void step_tics(AxisDialog &dialog, bool up);

// What OK found: a message (string id) to show, or an entry whose number lies beyond the
// double range, which the dialog selects for correcting. Both none: the form may be applied.
struct AxisCheck {
  int message;     // 0: none
  int bad_entry;   // -1: none
};
AxisCheck check_axis_form(const AxisForm &form);

// Applies a checked form through the axis operations: the tics, the base when the type or
// base changed, the automatic flags and the range when the range was touched, the grid.
void apply_axis_form(Graph *graph, int axis, const AxisDialog &dialog);
