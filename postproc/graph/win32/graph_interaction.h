// Working a graph window with the mouse and keys: zoom mode and its rubber band, the cursor
// clicks and arrow keys, the plot rectangle's selection and drag, double clicks by hit code,
// and the placement of a new text block.
#pragma once

#include <windows.h>

// Zoom (14002): on saves the ranges and hides the cursors; off puts the ranges back.
void toggle_zoom(HWND window);
bool graph_window_zoomed(HWND window);

// Add Text (12005): the next left-button press in a graph window places a text block.
void arm_add_text();
bool add_text_armed();
// Add Text is ended: by a block placed, or by a press on a label or block that is there.
void end_add_text();

// Removes the plot rectangle's selection (a text-class window was selected instead).
void deselect_plot(HWND window);

// Whether the window's topmost child is a selected text block (Delete acts on it).
bool top_text_block_selected(HWND window);
// Delete (11004): destroys that block.
void delete_selected_text_block(HWND window);

// The state's lifetime, with the window's.
void create_interaction_state(HWND window);
void destroy_interaction_state(HWND window);

// Mouse and key messages of the graph window; false leaves them to the default handling.
bool graph_interaction_message(HWND window, UINT message, WPARAM wparam, LPARAM lparam, LRESULT *result);
// After a paint: the plot rectangle's handles while it is selected.
void paint_interaction_overlay(HWND window, HDC dc);
