// The plot list and its records.
//
// Records are allocated zeroed with calloc and freed field by field, so a record abandoned
// half-read by the reader is freed exactly like a complete one. Imaginary blocks exist only
// for complex plots and then have the same count and sizes as the real ones.
#include "plot_list.h"

#include <cstdlib>

namespace {

PlotList the_list;
PlotAllocator the_allocator{malloc, calloc};

void free_blocks(ValueBlock *blocks, uint32_t count) {
  if (!blocks) return;
  for (uint32_t i = 0; i < count; i++) free(blocks[i].values);
  free(blocks);
}

void free_plot_record(PlotRecord *record) {
  free(record->file_name);
  free(record->circuit_title);
  free(record->simulation_date);
  free(record->plot_name);
  free(record->variables);
  free_blocks(record->real_blocks, record->block_count);
  free_blocks(record->imag_blocks, record->block_count);
  free(record);
}

}  // namespace

bool compute_block_geometry(int32_t variable_count, int32_t point_count, BlockGeometry &out) {
  if (variable_count < 1 || point_count < 1) return false;
  uint64_t total = static_cast<uint64_t>(variable_count) * static_cast<uint64_t>(point_count);
  if (total > UINT32_MAX) return false;
  uint32_t v = static_cast<uint32_t>(variable_count);
  out.rows_per_block = v > kMaxBlockValues ? 1 : kMaxBlockValues / v;
  out.values_per_block = out.rows_per_block * v;
  out.total_values = static_cast<uint32_t>(total);
  out.block_count = static_cast<uint32_t>((total + out.values_per_block - 1) / out.values_per_block);
  out.last_block_values = out.total_values - (out.block_count - 1) * out.values_per_block;
  return true;
}

PlotAllocator &plot_allocator() { return the_allocator; }

bool allocate_value_blocks(const BlockGeometry &g, ValueBlock *&out) {
  out = static_cast<ValueBlock *>(the_allocator.allocate_zeroed(g.block_count, sizeof(ValueBlock)));
  if (!out) return false;
  for (uint32_t b = 0; b < g.block_count; b++) {
    uint32_t count = b + 1 == g.block_count ? g.last_block_values : g.values_per_block;
    out[b].values = static_cast<double *>(the_allocator.allocate(static_cast<size_t>(count) * sizeof(double)));
    if (!out[b].values) return false;
    out[b].count = count;
  }
  return true;
}

PlotList &plot_list() { return the_list; }

void reset_plot_list() { the_list = PlotList{0, nullptr, nullptr, nullptr}; }

PlotRecord *append_plot() {
  PlotRecord *record = static_cast<PlotRecord *>(the_allocator.allocate_zeroed(1, sizeof(PlotRecord)));
  if (!record) return nullptr;
  if (the_list.tail)
    the_list.tail->next = record;
  else
    the_list.first = record;
  the_list.tail = record;
  the_list.current = record;
  the_list.count++;
  return record;
}

void clear_plot_list() {
  PlotRecord *record = the_list.first;
  while (record) {
    PlotRecord *next = record->next;
    free_plot_record(record);
    record = next;
  }
  reset_plot_list();
}
