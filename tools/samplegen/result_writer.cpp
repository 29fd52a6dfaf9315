// Sample plots written through the program's own result-file writer. A sample's header goes
// to the file as it stands, so tests can also write what no reader would accept (texts too
// long for a record, counts that disagree with the values).
#include "result_writer.h"

#include "data/writer.h"

namespace {

DataLayout data_layout(SampleLayout layout) { return layout == kSampleWide ? kLayoutWide : kLayoutNarrow; }

PlotHeader header_of(const SamplePlot &p) {
  PlotHeader h{p.circuit_title, p.simulation_date, p.plot_name, {}, p.number_type,
               p.analysis_code, p.plot_kind, {}, p.point_count};
  for (int i = 0; i < 6; i++) h.statistics.counters[i] = p.counters[i];
  for (int i = 0; i < 8; i++) h.statistics.times[i] = p.times[i];
  for (const SampleVariable &v : p.variables) h.variables.push_back({v.name, v.unit_index});
  return h;
}

}  // namespace

std::vector<unsigned char> encode_result_file(const std::vector<SamplePlot> &plots, SampleLayout layout) {
  std::vector<unsigned char> bytes;
  ResultSink sink{nullptr, &bytes};
  write_plot_count(sink, static_cast<int32_t>(plots.size()), data_layout(layout));
  for (const SamplePlot &p : plots) {
    write_plot_header(sink, header_of(p), data_layout(layout));
    write_values(sink, p.real.data(), p.real.size());
    write_values(sink, p.imag.data(), p.imag.size());
  }
  return bytes;
}

bool write_result_file(const std::string &path, const std::vector<SamplePlot> &plots, SampleLayout layout) {
  std::vector<unsigned char> bytes = encode_result_file(plots, layout);
  FILE *f = fopen(path.c_str(), "wb");
  if (!f) return false;
  bool ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return fclose(f) == 0 && ok;
}

void write_plot_count(FILE *out, int32_t count, SampleLayout layout) {
  write_plot_count(ResultSink{out, nullptr}, count, data_layout(layout));
}

void write_plot_header(FILE *out, const SamplePlot &plot, SampleLayout layout) {
  write_plot_header(ResultSink{out, nullptr}, header_of(plot), data_layout(layout));
}
