// Legend labels as child windows of their graph window, of the class "Text" that text blocks
// share: sized and placed by the graph's layout, drawn in the graph's logical units.
#pragma once

#include <windows.h>

#include "../graph.h"

extern const char kTextWindowClass[];   // "Text"

// Text-class windows mark what they are in their first word; a legend label keeps its trace
// in the second.
enum TextWindowMarker : int { kTextBlockMarker = 1, kLegendLabelMarker = 2 };
const int kTextMarkerWord = 0;
const int kTextRecordWord = static_cast<int>(sizeof(LONG_PTR));

// Gives every label of `graph` that has none its window, child of `graph_window`.
void make_legend_windows(HWND graph_window, Graph &graph);
// Moves each label's window to where the last layout put the label on `dc`, whose mapping is
// the graph's, and shows or hides it by the graph's legend setting.
void place_legend_windows(HDC dc, const Graph &graph);

// The paint of a text-class window; false leaves the message to the default handling.
bool text_window_message(HWND window, UINT message, WPARAM wparam, LPARAM lparam, LRESULT *result);
