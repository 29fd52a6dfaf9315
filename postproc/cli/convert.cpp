// ulmocli convert FILE OUT.out [--narrow]: any data file the program opens (an ngspice raw
// file above all) written as a result file, in the wide layout or, with --narrow, the 16-bit
// one, so that the simulator's side of the link can hand it on.
//
// Every plot is written as the program holds it: strings, statistics, codes, variables with
// their unit indices, and the real and then the imaginary rows. A plot whose counts, codes
// or strings do not fit 16 bits is refused by --narrow before anything is written, rather
// than cut; a write that fails leaves no file behind.
#include <cstdio>
#include <cstring>
#include <string>

#include "../base/text.h"
#include "../data/plot_list.h"
#include "../data/plot_model.h"
#include "commands.h"
#include "result_writer.h"

namespace {

const uint32_t kNarrowMax = 0xFFFF;

// The current plot's header as the writer takes it; its values are written row by row.
SamplePlot current_header() {
  const PlotRecord &record = *plot_list().current;
  SamplePlot p;
  p.circuit_title = current_plot_text(kPlotTitle);
  p.simulation_date = current_plot_text(kPlotDate);
  p.plot_name = current_plot_text(kPlotName);
  const SimulationStatistics &s = *current_statistics();
  for (int i = 0; i < 6; i++) p.counters[i] = s.counters[i];
  for (int i = 0; i < 8; i++) p.times[i] = s.times[i];
  p.number_type = record.number_type;
  p.analysis_code = current_analysis_code();
  p.plot_kind = current_plot_kind();
  for (int v = 0; v < variable_count(); v++) {
    std::string name, unit;
    variable_info(v, name, unit);
    p.variables.push_back(SampleVariable{name, record.variables[v].unit_index});
  }
  p.point_count = point_count();
  return p;
}

bool fits_narrow(int64_t v) { return v >= 0 && v <= kNarrowMax; }

// What of the current plot the narrow layout cannot hold, or "" when it holds everything.
std::string narrow_misfit(const SamplePlot &p) {
  if (!fits_narrow(p.circuit_title.size()) || !fits_narrow(p.simulation_date.size()) ||
      !fits_narrow(p.plot_name.size()))
    return "a text longer than 65535 bytes";
  for (int32_t c : p.counters)
    if (!fits_narrow(c)) return "a statistics counter outside 0..65535";
  if (!fits_narrow(p.analysis_code) || !fits_narrow(p.plot_kind)) return "a code above 65535";
  if (!fits_narrow(static_cast<int64_t>(p.variables.size()))) return "more than 65535 variables";
  if (!fits_narrow(p.point_count)) return "more than 65535 points";
  for (const SampleVariable &v : p.variables)
    if (!fits_narrow(v.unit_index)) return "a unit index outside 0..65535";
  return "";
}

bool write_rows(FILE *out, bool imaginary) {
  size_t width = static_cast<size_t>(variable_count());
  for (int i = 0; i < point_count(); i++) {
    RowToken token;
    const double *row = imaginary ? lock_imag_row(i, token) : lock_real_row(i, token);
    if (!row) return false;
    bool ok = fwrite(row, sizeof(double), width, out) == width;
    release_row(token);
    if (!ok) return false;
  }
  return true;
}

bool write_all(FILE *out, SampleLayout layout) {
  write_plot_count(out, plot_count(), layout);
  for (int i = 0; i < plot_count(); i++) {
    select_plot(i, false);
    write_plot_header(out, current_header(), layout);
    if (!write_rows(out, false)) return false;
    if (!is_real_plot() && !write_rows(out, true)) return false;
  }
  return !ferror(out);
}

}  // namespace

int run_convert(int argc, char **argv) {
  const char *in = nullptr, *out = nullptr;
  bool narrow = false, extra = false;
  for (int i = 0; i < argc; i++) {
    if (strcmp(argv[i], "--narrow") == 0)
      narrow = true;
    else if (!in)
      in = argv[i];
    else if (!out)
      out = argv[i];
    else
      extra = true;
  }
  if (!in || !out || extra) {
    fprintf(stderr, "usage: ulmocli convert FILE OUT.out [--narrow]\n");
    return kCliUsage;
  }
  if (!cli_load(in)) return kCliLoadFailed;
  if (narrow) {
    for (int i = 0; i < plot_count(); i++) {
      select_plot(i, false);
      std::string misfit = narrow_misfit(current_header());
      if (!misfit.empty()) {
        fprintf(stderr, "ulmocli: plot %d of %s does not fit the narrow layout: %s\n", i, in,
                misfit.c_str());
        return kCliWriteFailed;
      }
    }
  }
  FILE *file = fopen(out, "wb");
  bool ok = file && write_all(file, narrow ? kSampleNarrow : kSampleWide);
  if (file && fclose(file) != 0) ok = false;
  if (!ok) {
    if (file) remove(out);
    fprintf(stderr, "ulmocli: cannot write %s\n", out);
    return kCliWriteFailed;
  }
  return kCliOk;
}
