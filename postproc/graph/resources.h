// What all graphs of the process share: the increment table of automatic scaling, the
// palette, the symbols and the logical page size.
#pragma once

#include <cstdint>

#include "../canvas/geometry.h"

struct Expression;

const int kIncrementCount = 18;
const int kColourCount = 13;         // the last one, the window colour, is never assigned
const int kAutomaticColourCount = 12;
const int kSymbolCount = 12;
const int kScreenPageWidth = 7000;
const int kScreenPageHeight = 5000;

struct GraphResources {
  int maximum_interval_count;                  // 5
  double increment_table[kIncrementCount + 1]; // ascending, 0.0 terminator
  int view_width, view_height;                 // logical units; set by the layout
  int page_width, page_height;                 // logical units
  Colour palette[kColourCount];
  void *symbol_bitmaps[kSymbolCount];          // platform pictures for the legend dialog
  // Traces own their expressions, but the expression library sits beside the graph rather
  // than below it; whoever creates the resources says how an expression is freed.
  void (*free_expression)(Expression *expression);
};

// Creates the block at start-up; `window_colour` is the platform's window colour, palette
// entry 12. Creating it again starts over from the defaults.
void create_graph_resources(Colour window_colour, void (*free_expression)(Expression *));
void destroy_graph_resources();
// The block, or none before creation and after destruction.
GraphResources *graph_resources();

int graph_colour_count();   // 13
int graph_symbol_count();   // 12

// The printer page is 0.8 of the printer's physical page, truncated; printing sets it and
// puts the screen page back when it ends.
void set_printer_page_size(int physical_width, int physical_height);
void set_screen_page_size();
