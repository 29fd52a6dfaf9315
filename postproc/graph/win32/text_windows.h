// Text blocks as windows of the class "Text", and the mouse on every window of that class
// (text blocks and legend labels): selection, dragging, resizing and double clicks.
#pragma once

#include <windows.h>

#include <functional>

#include "../../canvas/canvas.h"
#include "../graph.h"

// Gives the block its window, child of `graph_window`, on top of its siblings; none when the
// platform refuses one (the block is still drawn in copies).
HWND make_text_block_window(HWND graph_window, TextBlock *block);
// Sizes every text block to its text on `dc` (the graph's mapping set) and moves its window
// to the block's logical rectangle.
void place_text_block_windows(HDC dc, Graph &graph);

// The block or label a text-class window shows.
TextBlock *window_text_block(HWND window);
Trace *window_legend_trace(HWND window);

bool text_window_selected(HWND window);
// Drops the selection of every text-class child of `graph_window` but `except`.
void deselect_text_windows(HWND graph_window, HWND except);

// The mouse and keyboard of a text-class window; false leaves the message to the default.
bool text_window_mouse(HWND window, UINT message, WPARAM wparam, LPARAM lparam, LRESULT *result);
// Paints a text block's window (its block, and its handles while selected).
void paint_text_block_window(HWND window);
// The paint of a text-class window: the graph's mapping moved so that `corner` (logical units)
// is the window's top-left, `draw`, then the selection handles of a selected window.
void paint_text_class_window(HWND window, LogicalPoint corner, const std::function<void(Canvas &)> &draw);
