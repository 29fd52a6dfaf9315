// The toolbar table. Every image of the bitmap appears once and in order; a button's
// tooltip is the string whose id is its command id, so the table holds no texts.
#include "toolbar_buttons.h"

const ToolbarEntry kToolbarEntries[kToolbarEntryCount] = {
    {-1, 0},
    {0, 10001},  // Open
    {1, 10004},  // Select Current Plot
    {2, 10008},  // Load Experimental Data
    {-1, 0},
    {3, 11002},  // Copy Graph
    {-1, 0},
    {4, 10005},  // Print
    {-1, 0},
    {5, 12001},  // Add Plot
    {6, 12005},  // Add Text
    {-1, 0},
    {7, 14002},  // Zoom
    {8, 14003},  // Display Cursors
    {-1, 0},
    {9, 17001},  // Help
};
