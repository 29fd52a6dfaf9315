// The status bar window (class "Status") along the bottom edge of the frame.
#pragma once

#include <windows.h>

extern const char kStatusClass[];

bool register_status_class(HINSTANCE instance);
// Creates the bar (not yet visible) at the bottom of the frame's client area.
void create_status_bar(HWND frame);
void show_status_bar(int show_command);
// Places the bar at the bottom after the frame was resized.
void layout_status_bar(HWND frame);
// The bar's top edge; the MDI client ends there while the bar is shown.
int status_bar_top();
void destroy_status_bar();
// The entry of the user-interface table behind set_status: keeps the text in the record and
// draws it at once (it does not wait for a paint message).
int show_status_text(int code, const char *shown);
void redraw_status_text();
