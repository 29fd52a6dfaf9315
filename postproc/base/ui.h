// What the portable postprocessor needs from the user interface.
//
// Portable code calls the functions of messages.h and status.h, which end here. The Win32
// build installs the real entries at start-up; native tests install recording fakes. Every
// entry has a harmless default (no window system: nothing is shown, there is no status bar,
// the fatal routines end the process), so portable code may call through the table at any
// time.
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
  // Puts the composed text of status message `code` on the status bar at once; returns the
  // previous code, or -1 when there is no status bar.
  int (*show_status)(int code, const char *text);
  // The window that owns the program's message boxes (none before it exists).
  WindowHandle (*frame_window)();
  // Brings forward or opens the window of a single-point table or pole-zero plot (its kind).
  void (*show_plot_window)(int plot_index, int plot_kind);
};

// The table in force; replace entries to install the platform or a fake.
UiHooks &ui_hooks();
// Puts the defaults back (for tests).
void reset_ui_hooks();
