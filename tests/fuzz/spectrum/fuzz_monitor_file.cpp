// The first two bytes choose the settings (PSD, averaging, Hann, SNDR, the sequence length,
// the OSR and fs); the rest is the file's text. Whatever it holds, reading and computing must
// not crash, leak or reach undefined behaviour, and what comes out must hang together: rows of
// the first row's width, a spectrum of n/2 points per column, a table row per column.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "graph/graph.h"
#include "graph/resources.h"
#include "graph/graph.h"
#include "shell/settings.h"
#include "spectrum/monitor.h"

namespace {

void check(bool condition, const char *what) {
  if (!condition) {
    fprintf(stderr, "fuzz_monitor_file: %s\n", what);
    abort();
  }
}

MonitorSettings settings_from(uint8_t a, uint8_t b) {
  static const int32_t lengths[] = {0, 1, 3, 4, 5, 7, 8, 16, 17, 64, 100, 256, 1000, 4096, -5, 2};
  static const int32_t ratios[] = {1, 2, 3, 32, 64, 1000, 0, -1};
  static const double frequencies[] = {1.0, 48000.0, 1e-300, 1e300};
  MonitorSettings s;
  s.psd = a & 1;
  s.averaging = a & 2;
  s.hann = a & 4;
  s.calculate_sndr = a & 8;
  s.sequence_length = lengths[a >> 4];
  s.oversampling_ratio = ratios[b & 7];
  s.sampling_frequency = frequencies[(b >> 3) & 3];
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size) {
  static bool ready = [] {
    create_graph_resources({212, 208, 200}, nullptr);
    return true;
  }();
  (void)ready;
  if (size < 2) return 0;
  MonitorSettings settings = settings_from(bytes[0], bytes[1]);
  // The dialog refuses what its checks refuse; the computation is fuzzed on the rest.
  if (check_monitor_settings(settings) != kSettingsOk) return 0;

  MonitorData data;
  int32_t bad_line = 0;
  const char *text = reinterpret_cast<const char *>(bytes + 2);
  MonitorReadStatus read = read_monitor_text(text, size - 2, data, bad_line);
  if (read != kMonitorReadOk) {
    check(read == kMonitorNumberOutOfRange && bad_line >= 1, "a failed read names no line");
    check(data.rows() == 0, "a failed read kept rows");
    return 0;
  }
  check(data.y.size() == static_cast<size_t>(data.rows()) * data.columns, "ragged rows");

  MonitorResult result;
  MonitorStatus status = compute_monitor(data, settings, result);
  if (status != kMonitorOk) {
    check(result.columns.empty(), "a failed computation kept columns");
    check(status != kMonitorTooFewRows || data.rows() < 3, "rows enough, yet too few");
    return 0;
  }
  int32_t columns = data.columns == 0 ? 1 : data.columns;
  check(result.columns.size() == static_cast<size_t>(columns), "a column went missing");
  int32_t n = settings.averaging && settings.sequence_length > 0 ? settings.sequence_length
                                                                 : data.rows();
  for (const MonitorColumn &c : result.columns)
    check(c.count == (settings.psd ? n / 2 : data.rows()), "wrong point count");
  check(result.rows.size() == (settings.calculate_sndr ? result.columns.size() : 0),
        "a table row per column");

  GraphPreferences preferences = default_graph_preferences();
  Graph *graph = create_monitor_graph(nullptr, preferences);
  if (graph) {
    check(apply_monitor_result(graph, true, result, preferences), "traces not added");
    MonitorResult again;
    if (compute_monitor(data, settings, again) == kMonitorOk)
      check(apply_monitor_result(graph, false, again, preferences), "refresh failed");
    destroy_graph(graph);
  }
  return 0;
}
