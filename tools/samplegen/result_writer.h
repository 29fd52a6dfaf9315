// Sample plots as the simulator would write them, in either layout, for tests, samples and
// benchmarks; the bytes come from the program's own writer (data/writer.h).
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

struct SampleVariable {
  std::string name;
  int32_t unit_index;
};

// One plot as the simulator would write it; values are point-major (all V values of point 0
// first), imag only for number type 8.
struct SamplePlot {
  std::string circuit_title;
  std::string simulation_date;
  std::string plot_name;
  int32_t counters[6] = {0, 0, 0, 0, 0, 0};
  double times[8] = {0, 0, 0, 0, 0, 0, 0, 0};
  int32_t number_type = 4;
  int32_t analysis_code = 0;
  int32_t plot_kind = 1;
  std::vector<SampleVariable> variables;
  int32_t point_count = 0;
  std::vector<double> real;
  std::vector<double> imag;
};

enum SampleLayout { kSampleWide = 0, kSampleNarrow = 1 };

// The bytes of a file holding these plots.
std::vector<unsigned char> encode_result_file(const std::vector<SamplePlot> &plots, SampleLayout layout);
bool write_result_file(const std::string &path, const std::vector<SamplePlot> &plots, SampleLayout layout);

// Streaming form for files too large to hold twice: the header of a plot, then its values
// in any number of pieces (the caller writes exactly P x V values, and again for imag).
void write_plot_header(FILE *out, const SamplePlot &plot, SampleLayout layout);
void write_plot_count(FILE *out, int32_t count, SampleLayout layout);
