// The "Preferences" dialog as data: what its boxes show for a settings record, and how
// confirming it changes the record. The Win32 dialog only moves these texts and flags
// between the record and its controls.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "settings.h"

// The six fonts, in the settings record's order.
enum PreferencesFont {
  kXTitleFont, kYTitleFont, kXLabelFont, kYLabelFont, kLegendFont, kTextFont,
  kPreferencesFontCount
};

struct PreferencesForm {
  std::string face[kPreferencesFontCount];  // texts of the font boxes
  std::string size[kPreferencesFontCount];  // texts of the point-size boxes
  std::string graph_digits;                 // the three number boxes
  std::string tic_marks;
  std::string cursor_digits;
  bool detect_multiple_traces;
  bool status_bar;
  bool save_settings;
  bool decimal;  // "Decimal" checked; otherwise "Scientific"
};

// A box whose text is not a number, or none.
enum PreferencesField {
  kNoBadField = -1,
  // 0..5: the point-size box of that font
  kGraphDigitsField = kPreferencesFontCount,
  kTicMarksField,
  kCursorDigitsField,
};

// What the dialog shows on opening: every face by its setting (the font box then picks its
// entry with face_entry), every size as the text of its entry of the size list.
PreferencesForm preferences_form(const Settings &settings);

// The entry of a font box that shows `face`: the one equal to it, else the first; -1 for an
// empty box.
int face_entry(const std::vector<std::string> &entries, const std::string &face);

// The size list 8, 10, ... 72 by entry.
std::string point_size_text(int entry);

// A signed 32-bit number as the platform's dialogs read it: optional blanks around it, an
// optional sign, digits only, in range.
bool parse_signed(const std::string &text, int32_t &value);

// Confirming the dialog. Nothing is stored unless every number box holds a number; then
// the faces (cut to 63 characters; an empty box keeps its face), the sizes and numbers
// without range checks, the number format and the three check boxes. Returns the first box
// that is not a number, or kNoBadField; `status_bar_changed` tells whether "StatusBar" did.
PreferencesField store_preferences(const PreferencesForm &form, Settings &settings,
                                   bool &status_bar_changed);
