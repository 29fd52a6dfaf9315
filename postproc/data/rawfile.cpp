// read_raw_file: ngspice raw files into the plot list.
//
// Each raw plot becomes one PlotRecord as the result-file reader would have made it: the
// strings of its header, zero statistics (a raw file has none), the number type of its
// flags, the kind and analysis code of its plot name, one variable per vector with the unit
// of its type, and its values in the same blocks. Pole-zero plots keep their poles first and
// their roots named so that the pole-zero graph groups them (raw_vectors.h).
//
// The counts of a header are checked against the bytes the input has left before anything
// is allocated for them: a binary value takes 8 bytes (16 when complex), a text value at
// least 2 ("0" and a separator; "0,0" and one when complex), a text point its index as well.
// Anything short, a damaged count, an index out of order or a number that does not parse
// ends the read as "not a data file". Text numbers go through strtod, which the program runs
// under the "C" locale: ngspice writes them with a point whatever its own locale.
#include "rawfile.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "../base/ascii.h"
#include "plot_list.h"
#include "raw_vectors.h"
#include "units.h"

static_assert(sizeof(double) == 8, "values are binary64");
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__
#error "binary raw values are copied as they are, little-endian"
#endif

namespace {

const size_t kBufferSize = 1 << 16;
const size_t kMaxLine = 1 << 16;     // a header line longer than this is no header
const size_t kMaxToken = 128;        // a text value longer than this is no number
const char kSignature[] = "Title:";

// The input, a file or bytes in memory, read through a buffer of its own so that header
// lines, text values and binary rows all come from one position.
class RawInput {
 public:
  RawInput(FILE *file, uint64_t size, unsigned char *buffer)
      : file_(file), data_(buffer), pos_(0), end_(0), unread_(size) {}
  RawInput(const unsigned char *bytes, size_t size)
      : file_(nullptr), data_(bytes), pos_(0), end_(size), unread_(0) {}

  uint64_t remaining() const { return (end_ - pos_) + unread_; }

  int peek() {
    if (pos_ == end_ && !fill()) return -1;
    return data_[pos_];
  }

  int get() {
    int c = peek();
    if (c >= 0) pos_++;
    return c;
  }

  bool read(void *out, size_t n) {
    unsigned char *to = static_cast<unsigned char *>(out);
    while (n > 0) {
      if (pos_ == end_ && !fill()) return false;
      size_t part = end_ - pos_ < n ? end_ - pos_ : n;
      memcpy(to, data_ + pos_, part);
      pos_ += part;
      to += part;
      n -= part;
    }
    return true;
  }

 private:
  bool fill() {
    if (!file_ || unread_ == 0) return false;
    size_t want = unread_ < kBufferSize ? static_cast<size_t>(unread_) : kBufferSize;
    size_t got = fread(const_cast<unsigned char *>(data_), 1, want, file_);
    if (got == 0) {
      unread_ = 0;   // the file was shorter than its size said
      return false;
    }
    unread_ -= got;
    pos_ = 0;
    end_ = got;
    return true;
  }

