// The result-file writer: the reader's format, written field by field in little-endian.
#include "result_writer.h"

#include <cstring>

namespace {

struct Out {
  std::vector<unsigned char> bytes;
  SampleLayout layout;

  void integer(int32_t v) {
    uint32_t u = static_cast<uint32_t>(v);
    size_t width = layout == kSampleWide ? 4 : 2;
    for (size_t i = 0; i < width; i++) bytes.push_back(static_cast<unsigned char>(u >> (8 * i)));
  }
  void real(double v) {
    unsigned char raw[8];
    memcpy(raw, &v, 8);
    bytes.insert(bytes.end(), raw, raw + 8);
  }
  void text(const std::string &s) {
    integer(static_cast<int32_t>(s.size()));
    bytes.insert(bytes.end(), s.begin(), s.end());
  }
};

void encode_header(Out &out, const SamplePlot &p) {
  out.text(p.circuit_title);
  out.text(p.simulation_date);
  out.text(p.plot_name);
  for (int32_t c : p.counters) out.integer(c);
  for (double t : p.times) out.real(t);
  out.integer(p.number_type);
  out.integer(p.analysis_code);
  out.integer(p.plot_kind);
  out.integer(static_cast<int32_t>(p.variables.size()));
  out.integer(p.point_count);
  for (const SampleVariable &v : p.variables) {
    out.text(v.name);
    out.integer(v.unit_index);
  }
}

}  // namespace

std::vector<unsigned char> encode_result_file(const std::vector<SamplePlot> &plots, SampleLayout layout) {
  Out out{{}, layout};
  out.integer(static_cast<int32_t>(plots.size()));
  for (const SamplePlot &p : plots) {
    encode_header(out, p);
    for (double v : p.real) out.real(v);
    for (double v : p.imag) out.real(v);
  }
  return out.bytes;
}

bool write_result_file(const std::string &path, const std::vector<SamplePlot> &plots, SampleLayout layout) {
  std::vector<unsigned char> bytes = encode_result_file(plots, layout);
  FILE *f = fopen(path.c_str(), "wb");
  if (!f) return false;
  bool ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return fclose(f) == 0 && ok;
}

void write_plot_count(FILE *out, int32_t count, SampleLayout layout) {
  Out o{{}, layout};
  o.integer(count);
  fwrite(o.bytes.data(), 1, o.bytes.size(), out);
}

void write_plot_header(FILE *out, const SamplePlot &plot, SampleLayout layout) {
  Out o{{}, layout};
  encode_header(o, plot);
  fwrite(o.bytes.data(), 1, o.bytes.size(), out);
}
