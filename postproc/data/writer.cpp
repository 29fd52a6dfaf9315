// The result-file writer: each field as the reader takes it, little-endian, integers 32 bits
// wide or 16 bits narrow (a value is cut to its low bits there: narrow_layout_misfit says
// beforehand whether anything would be). Values are written from the plot's blocks in
// order, which hold the rows point-major as the file does.
#include "writer.h"

#include <cstring>

namespace {

const int64_t kNarrowMax = 0xFFFF;

bool put(ResultSink sink, const void *p, size_t n) {
  if (sink.memory) {
    const unsigned char *b = static_cast<const unsigned char *>(p);
    sink.memory->insert(sink.memory->end(), b, b + n);
    return true;
  }
  return fwrite(p, 1, n, sink.file) == n;
}

struct Writer {
  ResultSink sink;
  DataLayout layout;
  bool ok;

  void bytes(const void *p, size_t n) { ok = ok && put(sink, p, n); }
  void integer(int32_t v) {
    uint32_t u = static_cast<uint32_t>(v);
    unsigned char raw[4];
    size_t width = layout == kLayoutWide ? 4 : 2;
    for (size_t i = 0; i < width; i++) raw[i] = static_cast<unsigned char>(u >> (8 * i));
    bytes(raw, width);
  }
  void real(double v) {
    unsigned char raw[8];
    memcpy(raw, &v, 8);
    bytes(raw, 8);
  }
  void text(const std::string &s) {
    integer(static_cast<int32_t>(s.size()));
    bytes(s.data(), s.size());
  }
};

bool fits_narrow(int64_t v) { return v >= 0 && v <= kNarrowMax; }

std::string or_empty(const char *s) { return s ? s : ""; }

bool write_blocks(ResultSink sink, const ValueBlock *blocks, uint32_t count) {
  for (uint32_t b = 0; b < count; b++)
    if (!write_values(sink, blocks[b].values, blocks[b].count)) return false;
  return true;
}

}  // namespace

PlotHeader plot_header(const PlotRecord &p) {
  PlotHeader h{or_empty(p.circuit_title), or_empty(p.simulation_date), or_empty(p.plot_name),
               p.statistics, p.number_type, p.analysis_code, p.plot_kind, {}, p.point_count};
  for (int32_t v = 0; v < p.variable_count; v++)
    h.variables.push_back({p.variables[v].name, p.variables[v].unit_index});
  return h;
}

const char *narrow_layout_misfit(const PlotHeader &h) {
  for (const std::string *s : {&h.circuit_title, &h.simulation_date, &h.plot_name})
    if (!fits_narrow(static_cast<int64_t>(s->size()))) return "a text longer than 65535 bytes";
  for (int32_t c : h.statistics.counters)
    if (!fits_narrow(c)) return "a statistics counter outside 0..65535";
  if (!fits_narrow(h.analysis_code) || !fits_narrow(h.plot_kind)) return "a code above 65535";
  if (!fits_narrow(static_cast<int64_t>(h.variables.size()))) return "more than 65535 variables";
  if (!fits_narrow(h.point_count)) return "more than 65535 points";
  for (const VariableHeader &v : h.variables) {
    if (!fits_narrow(static_cast<int64_t>(v.name.size()))) return "a text longer than 65535 bytes";
    if (!fits_narrow(v.unit_index)) return "a unit index outside 0..65535";
  }
  return nullptr;
}

bool write_plot_count(ResultSink sink, int32_t count, DataLayout layout) {
  Writer w{sink, layout, true};
  w.integer(count);
  return w.ok;
}

bool write_plot_header(ResultSink sink, const PlotHeader &h, DataLayout layout) {
  Writer w{sink, layout, true};
  w.text(h.circuit_title);
  w.text(h.simulation_date);
  w.text(h.plot_name);
  for (int32_t c : h.statistics.counters) w.integer(c);
  for (double t : h.statistics.times) w.real(t);
  w.integer(h.number_type);
  w.integer(h.analysis_code);
  w.integer(h.plot_kind);
  w.integer(static_cast<int32_t>(h.variables.size()));
  w.integer(h.point_count);
  for (const VariableHeader &v : h.variables) {
    w.text(v.name);
    w.integer(v.unit_index);
  }
  return w.ok;
}

bool write_values(ResultSink sink, const double *values, size_t count) {
  // The file's doubles are little-endian binary64, as this program's are in memory.
  static_assert(sizeof(double) == 8, "binary64 values");
  return put(sink, values, sizeof(double) * count);
}

bool write_plots(ResultSink sink, const PlotRecord *first, DataLayout layout) {
  int32_t count = 0;
  for (const PlotRecord *p = first; p; p = p->next) count++;
  if (!write_plot_count(sink, count, layout)) return false;
  for (const PlotRecord *p = first; p; p = p->next) {
    if (!write_plot_header(sink, plot_header(*p), layout)) return false;
    if (!write_blocks(sink, p->real_blocks, p->block_count)) return false;
    if (p->number_type != kRealValues) {
      if (!p->imag_blocks) return false;   // a complex plot without its imaginary values
      if (!write_blocks(sink, p->imag_blocks, p->block_count)) return false;
    }
  }
  return !sink.file || !ferror(sink.file);
}
