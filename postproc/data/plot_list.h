// The loaded data file: a list of plots, each with its variables and its values in blocks.
#pragma once

#include <cstddef>
#include <cstdint>

#include "plot_codes.h"

// Simulator statistics of one plot; counters are 32-bit whatever the file's layout.
struct SimulationStatistics {
  int32_t counters[6];  // iterations, transient iterations, (kept), timepoints, accepted, rejected
  double times[8];      // seconds: total, transient, loading, L-U, solving, (kept), transient L-U, transient solving
};

struct VariableEntry {
  char name[64];        // at most 63 characters and a NUL
  int32_t unit_index;   // into the unit table, 0..14 when valid
};

// At most kMaxBlockValues values (256 KiB) of whole rows.
struct ValueBlock {
  double *values;
  uint32_t count;
};

const uint32_t kMaxBlockValues = 32768;

struct PlotRecord {
  char *file_name;                   // the path the file was opened with
  char *circuit_title;
  char *simulation_date;
  char *plot_name;
  SimulationStatistics statistics;
  int32_t number_type;               // NumberType
  int32_t analysis_code;             // 4: transient
  int32_t plot_kind;                 // PlotKind
  int32_t variable_count;            // V
  VariableEntry *variables;          // V entries
  int32_t point_count;               // P
  uint32_t values_per_block;         // B
  uint32_t block_count;              // N
  ValueBlock *real_blocks;           // N blocks
  ValueBlock *imag_blocks;           // N blocks, complex plots only
  PlotRecord *next;
};

// The one list of plots in file order. It owns every record and all they hold.
struct PlotList {
  int count;
  PlotRecord *first;
  PlotRecord *current;   // none when the list is empty
  PlotRecord *tail;
};

// How the values of a plot are cut into blocks; computed from V and P alone.
struct BlockGeometry {
  uint32_t rows_per_block;     // R
  uint32_t values_per_block;   // B = R * V
  uint32_t total_values;       // T = P * V
  uint32_t block_count;        // N = ceil(T / B)
  uint32_t last_block_values;  // T - (N - 1) * B
};

// False when P * V does not fit 32 bits or a count is not positive. A row wider than a block
// (V > 32768) gets a block of its own, so a row is always contiguous.
bool compute_block_geometry(int32_t variable_count, int32_t point_count, BlockGeometry &out);

// Where plot memory comes from; tests replace it to make allocations fail. Memory from either
// function is released with free().
struct PlotAllocator {
  void *(*allocate)(size_t size);
  void *(*allocate_zeroed)(size_t count, size_t size);
};
PlotAllocator &plot_allocator();

// The N blocks of a plot of this geometry, each with room for its values; false when memory
// is short (what was allocated is in `out`, freed with the record).
bool allocate_value_blocks(const BlockGeometry &g, ValueBlock *&out);

PlotList &plot_list();
void reset_plot_list();
// Adds a zeroed record at the tail and makes it current; null when memory is short.
PlotRecord *append_plot();
void clear_plot_list();
