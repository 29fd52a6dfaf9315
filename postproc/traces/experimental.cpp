// Experimental data files and the traces they become.
//
// The file is read whole into memory and parsed there: its line ends are checked on the raw
// bytes, then carriage-return/line-feed pairs become line feeds and an end-of-file mark
// (Ctrl+Z) ends the text, as a text-mode read would make them, so the parse is the same on
// every C runtime. Nothing reaches the graph before the
// whole file has been read and every trace has its arrays; a trace that cannot be added takes
// the ones added before it back out.
#include "experimental.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <new>

#include "../base/messages.h"
#include "../resources/resource_ids.h"
#include "plot_graph.h"

namespace {

bool is_blank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

struct Cursor {
  const std::string &text;
  size_t at;

  bool at_end() const { return at >= text.size(); }
  void skip_blanks() {
    while (!at_end() && is_blank(text[at])) at++;
  }
  // The run of non-blank characters from here; empty at the end.
  std::string token() {
    size_t start = at;
    while (!at_end() && !is_blank(text[at])) at++;
    return text.substr(start, at - start);
  }
  // The rest of this line without its line feed, and the position after it.
  std::string line() {
    size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    std::string l = text.substr(at, end - at);
    at = end < text.size() ? end + 1 : end;
    return l;
  }
};

// A decimal integer with an optional sign and nothing else.
bool read_count(Cursor &c, int &value) {
  c.skip_blanks();
  std::string t = c.token();
  if (t.empty() || t.size() > 11) return false;
  size_t i = (t[0] == '+' || t[0] == '-') ? 1 : 0;
  if (i == t.size()) return false;
  long long v = 0;
  for (; i < t.size(); i++) {
    if (t[i] < '0' || t[i] > '9') return false;
    v = v * 10 + (t[i] - '0');
  }
  if (t[0] == '-') v = -v;
  if (v > 2147483647LL || v < -2147483647LL) return false;
  value = static_cast<int>(v);
  c.skip_blanks();
  return true;
}

bool read_value(Cursor &c, double &value) {
  c.skip_blanks();
  std::string t = c.token();
  if (t.empty()) return false;
  char *end = nullptr;
  errno = 0;
  value = strtod(t.c_str(), &end);
  return end == t.c_str() + t.size() && std::isfinite(value);
}

// A name line made of exactly `width` numbers is a row of values: a name line is missing, and
// taking the row as a name would shift every later value by a column.
bool looks_like_a_row(const std::string &line, int width) {
  Cursor c{line, 0};
  int numbers = 0;
  double v;
  for (c.skip_blanks(); !c.at_end(); c.skip_blanks()) {
    if (!read_value(c, v)) return false;
    numbers++;
  }
  return numbers == width;
}

const char kEndOfFileMark = '\x1a';

std::string text_mode(const std::string &bytes) {
  std::string text;
  size_t end = std::min(bytes.find(kEndOfFileMark), bytes.size());
  text.reserve(end);
  for (size_t i = 0; i < end; i++)
    if (!(bytes[i] == '\r' && i + 1 < end && bytes[i + 1] == '\n')) text += bytes[i];
  return text;
}

// A value above the maximum raises it, otherwise one below the minimum lowers it.
void widen(RunningRange &range, double v) {
  if (v > range.max) range.max = v;
  else if (v < range.min) range.min = v;
}

}  // namespace

int check_experimental_line_ends(const std::string &bytes) {
  size_t cr = bytes.find('\r');
  if (cr == std::string::npos) return kExperimentalReadError;
  if (cr + 1 >= bytes.size() || bytes[cr + 1] != '\n') return kExperimentalLineEnds;
  return kExperimentalDone;
}

