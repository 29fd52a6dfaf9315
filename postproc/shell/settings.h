// The settings record: user preferences, the five recent files, the last graph and data
// file and the frame placement, as kept in the per-user store.
//
// The record is owned by the frame window from its creation to its destruction; every other
// subsystem reads it through settings(). The store and the File menu are reached through two
// small tables of functions so that this half stays portable: the Win32 half installs the
// registry and the real menu, native tests install an in-memory store and a recording menu.
// Invariant: recent[0 .. recent_count-1] are non-empty, distinct and shown as menu items
// kCmdRecentFile1 .. kCmdRecentFile1+recent_count-1 behind one separator; recent[5] is the
// spare slot.
#pragma once

#include <cstdint>
#include <string>

#include "../graph/graph.h"

const size_t kFaceNameWidth = 63;
const size_t kPathWidth = 511;
const size_t kPlacementWidth = 255;
const int kRecentFileCount = 5;

// Frame placement in the platform's terms (show states 1 normal, 2 minimized, 3 maximized).
struct WindowPlacement {
  unsigned length;
  unsigned flags;
  unsigned show;
  int min_x, min_y;
  int max_x, max_y;
  int left, top, right, bottom;   // normal rectangle; all zero means "default position"
};

struct Settings {
  GraphPreferences graph;          // the faces, point sizes, graph digits and tic marks
  int32_t detect_multiple_traces;
  int32_t display_welcome;
  int32_t cursor_digits;
  int32_t cursor_number_format;    // 0 decimal, 1 scientific
  int32_t status_bar;
  int32_t save_settings;
  std::string recent[kRecentFileCount + 1];   // most recent first, plus the spare slot
  int recent_count;
  std::string last_graph;
  std::string last_data_file;
  WindowPlacement placement;
};

// The per-user store. Each call opens the settings key anew; a key that cannot be opened
// makes reads fail (the caller takes the default) and writes do nothing.
struct SettingsStore {
  bool (*read_text)(const char *name, std::string &value);
  bool (*read_number)(const char *name, uint32_t &value);
  void (*write_text)(const char *name, const std::string &value);
  void (*write_number)(const char *name, uint32_t value);
};

// The File menu's recent-file part.
struct RecentFileMenu {
  void (*append_separator)();
  void (*remove_separator)();          // the one before the recent-file items
  void (*append_item)(int id, const std::string &text);
  void (*set_item_text)(int id, const std::string &text);
  void (*remove_item)(int id);
  void (*redraw)();
};

void install_settings_store(const SettingsStore &store);
void install_recent_file_menu(const RecentFileMenu &menu);

// The one record of the program.
Settings &settings();

// A record holding every default.
Settings default_settings();

// Fills the record from the store and builds the recent-file menu.
void load_settings();

// Writes the record to the store ("File1".."File5" and "SaveSettings" always, the rest only
// when "SaveSettings" is on) with the frame's current placement, then resets the record.
void save_settings(const WindowPlacement &current);

// "WindowPosition": exactly ten numbers or nothing. The result always has flags 0, a
// minimized show state turned normal and its length set; unparsed text leaves it zero.
WindowPlacement parse_window_position(const std::string &text);
std::string format_window_position(const WindowPlacement &placement);

// Recent files. mru_add and mru_promote may append ".out" to `path`.
void mru_add(std::string &path);
void mru_promote(std::string &path);
void mru_remove(int command_id);

// Single fields by value name; unknown names give 0 or "" and are not written.
int32_t setting_number(const char *name);
void set_setting_number(const char *name, int32_t value);
std::string setting_text(const char *name);
void set_setting_text(const char *name, const std::string &value);

// The "Preferences" dialog's point-size list: 8, 10, ... 72, and the entry shown for a size
// that is not in it (the seventh, 20).
const int kPointSizeCount = 33;
int point_size_entry(int point_size);
