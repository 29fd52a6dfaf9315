// The process-wide graph resources: one block from start-up to exit.
#include "resources.h"

#include <new>

namespace {

GraphResources *block = nullptr;

const double kIncrements[kIncrementCount + 1] = {
    1e-5, 2e-5, 5e-5, 1e-4, 2e-4, 5e-4, 0.001, 0.002, 0.005,
    0.01, 0.02, 0.05, 0.1,  0.2,  0.5,  1,     2,     5,     0.0};

const Colour kPalette[kAutomaticColourCount] = {
    {255, 0, 0},   {0, 255, 0},   {0, 0, 255},   {255, 0, 255}, {0, 255, 255},   {128, 0, 0},
    {0, 128, 0},   {128, 128, 0}, {0, 0, 128},   {0, 128, 128}, {128, 128, 128}, {0, 0, 0}};

}  // namespace

void create_graph_resources(Colour window_colour, void (*free_expression)(Expression *)) {
  if (!block) block = new (std::nothrow) GraphResources;
  if (!block) return;
  *block = GraphResources{};
  block->maximum_interval_count = 5;
  for (int i = 0; i <= kIncrementCount; i++) block->increment_table[i] = kIncrements[i];
  block->page_width = kScreenPageWidth;
  block->page_height = kScreenPageHeight;
  for (int i = 0; i < kAutomaticColourCount; i++) block->palette[i] = kPalette[i];
  block->palette[kAutomaticColourCount] = window_colour;
  block->free_expression = free_expression;
}

void destroy_graph_resources() {
  delete block;
  block = nullptr;
}

GraphResources *graph_resources() { return block; }

int graph_colour_count() { return kColourCount; }
int graph_symbol_count() { return kSymbolCount; }

void set_printer_page_size(int physical_width, int physical_height) {
  if (!block) return;
  block->page_width = static_cast<int>(0.8 * physical_width);
  block->page_height = static_cast<int>(0.8 * physical_height);
}

void set_screen_page_size() {
  if (!block) return;
  block->page_width = kScreenPageWidth;
  block->page_height = kScreenPageHeight;
}
