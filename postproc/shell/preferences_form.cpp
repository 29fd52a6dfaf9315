// The rules of the "Preferences" dialog. The record's fields are reached through two small
// tables in the record's order, so that the six fonts are handled by one loop each way.
#include "preferences_form.h"

#include <climits>

#include "../base/ascii.h"

namespace {

std::string GraphPreferences::*const kFaces[kPreferencesFontCount] = {
    &GraphPreferences::x_title_face, &GraphPreferences::y_title_face, &GraphPreferences::x_label_face,
    &GraphPreferences::y_label_face, &GraphPreferences::legend_face,  &GraphPreferences::text_face};
int32_t GraphPreferences::*const kSizes[kPreferencesFontCount] = {
    &GraphPreferences::x_title_size, &GraphPreferences::y_title_size, &GraphPreferences::x_label_size,
    &GraphPreferences::y_label_size, &GraphPreferences::legend_size,  &GraphPreferences::text_size};

}  // namespace

PreferencesForm preferences_form(const Settings &settings) {
  PreferencesForm form;
  for (int i = 0; i < kPreferencesFontCount; i++) {
    form.face[i] = settings.graph.*kFaces[i];
    form.size[i] = point_size_text(point_size_entry(settings.graph.*kSizes[i]));
  }
  form.graph_digits = std::to_string(settings.graph.graph_digits);
  form.tic_marks = std::to_string(settings.graph.tic_marks);
  form.cursor_digits = std::to_string(settings.cursor_digits);
  form.detect_multiple_traces = settings.detect_multiple_traces != 0;
  form.status_bar = settings.status_bar != 0;
  form.save_settings = settings.save_settings != 0;
  form.decimal = settings.cursor_number_format == 0;
  return form;
}

int face_entry(const std::vector<std::string> &entries, const std::string &face) {
  if (entries.empty()) return -1;
  for (size_t i = 0; i < entries.size(); i++)
    if (entries[i] == face) return static_cast<int>(i);
  return 0;
}

std::string point_size_text(int entry) { return std::to_string(8 + 2 * entry); }

bool parse_signed(const std::string &text, int32_t &value) {
  size_t i = 0, end = text.size();
  while (i < end && text[i] == ' ') i++;
  while (end > i && text[end - 1] == ' ') end--;
  bool negative = false;
  if (i < end && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  if (i == end) return false;
  long long magnitude = 0;
  for (; i < end; i++) {
    if (!is_ascii_digit(text[i])) return false;
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > static_cast<long long>(INT32_MAX) + 1) return false;
  }
  long long result = negative ? -magnitude : magnitude;
  if (result > INT32_MAX) return false;
  value = static_cast<int32_t>(result);
  return true;
}

PreferencesField store_preferences(const PreferencesForm &form, Settings &settings,
                                   bool &status_bar_changed) {
  status_bar_changed = false;
  int32_t sizes[kPreferencesFontCount], graph_digits, tic_marks, cursor_digits;
  for (int i = 0; i < kPreferencesFontCount; i++)
    if (!parse_signed(form.size[i], sizes[i])) return static_cast<PreferencesField>(i);
  if (!parse_signed(form.graph_digits, graph_digits)) return kGraphDigitsField;
  if (!parse_signed(form.tic_marks, tic_marks)) return kTicMarksField;
  if (!parse_signed(form.cursor_digits, cursor_digits)) return kCursorDigitsField;

  for (int i = 0; i < kPreferencesFontCount; i++) {
    if (!form.face[i].empty()) settings.graph.*kFaces[i] = form.face[i].substr(0, kFaceNameWidth);
    settings.graph.*kSizes[i] = sizes[i];
  }
  settings.graph.graph_digits = graph_digits;
  settings.graph.tic_marks = tic_marks;
  settings.cursor_digits = cursor_digits;
  settings.cursor_number_format = form.decimal ? 0 : 1;
  settings.detect_multiple_traces = form.detect_multiple_traces;
  status_bar_changed = (settings.status_bar != 0) != form.status_bar;
  settings.status_bar = form.status_bar;
  settings.save_settings = form.save_settings;
  return kNoBadField;
}
