// read_data_file: the result-file reader.
//
// Every length and count is checked against the bytes the input has left before memory is
// allocated for it, so a damaged file ends as "not a data file" instead of as a huge
// allocation; the plot count needs no such check because each plot is read (and fails) in
// turn. Values are read with one read per block straight into the block's own memory.
//
// Where the format leaves a case open the reader takes the safe side:
// - a number type other than 4 or 8 is not a data file: the program treats every type but 4 as
//   complex, and only type 8 carries imaginary values;
// - P x V beyond 32 bits is not a data file (no file of that size can back it anyway);
// - a row wider than a block (V > 32768) gets a block of its own.
#include "reader.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "plot_list.h"

static_assert(sizeof(double) == 8, "values are binary64");
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__
#error "the reader copies little-endian values as they are"
#endif

namespace {

const size_t kWideStatisticsSize = 88;
const size_t kSkipChunk = 4096;

// The input: a file or bytes in memory, with the count of bytes left.
struct DataStream {
  FILE *file;
  const unsigned char *bytes;
  uint64_t remaining;
  DataLayout layout;
};

bool read_exact(DataStream &in, void *out, size_t n) {
  if (n > in.remaining) return false;
  if (in.file) {
    if (fread(out, 1, n, in.file) != n) {
      in.remaining = 0;
      return false;
    }
  } else {
    memcpy(out, in.bytes, n);
    in.bytes += n;
  }
  in.remaining -= n;
  return true;
}

bool skip(DataStream &in, uint64_t n) {
  unsigned char scratch[kSkipChunk];
  while (n > 0) {
    size_t part = n < kSkipChunk ? static_cast<size_t>(n) : kSkipChunk;
    if (!read_exact(in, scratch, part)) return false;
    n -= part;
  }
  return true;
}

uint32_t little_endian(const unsigned char *p, size_t width) {
  uint32_t value = 0;
  for (size_t i = width; i-- > 0;) value = (value << 8) | p[i];
  return value;
}

size_t integer_width(const DataStream &in) { return in.layout == kLayoutWide ? 4 : 2; }

// One integer of the layout: wide ones are signed 32-bit, narrow ones zero-extended 16-bit.
bool read_integer(DataStream &in, int32_t &out) {
  unsigned char raw[4];
  size_t width = integer_width(in);
  if (!read_exact(in, raw, width)) return false;
  out = static_cast<int32_t>(little_endian(raw, width));
  return true;
}

bool read_double(DataStream &in, double &out) {
  return read_exact(in, &out, sizeof out);
}

// The length of a string; a negative wide length or one longer than the input is no string.
bool read_length(DataStream &in, uint32_t &out) {
  int32_t length;
  if (!read_integer(in, length) || length < 0) return false;
  out = static_cast<uint32_t>(length);
  return out <= in.remaining;
}

ReadResult read_string(DataStream &in, char *&out) {
  uint32_t length;
  if (!read_length(in, length)) return kReadNotDataFile;
  out = static_cast<char *>(plot_allocator().allocate(static_cast<size_t>(length) + 1));
  if (!out) return kReadNoMemory;
  if (!read_exact(in, out, length)) return kReadNotDataFile;
  out[length] = '\0';
  return kReadOk;
}

ReadResult copy_path(const char *path, char *&out) {
  size_t n = strlen(path);
  out = static_cast<char *>(plot_allocator().allocate(n + 1));
  if (!out) return kReadNoMemory;
  memcpy(out, path, n + 1);
  return kReadOk;
}

bool read_statistics(DataStream &in, SimulationStatistics &s) {
  if (in.layout == kLayoutWide) {
    unsigned char raw[kWideStatisticsSize];
    if (!read_exact(in, raw, sizeof raw)) return false;
    for (int i = 0; i < 6; i++) s.counters[i] = static_cast<int32_t>(little_endian(raw + 4 * i, 4));
    memcpy(s.times, raw + 24, sizeof s.times);
    return true;
  }
  for (int i = 0; i < 6; i++)
    if (!read_integer(in, s.counters[i])) return false;
  for (int i = 0; i < 8; i++)
    if (!read_double(in, s.times[i])) return false;
  return true;
}

bool read_header_fields(DataStream &in, PlotRecord &plot) {
  if (!read_integer(in, plot.number_type)) return false;
  if (plot.number_type != kRealValues && plot.number_type != kComplexValues) return false;
  if (!read_integer(in, plot.analysis_code) || plot.analysis_code < 0) return false;
  if (!read_integer(in, plot.plot_kind) || plot.plot_kind < 0) return false;
  if (!read_integer(in, plot.variable_count) || plot.variable_count < 1) return false;
  if (!read_integer(in, plot.point_count) || plot.point_count < 1) return false;
  return true;
}

// A variable name is read whole; its first 63 bytes are kept.
bool read_variable(DataStream &in, VariableEntry &variable) {
  uint32_t length;
  if (!read_length(in, length)) return false;
  size_t kept = length < sizeof variable.name - 1 ? length : sizeof variable.name - 1;
  if (!read_exact(in, variable.name, kept) || !skip(in, length - kept)) return false;
  variable.name[kept] = '\0';
  return read_integer(in, variable.unit_index);
}

ReadResult read_variables(DataStream &in, PlotRecord &plot) {
  // A variable takes at least a length and a unit index.
  uint64_t smallest = 2 * integer_width(in);
  if (static_cast<uint64_t>(plot.variable_count) * smallest > in.remaining) return kReadNotDataFile;
  plot.variables = static_cast<VariableEntry *>(plot_allocator().allocate_zeroed(static_cast<size_t>(plot.variable_count), sizeof(VariableEntry)));
  if (!plot.variables) return kReadNoMemory;
  for (int32_t i = 0; i < plot.variable_count; i++)
    if (!read_variable(in, plot.variables[i])) return kReadNotDataFile;
  return kReadOk;
}

ReadResult read_blocks(DataStream &in, const BlockGeometry &g, ValueBlock *&out) {
  if (!allocate_value_blocks(g, out)) return kReadNoMemory;
  for (uint32_t b = 0; b < g.block_count; b++) {
    if (!read_exact(in, out[b].values, static_cast<size_t>(out[b].count) * sizeof(double)))
      return kReadNotDataFile;
  }
  return kReadOk;
}

ReadResult read_values(DataStream &in, PlotRecord &plot) {
  BlockGeometry g;
  if (!compute_block_geometry(plot.variable_count, plot.point_count, g)) return kReadNotDataFile;
  uint64_t tables = plot.number_type == kComplexValues ? 2 : 1;
  if (static_cast<uint64_t>(g.total_values) * sizeof(double) * tables > in.remaining)
    return kReadNotDataFile;
  plot.values_per_block = g.values_per_block;
  plot.block_count = g.block_count;
  ReadResult r = read_blocks(in, g, plot.real_blocks);
  if (r == kReadOk && plot.number_type == kComplexValues) r = read_blocks(in, g, plot.imag_blocks);
  return r;
}

ReadResult read_plot(DataStream &in, const char *path, PlotRecord &plot) {
  ReadResult r = copy_path(path, plot.file_name);
  if (r == kReadOk) r = read_string(in, plot.circuit_title);
  if (r == kReadOk) r = read_string(in, plot.simulation_date);
  if (r == kReadOk) r = read_string(in, plot.plot_name);
  if (r != kReadOk) return r;
  if (!read_statistics(in, plot.statistics) || !read_header_fields(in, plot)) return kReadNotDataFile;
  r = read_variables(in, plot);
  if (r == kReadOk) r = read_values(in, plot);
  return r;
}

ReadResult read_plots(DataStream &in, const char *path) {
  int32_t plot_count;
  if (!read_integer(in, plot_count) || plot_count < 1) return kReadNotDataFile;
  for (int32_t i = 0; i < plot_count; i++) {
    PlotRecord *plot = append_plot();
    if (!plot) return kReadNoMemory;
    ReadResult r = read_plot(in, path, *plot);
    if (r != kReadOk) return r;
  }
  return kReadOk;
}

}  // namespace

uint64_t data_file_size(FILE *file) {
#if defined(_WIN32)
  if (_fseeki64(file, 0, SEEK_END) != 0) return UINT64_MAX;
  long long size = _ftelli64(file);
  if (size < 0 || _fseeki64(file, 0, SEEK_SET) != 0) return UINT64_MAX;
#else
  if (fseeko(file, 0, SEEK_END) != 0) return UINT64_MAX;
  off_t size = ftello(file);
  if (size < 0 || fseeko(file, 0, SEEK_SET) != 0) return UINT64_MAX;
#endif
  return static_cast<uint64_t>(size);
}

ReadResult read_data_file(const char *path, DataLayout layout) {
  FILE *file = fopen(path, "rb");
  if (!file) return kReadCannotOpen;
  DataStream in{file, nullptr, data_file_size(file), layout};
  ReadResult r = read_plots(in, path);
  fclose(file);
  return r;
}

ReadResult read_data_bytes(const unsigned char *bytes, size_t size, const char *path,
                           DataLayout layout) {
  DataStream in{nullptr, bytes, size, layout};
  return read_plots(in, path);
}
