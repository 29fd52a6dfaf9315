// Every column starts from all rows and the file's own x values. With "PSD" the column's
// spectrum replaces it; otherwise the values are plotted as they are and, for the SNDR, read
// as a spectrum in dB. A single-column file holds the values in its x column; their x values
// are then their indices.
//
// The y range covers every column, not only the last one processed, so that no trace of a
// multi-column file is drawn outside the graph.
#include "monitor.h"

#include <cmath>
#include <limits>
#include <new>

#include "../base/cformat.h"
#include "../graph/properties.h"
#include "../graph/scaling.h"
#include "../resources/resource_ids.h"
#include "psd.h"

namespace {

double *new_array(size_t count) { return new double[count > 0 ? count : 1]; }

void track(double &lo, double &hi, const double *v, int32_t n) {
  for (int32_t i = 0; i < n; i++) {
    if (v[i] < lo) lo = v[i];
    if (v[i] > hi) hi = v[i];
  }
}

MonitorStatus column_result(const std::vector<double> &xs, const std::vector<double> &ys,
                            const MonitorSettings &s, MonitorColumn &out) {
  int32_t n = static_cast<int32_t>(ys.size());
  if (s.psd) {
    PsdSpectrum spectrum;
    PsdStatus status = psd_spectrum(ys.data(), n, s, spectrum);
    if (status == kPsdTooFewSamples) return kMonitorShortData;
    if (status != kPsdOk) return kMonitorOutOfMemory;
    out.count = static_cast<int32_t>(spectrum.level.size());
    out.x.reset(new_array(spectrum.frequency.size()));
    out.y.reset(new_array(spectrum.level.size()));
    std::copy(spectrum.frequency.begin(), spectrum.frequency.end(), out.x.get());
    std::copy(spectrum.level.begin(), spectrum.level.end(), out.y.get());
    out.sndr = spectrum.sndr;
    return kMonitorOk;
  }
  out.count = n;
  out.x.reset(new_array(xs.size()));
  out.y.reset(new_array(ys.size()));
  std::copy(xs.begin(), xs.end(), out.x.get());
  std::copy(ys.begin(), ys.end(), out.y.get());
  out.sndr = spectrum_file_sndr(out.x.get(), out.y.get(), n, s.oversampling_ratio, s.hann);
  return kMonitorOk;
}

MonitorStatus compute(const MonitorData &data, const MonitorSettings &s, MonitorResult &r) {
  int32_t n = data.rows();
  if (n < 3) return kMonitorTooFewRows;
  bool single = data.columns == 0;
  int32_t columns = single ? 1 : data.columns;
  r.trace_name = single ? "PSD [dBFS]" : "Trace 1";
  r.table = s.calculate_sndr;
  r.table_rows = single ? 5 : columns + 5;
  r.y_min = std::numeric_limits<double>::infinity();
  r.y_max = -r.y_min;

  std::vector<double> xs(static_cast<size_t>(n)), ys(static_cast<size_t>(n));
  for (int32_t i = 0; i < n; i++) xs[static_cast<size_t>(i)] = single ? i : data.x[static_cast<size_t>(i)];
  for (int32_t k = 0; k < columns; k++) {
    for (int32_t i = 0; i < n; i++)
      ys[static_cast<size_t>(i)] = single ? data.x[static_cast<size_t>(i)] : data.value(i, k);
    MonitorColumn column;
    MonitorStatus status = column_result(xs, ys, s, column);
    if (status != kMonitorOk) return status;
    if (r.table && std::isnan(column.sndr)) return kMonitorNoSndr;
    r.x_min = column.x[0];
    r.x_max = column.x[static_cast<size_t>(column.count - 1)];
    track(r.y_min, r.y_max, column.y.get(), column.count);
    r.last_sndr = column.sndr;
    if (r.table)
      r.rows.push_back({k + 1, {c_format("Trace %d", k + 1), "SNDR", format_sndr(column.sndr), "dB"}});
    r.columns.push_back(std::move(column));
  }
  return kMonitorOk;
}

}  // namespace

MonitorStatus compute_monitor(const MonitorData &data, const MonitorSettings &settings,
                              MonitorResult &result) {
  result = MonitorResult();
  MonitorStatus status;
  try {
    status = compute(data, settings, result);
  } catch (const std::bad_alloc &) {
    status = kMonitorOutOfMemory;
  }
  if (status != kMonitorOk) result = MonitorResult();
  return status;
}

int monitor_status_message(MonitorStatus status) {
  switch (status) {
    case kMonitorShortData: return IDS_MONITOR_SHORT_FILE;
    case kMonitorNoSndr: return IDS_MONITOR_NO_SNDR;
    default: return 0;
  }
}

Graph *create_monitor_graph(WindowHandle owner, const GraphPreferences &preferences) {
  return create_graph(owner, "X Axis Title", "", "", 1, 1, preferences);
}

bool apply_monitor_result(Graph *graph, bool fresh, MonitorResult &result,
                          const GraphPreferences &preferences) {
  Trace *trace = fresh ? nullptr : first_trace(graph);
  for (MonitorColumn &column : result.columns) {
    if (trace) {
      PropertyValue v{};
      v.values = column.x.release();
      set_trace_property(trace, kTraceXValues, v);
      v.values = column.y.release();
      set_trace_property(trace, kTraceYValues, v);
      set_trace_property(trace, kTracePointCount, number_value(column.count));
      trace = next_trace(graph);
      continue;
    }
    Trace *added = add_trace(graph, 0, 0, 0, 0, result.trace_name, column.count, -1, column.x.get(),
                             column.y.get(), preferences);
    if (!added) return false;
    // A PSD, or a spectrum in dB that the file holds.
    added->spectrum = true;
    column.x.release();
    column.y.release();
  }
  if (!result.columns.empty()) {
    set_data_range(graph, 0, result.x_min, result.x_max);
    set_data_range(graph, 1, result.y_min, result.y_max);
  }
  return true;
}
