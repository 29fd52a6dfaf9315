// The result file written from the reader's own records (reader.h has the layout), so that
// what the program holds can be written back: read(write(plots)) gives the same plots.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "plot_list.h"
#include "reader.h"

// Where the bytes go: a file, or the end of a buffer in memory (exactly one of the two).
struct ResultSink {
  FILE *file;
  std::vector<unsigned char> *memory;
};

// The header of a plot as the file holds it. Made from a record by plot_header; writers of
// test files fill it themselves, with texts and counts no record could hold.
struct VariableHeader {
  std::string name;
  int32_t unit_index;
};
struct PlotHeader {
  std::string circuit_title;
  std::string simulation_date;
  std::string plot_name;
  SimulationStatistics statistics;
  int32_t number_type;
  int32_t analysis_code;
  int32_t plot_kind;
  std::vector<VariableHeader> variables;   // V
  int32_t point_count;                     // P
};
PlotHeader plot_header(const PlotRecord &plot);

// What of `header` the narrow layout cannot hold, or null when it holds everything; a plot
// that does not fit is refused rather than cut.
const char *narrow_layout_misfit(const PlotHeader &header);

// Every plot from `first` on (following next) as a whole file; false when a write failed.
bool write_plots(ResultSink sink, const PlotRecord *first, DataLayout layout);

// The pieces of a file, for writers that stream values too large to hold twice: the plot
// count, then per plot its header and exactly P x V real (and for complex plots P x V
// imaginary) values, point-major.
bool write_plot_count(ResultSink sink, int32_t count, DataLayout layout);
bool write_plot_header(ResultSink sink, const PlotHeader &header, DataLayout layout);
bool write_values(ResultSink sink, const double *values, size_t count);
