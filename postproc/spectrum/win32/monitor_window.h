// "Monitor File On Disk and Plot" (frame command 10003): the dialog, the graph window that
// keeps the file's MonitorSettings, and its refresh when it gets the focus after the file
// was rewritten.
#pragma once

#include <windows.h>

#include <string>

#include "../../graph/graph.h"
#include "../monitor_settings.h"

// Chooses a file to monitor: `path` holds the choice when the user confirmed.
using BrowseForFile = bool (*)(HWND owner, std::string &path);

// Dialog 2801 on `settings`; true when the user pressed OK with settings that a computation
// can use (the dialog tells about the others and stays open).
bool run_monitor_dialog(HWND owner, MonitorSettings &settings, BrowseForFile browse);

// The command: the dialog on the settings last confirmed, then the first computation. The
// settings record lives as long as the graph window it makes; nothing is kept when the dialog
// is cancelled, the file name is empty or the first computation plots nothing.
void monitor_file_command(HWND frame, HWND mdi_client, const GraphPreferences &preferences,
                          BrowseForFile browse);

// A graph window got the focus: when it monitors a file whose last-write time moved forward,
// the computation runs again into it.
void monitor_window_focused(HWND window, const GraphPreferences &preferences);
// The window goes: its settings record goes with it.
void monitor_window_destroyed(HWND window);

// The settings of the monitor that `window` shows, or none.
const MonitorSettings *window_monitor(HWND window);
