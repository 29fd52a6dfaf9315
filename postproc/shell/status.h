// The status bar record: what the bar shows and where it sits.
//
// The record and its geometry are portable; the window, its font and brush belong to the
// Win32 half (win32/status_bar.cpp), which also draws. set_status (base/status.h) composes
// the text and reaches the record through the user-interface table.
#pragma once

#include <string>

#include "../base/status.h"
#include "../base/ui.h"

struct StatusRect {
  int left, top, right, bottom;
};

struct StatusBar {
  WindowHandle window;          // none until created
  void *font;                   // "Helv", 13 units, created with the window
  void *background;             // brush in the button-face colour
  StatusRect text_rect;         // window coordinates
  int top, width, height;       // the window's top edge y, width, and height (19 or more)
  int text_height;              // the font's cell height on the screen; 0 until measured
  int code;                     // the current message code
  std::string shown;            // message plus text, at most 255 characters
};

const int kStatusBarHeight = 19;
const int kStatusTextInset = 11;   // left and right margin of the text rectangle
const int kStatusTextTop = 4;
const int kStatusTextHeight = 12;  // the text rectangle's height for a font that fits it

// The one status bar of the program.
StatusBar &status_bar();

// Places the bar at the bottom of a frame client area of the given size. The text rectangle
// is as high as the font's cell (bar.text_height), 12 pixels at least, and the bar grows
// beyond its 19 pixels by as much as the rectangle does, so no descender is cut off.
void place_status_bar(StatusBar &bar, int client_width, int client_height);

// Keeps message `code` with its composed text in the record; returns the previous code, or -1
// (changing nothing) while the bar has no window.
int keep_status(StatusBar &bar, int code, const char *shown);
