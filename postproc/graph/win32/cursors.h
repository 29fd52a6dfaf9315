// The two measuring cursors of a graph window: "Cursor" marker windows of 11 x 11 pixels on
// the graph and the modeless "Cursor Info" window (dialog 900) that reads them. One set at a
// time, on the window that showed it.
#pragma once

#include <windows.h>

extern const char kCursorWindowClass[];   // "Cursor"

// The marker windows' procedure, for the class registration.
LRESULT CALLBACK cursor_marker_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// Creates the read-out window (owned by `frame`) and both markers on `graph_window` at
// (15, 15) and (15, 35), cursor 1 active; false when a window cannot be made (nothing is
// left shown then).
bool show_cursors(HWND graph_window, HWND frame);
// Puts the read-out window beside the frame's top-right corner (when the frame moves or is
// sized too).
void place_cursor_info(HWND frame);
// Destroys the read-out window and both markers.
void hide_cursors();
bool cursors_shown();
// The graph window the cursors are on, or none.
HWND cursors_window();
// The read-out window, for the message loop's dialog messages; none while hidden.
HWND cursor_info_window();

// The active cursor to device point `at` of its graph window: the marker centred there, its
// values those of the point, the read-outs refreshed.
void move_active_cursor(POINT at);
// Where the active cursor's marker is centred, device pixels.
POINT active_cursor_point();
