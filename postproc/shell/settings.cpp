// Settings record, store access and the recent-file list; see settings.h.
#include "settings.h"

#include <cstdio>
#include <cstring>

#include "commands.h"

namespace {

Settings g_settings = default_settings();
SettingsStore g_store = {};
RecentFileMenu g_menu = {};

// One text and one number column of the value table, in the store's order. A field is the
// graph preferences' (graph) or the record's own (own).
struct TextField {
  const char *name;
  std::string GraphPreferences::*graph;
  std::string Settings::*own;
  size_t width;
};
struct NumberField {
  const char *name;
  int32_t GraphPreferences::*graph;
  int32_t Settings::*own;
};

const TextField kTextFields[] = {
  {"XTitleFaceName", &GraphPreferences::x_title_face, nullptr, kFaceNameWidth},
  {"YTitleFaceName", &GraphPreferences::y_title_face, nullptr, kFaceNameWidth},
  {"XLabelFaceName", &GraphPreferences::x_label_face, nullptr, kFaceNameWidth},
  {"YLabelFaceName", &GraphPreferences::y_label_face, nullptr, kFaceNameWidth},
  {"LegendFaceName", &GraphPreferences::legend_face, nullptr, kFaceNameWidth},
  {"TextFaceName", &GraphPreferences::text_face, nullptr, kFaceNameWidth},
  {"LastGraph", nullptr, &Settings::last_graph, kPathWidth},
  {"LastDataFile", nullptr, &Settings::last_data_file, kPathWidth},
};

const NumberField kNumberFields[] = {
  {"XTitlePointSize", &GraphPreferences::x_title_size, nullptr},
  {"YTitlePointSize", &GraphPreferences::y_title_size, nullptr},
  {"XLabelPointSize", &GraphPreferences::x_label_size, nullptr},
  {"YLabelPointSize", &GraphPreferences::y_label_size, nullptr},
  {"LegendPointSize", &GraphPreferences::legend_size, nullptr},
  {"TextPointSize", &GraphPreferences::text_size, nullptr},
  {"DetectMultipleTraces", nullptr, &Settings::detect_multiple_traces},
  {"DisplayWelcome", nullptr, &Settings::display_welcome},
  {"GraphDigits", &GraphPreferences::graph_digits, nullptr},
  {"TicMarks", &GraphPreferences::tic_marks, nullptr},
  {"CursorWndDigits", nullptr, &Settings::cursor_digits},
  {"CursorWndNumberFormat", nullptr, &Settings::cursor_number_format},
  {"StatusBar", nullptr, &Settings::status_bar},
  {"SaveSettings", nullptr, &Settings::save_settings},
};

std::string &field_of(Settings &s, const TextField &f) { return f.graph ? s.graph.*f.graph : s.*f.own; }
int32_t &field_of(Settings &s, const NumberField &f) { return f.graph ? s.graph.*f.graph : s.*f.own; }

const char *const kRecentNames[kRecentFileCount] = {"File1", "File2", "File3", "File4", "File5"};

bool read_text(const char *name, size_t width, std::string &value) {
  if (!g_store.read_text || !g_store.read_text(name, value)) return false;
  if (value.size() > width) value.resize(width);
  return true;
}

void write_text(const char *name, const std::string &value) {
  if (g_store.write_text) g_store.write_text(name, value);
}

void write_number(const char *name, uint32_t value) {
  if (g_store.write_number) g_store.write_number(name, value);
}

// An empty path or one without a "." is a data file named without its extension.
void add_default_extension(std::string &path) {
  if (path.empty() || path.find('.') == std::string::npos) path += ".out";
}

int find_recent(const std::string &path) {
  for (int i = 0; i < kRecentFileCount; ++i)
    if (g_settings.recent[i] == path) return i;
  return -1;
}

void set_recent_item_texts() {
  if (!g_menu.set_item_text) return;
  for (int i = 0; i < g_settings.recent_count; ++i)
    g_menu.set_item_text(kCmdRecentFile1 + i, g_settings.recent[i]);
}

}  // namespace

Settings default_settings() {
  Settings s;
  s.graph = default_graph_preferences();
  s.detect_multiple_traces = 1;
  s.display_welcome = 1;
  s.cursor_digits = 4;
  s.cursor_number_format = 1;
  s.status_bar = 1;
  s.save_settings = 1;
  s.recent_count = 0;
  std::memset(&s.placement, 0, sizeof s.placement);
  s.placement.length = sizeof(WindowPlacement);
  return s;
}

void install_settings_store(const SettingsStore &store) { g_store = store; }
void install_recent_file_menu(const RecentFileMenu &menu) { g_menu = menu; }
Settings &settings() { return g_settings; }

WindowPlacement parse_window_position(const std::string &text) {
  WindowPlacement p;
  std::memset(&p, 0, sizeof p);
  if (!text.empty()) {
    WindowPlacement q;
    char rest = 0;
    // Ten numbers must be read; what follows them is ignored, as the store always held.
    int n = std::sscanf(text.c_str(), "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d%c", &q.flags, &q.show,
                        &q.min_x, &q.min_y, &q.max_x, &q.max_y, &q.left, &q.top, &q.right,
                        &q.bottom, &rest);
    if (n >= 10) p = q;
  }
  p.flags = 0;
  if (p.show == 2) p.show = 1;
  p.length = sizeof(WindowPlacement);
  return p;
}

