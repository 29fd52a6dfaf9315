// The owner-drawn lists of the legend dialog: symbols, colours, line styles and line weights,
// each entry drawn as a sample with the graph's own drawing (the symbols by the graph's symbol
// drawers, so the list shows exactly what the graph draws).
#pragma once

#include <windows.h>

// Fills the list `id` with its entries (symbols 0..11, colours 0..12, styles 0..5, weights
// 0..7) and selects `entry` (-1: none).
void fill_sample_list(HWND dialog, int id, int entry);
// The height of every entry, in pixels.
void measure_sample(MEASUREITEMSTRUCT &item);
// Draws one entry of a sample list; false for a control that is none of them.
bool draw_sample(const DRAWITEMSTRUCT &item);
