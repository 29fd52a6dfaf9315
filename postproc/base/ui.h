// What the portable postprocessor needs from the user interface.
//
// The Win32 build installs the real functions at start-up; native tests install recording
// fakes. Every entry has a harmless default (no window system: nothing is shown, the fatal
// routines end the process), so portable code may call through the table at any time.
#pragma once

#include <string>

using WindowHandle = void *;

// Message-box flags: the platform's own values, so the table passes them through unchanged.
enum : unsigned {
  kMbOk = 0x0000,
  kMbYesNo = 0x0004,
  kMbIconStop = 0x0010,
  kMbIconQuestion = 0x0020,
  kMbIconExclamation = 0x0030,
  kMbSystemModal = 0x1000,
};

// Buttons a message box returns.
enum : int { kIdOk = 1, kIdYes = 6, kIdNo = 7 };

struct UiHooks {
  // Shows a message box; caption null means the platform's default caption.
  int (*message_box)(WindowHandle owner, const char *text, const char *caption, unsigned flags);
  // Ends the program at once with the fatal-exit text; never returns.
  void (*fatal_exit)(const char *text);
  // Redraws the status bar's text after set_status changed it (nothing without a window).
  void (*status_changed)();
  // The window that owns the program's message boxes (none before it exists).
  WindowHandle (*frame_window)();
  // Brings forward or opens the window of a table (kind 0) or pole-zero (kind 2) plot.
  void (*show_plot_window)(int plot_index, int kind);
};

// The table in force; replace entries to install the platform or a fake.
UiHooks &ui_hooks();
// Puts the defaults back (for tests).
void reset_ui_hooks();
