// The state of the one frame window and the operations its parts share.
//
// One instance, owned by the frame from its creation to its destruction. MDI children
// describe themselves in their first three window words (kind, content, plot index); the
// shell reads only those, so a child kind can exist before its content does.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "../../base/win32/child_words.h"
#include "../link_request.h"

struct AppState {
  HINSTANCE instance;
  HWND frame;
  HWND mdi_client;
  HACCEL accelerators;
  HMENU file_menu;               // the File popup; stays the same behind a child's system menu
  HWND active_child;             // set and cleared by the children on activation
  HCURSOR graph_cursor;          // IDC_GRAPH_CROSSHAIR
  // The last link request whose data file loaded, kept for the graph builder.
  std::optional<LinkRequest> link_request;
};

AppState &app();

const int kFrameSettingsWord = window_word(0);
const int kMdiClientId = 3244;   // the MDI children's ids start at kCmdFirstWindowEntry

// Hides the MDI client and destroys every child (icon titles excepted); the caller shows the
// client again.
void close_all_children();
void show_mdi_client();

// Hands the graph windows the preferences they draw by.
void apply_graph_settings();

// Lays out toolbar, MDI client and status bar after a size change or a status-bar toggle.
void layout_frame();

// Opening a data file by path (command line, dropped file, link, welcome dialog, recent file):
// loads it; on success remembers "LastDataFile", opens the plot windows and offers "Select
// Current Plot" for two plots or more.
bool open_data_file_by_path(const std::string &path);
// The folder of `path` (up to its last backslash) becomes the current directory.
void make_folder_current(const std::string &path);

// Command dispatch and the menu enabling of WM_INITMENU.
LRESULT frame_command(WPARAM wparam, LPARAM lparam);
void update_menu(HMENU menu);
// The pressed looks of the toolbar's state buttons, for the child that is active now.
void update_toolbar_buttons();

// The link messages WM_APP+5..7.
void handle_link_message(UINT message);

// Help (17001).
void show_help();

// Whether the program has a printer context (Print and Printer Setup).
bool printer_available();

// The frame window procedure and the registration of the six window classes.
LRESULT CALLBACK frame_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
bool register_window_classes(HINSTANCE instance);
