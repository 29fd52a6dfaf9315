// The status bar: one of eight fixed messages, optionally followed by a text.
//
// The record and its geometry are portable; the window, its font and brush belong to the
// Win32 half (win32/status_bar.cpp), which also draws. set_status works on the one record.
#pragma once

#include <string>

#include "../base/ui.h"

enum StatusCode {
  kStatusDataFile = 0,          // "Data File: " followed by the path
  kStatusNoDataFile = 1,        // "Data File: None"
  kStatusReading = 2,           // "Reading Data File, Please Wait..."
  kStatusNoMemory = 3,          // "Not enough memory to load file."
  kStatusNotDataFile = 4,       // "Not an Ulmo-Dizid Data File."
  kStatusReadingExperimental = 5,
  kStatusExperimentalError = 6,
  kStatusEvaluating = 7,        // "Evaluating Trace Data, Please Wait..."
  kStatusMessageCount = 8
};

struct StatusRect {
  int left, top, right, bottom;
};

struct StatusBar {
  WindowHandle window;          // none until created
  void *font;                   // "Helv", 13 units, created with the window
  void *background;             // brush in the button-face colour
  StatusRect text_rect;         // window coordinates
  int top, width, height;       // the window's top edge y, width, and its 19-pixel height
  int code;                     // the current message code
  std::string messages[kStatusMessageCount];
  std::string shown;            // message plus text, at most 255 characters
};

const int kStatusBarHeight = 19;
const int kStatusTextInset = 11;   // left and right margin of the text rectangle
const size_t kStatusTextLimit = 255;

// The one status bar of the program.
StatusBar &status_bar();

// Loads the eight messages (strings 31..38) into the record.
void load_status_messages(StatusBar &bar);

// Places the bar at the bottom of a frame client area of the given size.
void place_status_bar(StatusBar &bar, int client_width, int client_height);

// A status bar without a window, for programs without windows (ulmocli): set_status keeps
// the record up to date as if the bar were on screen.
void open_headless_status_bar();

// Shows message `code` followed by `text` (may be null); returns the previous code, or -1
// (changing nothing) when the window does not exist or the code is not a message.
int set_status(int code, const char *text = nullptr);