std::string format_window_position(const WindowPlacement &p) {
  char buffer[kPlacementWidth + 1];
  std::snprintf(buffer, sizeof buffer, "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d", p.flags, p.show,
                p.min_x, p.min_y, p.max_x, p.max_y, p.left, p.top, p.right, p.bottom);
  return buffer;
}

void load_settings() {
  g_settings = default_settings();
  for (const TextField &f : kTextFields) {
    std::string value;
    if (read_text(f.name, f.width, value)) field_of(g_settings, f) = value;
  }
  for (const NumberField &f : kNumberFields) {
    uint32_t value;
    if (g_store.read_number && g_store.read_number(f.name, value))
      field_of(g_settings, f) = static_cast<int32_t>(value);
  }
  std::string position;
  read_text("WindowPosition", kPlacementWidth, position);
  g_settings.placement = parse_window_position(position);

  for (const char *name : kRecentNames) {
    std::string path;
    if (!read_text(name, kPathWidth, path) || path.empty()) continue;
    if (g_settings.recent_count == 0 && g_menu.append_separator) g_menu.append_separator();
    if (g_menu.append_item) g_menu.append_item(kCmdRecentFile1 + g_settings.recent_count, path);
    g_settings.recent[g_settings.recent_count++] = path;
  }
}

void save_settings(const WindowPlacement &current) {
  for (int i = 0; i < kRecentFileCount; ++i) write_text(kRecentNames[i], g_settings.recent[i]);
  write_number("SaveSettings", static_cast<uint32_t>(g_settings.save_settings));
  if (g_settings.save_settings) {
    for (const TextField &f : kTextFields) write_text(f.name, field_of(g_settings, f));
    for (const NumberField &f : kNumberFields)
      if (std::strcmp(f.name, "SaveSettings") != 0)
        write_number(f.name, static_cast<uint32_t>(field_of(g_settings, f)));
    write_text("WindowPosition", format_window_position(current));
  }
  g_settings = default_settings();
}

void mru_add(std::string &path) {
  add_default_extension(path);
  if (path.size() > kPathWidth) path.resize(kPathWidth);
  if (find_recent(path) >= 0) return;
  for (int i = kRecentFileCount; i > 0; --i) g_settings.recent[i] = g_settings.recent[i - 1];
  g_settings.recent[0] = path;
  g_settings.recent[kRecentFileCount].clear();
  if (g_settings.recent_count == 0 && g_menu.append_separator) g_menu.append_separator();
  if (g_settings.recent_count < kRecentFileCount) {
    if (g_menu.append_item)
      g_menu.append_item(kCmdRecentFile1 + g_settings.recent_count, path);
    ++g_settings.recent_count;
  }
  set_recent_item_texts();
}

void mru_promote(std::string &path) {
  add_default_extension(path);
  int k = find_recent(path);
  if (k < 0) {
    mru_add(path);
    return;
  }
  for (int i = k; i > 0; --i) g_settings.recent[i] = g_settings.recent[i - 1];
  g_settings.recent[0] = path;
  set_recent_item_texts();
}

void mru_remove(int command_id) {
  int index = command_id - kCmdRecentFile1;
  int count = g_settings.recent_count;
  if (index < 0 || index >= count) return;   // not a recent-file item: nothing to remove
  if (g_menu.remove_item)
    for (int i = index; i < count; ++i) g_menu.remove_item(kCmdRecentFile1 + i);
  for (int i = index; i < count - 1; ++i) {
    g_settings.recent[i] = g_settings.recent[i + 1];
    if (g_menu.append_item) g_menu.append_item(kCmdRecentFile1 + i, g_settings.recent[i]);
  }
  g_settings.recent[count - 1].clear();
  g_settings.recent_count = count - 1;
  if (g_settings.recent_count == 0 && g_menu.remove_separator) g_menu.remove_separator();
  if (g_menu.redraw) g_menu.redraw();
}

int32_t setting_number(const char *name) {
  for (const NumberField &f : kNumberFields)
    if (std::strcmp(f.name, name) == 0) return field_of(g_settings, f);
  return 0;
}

void set_setting_number(const char *name, int32_t value) {
  for (const NumberField &f : kNumberFields)
    if (std::strcmp(f.name, name) == 0) field_of(g_settings, f) = value;
}

std::string setting_text(const char *name) {
  for (const TextField &f : kTextFields)
    if (std::strcmp(f.name, name) == 0) return field_of(g_settings, f);
  return std::string();
}

void set_setting_text(const char *name, const std::string &value) {
  for (const TextField &f : kTextFields)
    if (std::strcmp(f.name, name) == 0) field_of(g_settings, f) = value.substr(0, f.width);
}

int point_size_entry(int point_size) {
  if (point_size >= 8 && point_size <= 72 && point_size % 2 == 0) return (point_size - 8) / 2;
  return 6;
}