int parse_experimental_data(const std::string &bytes, ExperimentalData &out) {
  try {
    std::string text = text_mode(bytes);
    Cursor c{text, 0};
    int n = 0, m = 0;
    if (!read_count(c, n) || !read_count(c, m) || n < 1 || m < 1) return kExperimentalReadError;
    // Every value takes at least one character and a separator: a count the file cannot
    // hold is refused before anything is allocated for it.
    const unsigned long long count = static_cast<unsigned long long>(n) * (static_cast<unsigned long long>(m) + 1);
    if (static_cast<unsigned long long>(m) > text.size() || count > text.size() / 2 + 1)
      return kExperimentalReadError;
    std::vector<std::string> names;
    names.reserve(static_cast<size_t>(m));
    for (int k = 0; k < m; k++) {
      if (c.at_end()) return kExperimentalReadError;
      std::string name = c.line();
      if (looks_like_a_row(name, m + 1)) return kExperimentalReadError;
      if (name.size() > kExperimentalNameLimit) name.resize(kExperimentalNameLimit);
      names.push_back(name);
    }
    std::vector<double> values(static_cast<size_t>(count));
    for (double &v : values)
      if (!read_value(c, v)) return kExperimentalReadError;
    out.point_count = n;
    out.names = std::move(names);
    out.values = std::move(values);
    return kExperimentalDone;
  } catch (const std::bad_alloc &) {
    return kExperimentalNoMemory;
  }
}

int add_experimental_traces(Graph *graph, const ExperimentalData &data, std::string &title,
                            const GraphPreferences &preferences) {
  const int n = data.point_count;
  const int m = static_cast<int>(data.names.size());
  const size_t width = static_cast<size_t>(m) + 1;
  RunningRange x{graph->data_range[0].min, graph->data_range[0].max};
  RunningRange y{graph->data_range[1].min, graph->data_range[1].max};
  for (int i = 0; i < n; i++) {
    widen(x, data.values[i * width]);
    for (int k = 1; k <= m; k++) widen(y, data.values[i * width + k]);
  }
  std::string new_title;
  try {
    new_title = title;
    for (const std::string &name : data.names) new_title += name + " ";
    if (new_title.size() > kExperimentalTitleLimit) new_title.resize(kExperimentalTitleLimit);
  } catch (const std::bad_alloc &) {
    return kExperimentalNoMemory;
  }
  Trace *last_kept = graph->tail;
  for (int k = 1; k <= m; k++) {
    std::unique_ptr<double[]> xs(new (std::nothrow) double[n]);
    std::unique_ptr<double[]> ys(new (std::nothrow) double[n]);
    Trace *t = nullptr;
    if (xs && ys) {
      for (int i = 0; i < n; i++) {
        xs[i] = data.values[i * width];
        ys[i] = data.values[i * width + k];
      }
      t = add_trace(graph, 1, 0, 5, 0, data.names[k - 1], n, -1, xs.get(), ys.get(), preferences);
    }
    if (!t) {
      remove_traces_after(graph, last_kept);
      return kExperimentalNoMemory;
    }
    xs.release();
    ys.release();
    t->colour_index = 11;
  }
  title.swap(new_title);
  apply_data_range(graph, 0, x);
  apply_data_range(graph, 1, y);
  return kExperimentalDone;
}

int read_experimental_data(const char *path, Graph *graph, std::string &title,
                           const GraphPreferences &preferences) {
  FILE *f = fopen(path, "rb");
  if (!f) {
    show_message(graph ? graph->owner : nullptr, kMbIconExclamation, IDS_CANT_OPEN_FILE, path);
    return kExperimentalDone;
  }
  std::string bytes;
  try {
    char chunk[16384];
    size_t got;
    while ((got = fread(chunk, 1, sizeof chunk, f)) > 0) bytes.append(chunk, got);
  } catch (const std::bad_alloc &) {
    fclose(f);
    return kExperimentalNoMemory;
  }
  bool failed = ferror(f) != 0;
  fclose(f);
  if (failed) return kExperimentalReadError;
  if (int r = check_experimental_line_ends(bytes)) return r;
  ExperimentalData data{};
  if (int r = parse_experimental_data(bytes, data)) return r;
  if (!graph) return kExperimentalReadError;
  return add_experimental_traces(graph, data, title, preferences);
}

int experimental_message_id(int result) {
  switch (result) {
    case kExperimentalNoMemory: return IDS_NOT_ENOUGH_MEMORY;
    case kExperimentalReadError: return IDS_EXPERIMENTAL_READ_ERROR;
    case kExperimentalLineEnds: return IDS_ASCII_FORMAT;
    default: return 0;
  }
}