  FILE *file_;
  const unsigned char *data_;
  size_t pos_, end_;
  uint64_t unread_;   // bytes of the file not yet in the buffer
};

bool is_space(int c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

// One line without its "\n" (and "\r"); false at the end of the input or past kMaxLine.
bool read_line(RawInput &in, std::string &line) {
  line.clear();
  int c = in.get();
  if (c < 0) return false;
  while (c >= 0 && c != '\n') {
    if (line.size() == kMaxLine) return false;
    line.push_back(static_cast<char>(c));
    c = in.get();
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

void skip_spaces(RawInput &in) {
  while (is_space(in.peek())) in.get();
}

std::string trimmed(const std::string &s) {
  size_t b = 0, e = s.size();
  while (b < e && is_space(s[b])) b++;
  while (e > b && is_space(s[e - 1])) e--;
  return s.substr(b, e - b);
}

// "Key: value" split at its first colon; false for a line without one.
bool split_key(const std::string &line, std::string &key, std::string &value) {
  size_t colon = line.find(':');
  if (colon == std::string::npos) return false;
  key = trimmed(line.substr(0, colon));
  value = trimmed(line.substr(colon + 1));
  return true;
}

// A count written in decimal digits alone, at most 2^31 - 1.
bool parse_count(const std::string &text, int32_t &out) {
  if (text.empty()) return false;
  int64_t v = 0;
  for (char c : text) {
    if (!is_ascii_digit(c)) return false;
    v = v * 10 + (c - '0');
    if (v > INT32_MAX) return false;
  }
  out = static_cast<int32_t>(v);
  return true;
}

// A whole text as one finite or infinite number, as ngspice prints it.
bool parse_number(const char *text, double &out) {
  if (!*text) return false;
  char *end = nullptr;
  out = strtod(text, &end);
  return end != text && *end == '\0';
}

std::vector<std::string> words_of(const std::string &line) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && is_space(line[i])) i++;
    size_t b = i;
    while (i < line.size() && !is_space(line[i])) i++;
    if (i > b) words.push_back(line.substr(b, i - b));
  }
  return words;
}

char *copy_text(const std::string &s) {
  char *out = static_cast<char *>(plot_allocator().allocate(s.size() + 1));
  if (out) memcpy(out, s.c_str(), s.size() + 1);
  return out;
}

// What a header says about its plot before the values.
struct RawHeader {
  std::string title, date, plot_name;
  bool complex = false;
  bool have_flags = false;   // "real" or "complex" was among the flags
  int32_t variable_count = -1;
  int32_t point_count = -1;
  std::vector<std::string> names, types;
  bool binary = false;
};

bool read_header_lines(RawInput &in, RawHeader &h) {
  std::string line, key, value;
  if (!read_line(in, line) || !split_key(line, key, value) || key != "Title") return false;
  h.title = value;
  for (;;) {
    if (!read_line(in, line)) return false;
    if (!split_key(line, key, value)) {
      if (trimmed(line).empty()) continue;
      return false;
    }
    if (equal_ignoring_case(key, "Date")) {
      h.date = value;
    } else if (equal_ignoring_case(key, "Plotname")) {
      h.plot_name = value;
    } else if (equal_ignoring_case(key, "Flags")) {
      for (const std::string &w : words_of(value)) {
        if (equal_ignoring_case(w, "complex")) h.complex = h.have_flags = true;
        if (equal_ignoring_case(w, "real")) h.complex = false, h.have_flags = true;
      }
    } else if (equal_ignoring_case(key, "No. Variables")) {
      if (!parse_count(value, h.variable_count)) return false;
    } else if (equal_ignoring_case(key, "No. Points")) {
      if (!parse_count(value, h.point_count)) return false;
    } else if (equal_ignoring_case(key, "Variables")) {
      // The first vector may follow on the same line.
      if (!value.empty()) {
        std::vector<std::string> w = words_of(value);
        if (w.size() < 3 || w[0] != "0") return false;
        h.names.push_back(w[1]);
        h.types.push_back(w[2]);
      }
      break;
    }
    // Command:, Option:, Dimensions: and whatever else a writer adds tell nothing the
    // plot record holds.
  }
  return h.have_flags && h.variable_count >= 0 && h.point_count >= 0;
}

// The vector lines and the line that opens the data.
bool read_vectors(RawInput &in, RawHeader &h) {
  // A vector line takes at least "0 a b\n".
  if (static_cast<uint64_t>(h.variable_count) * 6 > in.remaining() + 6) return false;
  if (h.names.size() > static_cast<size_t>(h.variable_count)) return false;
  std::string line;
  while (h.names.size() < static_cast<size_t>(h.variable_count)) {
    if (!read_line(in, line)) return false;
    std::vector<std::string> w = words_of(line);
    if (w.empty()) continue;
    int32_t index;
    if (w.size() < 3 || !parse_count(w[0], index) || index != static_cast<int32_t>(h.names.size()))
      return false;
    h.names.push_back(w[1]);
    h.types.push_back(w[2]);   // further words (grid=3, dims=...) change no value
  }
  do {
    if (!read_line(in, line)) return false;
    line = trimmed(line);
  } while (line.empty());
  if (line == "Binary:")
    h.binary = true;
  else if (line != "Values:")
    return false;
  return true;
}

// Where each vector's values go in a row: pole-zero plots put their poles first.
std::vector<int32_t> column_order(const RawHeader &h, int kind) {
  std::vector<int32_t> to(h.names.size());
  int32_t next = 0;
  for (int pass = 0; pass < 2; pass++)
    for (size_t j = 0; j < h.names.size(); j++) {
      bool zero = kind == kPlotPoleZero && raw_root_is_zero(h.names[j]);
      if (zero == (pass == 1)) to[j] = next++;
    }
  return to;
}

ReadResult fill_record(const RawHeader &h, const std::vector<int32_t> &to, const char *path,
                       PlotRecord &plot) {
  plot.file_name = copy_text(path);
  plot.circuit_title = copy_text(h.title);
  plot.simulation_date = copy_text(h.date);
  plot.plot_name = copy_text(h.plot_name);
  if (!plot.file_name || !plot.circuit_title || !plot.simulation_date || !plot.plot_name)
    return kReadNoMemory;
  plot.number_type = h.complex ? kComplexValues : kRealValues;
  plot.plot_kind = raw_plot_kind(h.plot_name);
  plot.analysis_code = raw_analysis_code(h.plot_name);
  plot.variable_count = h.variable_count;
  plot.point_count = h.point_count;
  plot.variables = static_cast<VariableEntry *>(
      plot_allocator().allocate_zeroed(static_cast<size_t>(h.variable_count), sizeof(VariableEntry)));
  if (!plot.variables) return kReadNoMemory;
  for (size_t j = 0; j < h.names.size(); j++) {
    VariableEntry &v = plot.variables[to[j]];
    std::string name = plot.plot_kind == kPlotPoleZero ? raw_root_name(h.names[j]) : h.names[j];
    size_t kept = name.size() < sizeof v.name - 1 ? name.size() : sizeof v.name - 1;
    memcpy(v.name, name.data(), kept);
    v.name[kept] = '\0';
    // A root is a complex frequency, whatever type the file gave it.
    v.unit_index = plot.plot_kind == kPlotPoleZero ? kUnitNone : raw_unit_index(h.types[j]);
  }
  return kReadOk;
}

// One point's values in file order, re and im interleaved when complex.
bool read_binary_point(RawInput &in, double *row, size_t count) {
  return in.read(row, count * sizeof(double));
}

bool read_token(RawInput &in, char (&token)[kMaxToken + 1]) {
  skip_spaces(in);
  size_t n = 0;
  for (int c = in.peek(); c >= 0 && !is_space(c); c = in.peek()) {
    if (n == kMaxToken) return false;
    token[n++] = static_cast<char>(in.get());
  }
  token[n] = '\0';
  // ngspice ends every value with a line break: a number cut by the end of the file would
  // otherwise read as a shorter, wrong one.
  return n > 0 && in.peek() >= 0;
}

bool read_text_point(RawInput &in, int32_t point, double *row, size_t variables, bool complex) {
  char token[kMaxToken + 1];
  int32_t index;
  if (!read_token(in, token) || !parse_count(token, index) || index != point) return false;
  for (size_t j = 0; j < variables; j++) {
    if (!read_token(in, token)) return false;
    if (!complex) {
      if (!parse_number(token, row[j])) return false;
      continue;
    }
    char *comma = strchr(token, ',');
    if (!comma) return false;
    *comma = '\0';
    if (!parse_number(token, row[2 * j]) || !parse_number(comma + 1, row[2 * j + 1])) return false;
  }
  return true;
}

ReadResult read_points(RawInput &in, const RawHeader &h, const std::vector<int32_t> &to, PlotRecord &plot) {
  BlockGeometry g;
  if (!compute_block_geometry(h.variable_count, h.point_count, g)) return kReadNotDataFile;
  uint64_t per_value = h.binary ? (h.complex ? 16 : 8) : (h.complex ? 4 : 2);
  uint64_t needed = static_cast<uint64_t>(g.total_values) * per_value;
  if (!h.binary) needed += static_cast<uint64_t>(h.point_count) * 2;
  if (needed > in.remaining()) return kReadNotDataFile;
  plot.values_per_block = g.values_per_block;
  plot.block_count = g.block_count;
  if (!allocate_value_blocks(g, plot.real_blocks) || (h.complex && !allocate_value_blocks(g, plot.imag_blocks)))
    return kReadNoMemory;
  ReadResult r = kReadOk;
  size_t v = static_cast<size_t>(h.variable_count);
  size_t width = h.complex ? 2 * v : v;
  double *row = static_cast<double *>(malloc(width * sizeof(double)));
  if (!row) return kReadNoMemory;
  // ngspice gives roots in rad/s; a pole-zero plot holds them in Hz, as its graph says.
  const double scale = plot.plot_kind == kPlotPoleZero ? 1 / 6.283185307179586476925 : 1;
  for (int32_t p = 0; p < h.point_count && r == kReadOk; p++) {
    bool ok = h.binary ? read_binary_point(in, row, width) : read_text_point(in, p, row, v, h.complex);
    if (!ok) {
      r = kReadNotDataFile;
      break;
    }
    uint64_t at = static_cast<uint64_t>(p) * v;
    double *re = plot.real_blocks[at / g.values_per_block].values + at % g.values_per_block;
    double *im = h.complex ? plot.imag_blocks[at / g.values_per_block].values + at % g.values_per_block : nullptr;
    for (size_t j = 0; j < v; j++) {
      if (h.complex) {
        re[to[j]] = row[2 * j] * scale;
        im[to[j]] = row[2 * j + 1] * scale;
      } else {
        re[to[j]] = row[j] * scale;
      }
    }
  }
  free(row);
  return r;
}

// One plot; `skipped` is set for a plot without vectors or points, which no record can hold
// and which has nothing to lose.
ReadResult read_raw_plot(RawInput &in, const char *path, bool &skipped) {
  RawHeader h;
  if (!read_header_lines(in, h) || !read_vectors(in, h)) return kReadNotDataFile;
  skipped = h.variable_count == 0 || h.point_count == 0;
  if (skipped) return kReadOk;
  PlotRecord *plot = append_plot();
  if (!plot) return kReadNoMemory;
  std::vector<int32_t> to = column_order(h, raw_plot_kind(h.plot_name));
  ReadResult r = fill_record(h, to, path, *plot);
  if (r == kReadOk) r = read_points(in, h, to, *plot);
  return r;
}

ReadResult read_raw_plots(RawInput &in, const char *path) {
  int plots = 0;
  try {
    for (;;) {
      skip_spaces(in);
      if (in.peek() < 0) break;
      bool skipped = false;
      ReadResult r = read_raw_plot(in, path, skipped);
      if (r != kReadOk) return r;
      if (!skipped) plots++;
    }
  } catch (const std::bad_alloc &) {
    return kReadNoMemory;
  }
  return plots > 0 ? kReadOk : kReadNotDataFile;
}

}  // namespace

bool looks_like_raw_file(const char *path) {
  FILE *file = fopen(path, "rb");
  if (!file) return false;
  char start[sizeof kSignature - 1];
  bool yes = fread(start, 1, sizeof start, file) == sizeof start && memcmp(start, kSignature, sizeof start) == 0;
  fclose(file);
  return yes;
}

ReadResult read_raw_file(const char *path) {
  FILE *file = fopen(path, "rb");
  if (!file) return kReadCannotOpen;
  unsigned char *buffer = static_cast<unsigned char *>(malloc(kBufferSize));
  ReadResult r = kReadNoMemory;
  if (buffer) {
    RawInput in(file, data_file_size(file), buffer);
    r = read_raw_plots(in, path);
    free(buffer);
  }
  fclose(file);
  return r;
}

ReadResult read_raw_bytes(const unsigned char *bytes, size_t size, const char *path) {
  RawInput in(bytes, size);
  return read_raw_plots(in, path);
}
