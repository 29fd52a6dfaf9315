// ulmocli psd FILE.dat [--fs F] [--avg L] [--hann] [--osr R] [--no-psd]: what "Monitor File On
// Disk and Plot" computes for a data file, for scripts that check a converter after each
// simulation: every column's trace in the trace export format, then one line "SNDR value dB"
// per column, in column order ("inf" when the band holds no noise beside the signal).
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "../base/messages.h"
#include "../base/text.h"
#include "../data/export.h"
#include "../resources/resource_ids.h"
#include "../spectrum/monitor.h"
#include "../spectrum/psd.h"
#include "commands.h"

namespace {

bool read_integer(const char *text, int32_t &value) {
  char *end;
  long n = strtol(text, &end, 10);
  if (*end || end == text || n < 0 || n > 0x7fffffffL) return false;
  value = static_cast<int32_t>(n);
  return true;
}

bool read_arguments(int argc, char **argv, const char *&path, MonitorSettings &s) {
  for (int i = 0; i < argc; i++) {
    const char *a = argv[i];
    bool has_value = i + 1 < argc;
    if (strcmp(a, "--fs") == 0 && has_value) {
      char *end;
      s.sampling_frequency = strtod(argv[++i], &end);
      if (*end || end == argv[i]) return false;
    } else if (strcmp(a, "--avg") == 0 && has_value) {
      s.averaging = true;
      if (!read_integer(argv[++i], s.sequence_length)) return false;
    } else if (strcmp(a, "--osr") == 0 && has_value) {
      if (!read_integer(argv[++i], s.oversampling_ratio)) return false;
    } else if (strcmp(a, "--hann") == 0) {
      s.hann = true;
    } else if (strcmp(a, "--no-psd") == 0) {
      s.psd = false;
    } else if (!path && a[0] != '-') {
      path = a;
    } else {
      return false;
    }
  }
  return path != nullptr;
}

}  // namespace

int run_psd(int argc, char **argv) {
  const char *path = nullptr;
  MonitorSettings settings;
  if (!read_arguments(argc, argv, path, settings)) {
    return cli_usage("psd");
  }
  cli_print_messages();
  if (MonitorSettingsCheck check = check_monitor_settings(settings)) {
    show_message(nullptr, 0, monitor_settings_message(check));
    return kCliUsage;
  }
  MonitorData data;
  int32_t bad_line = 0;
  switch (read_monitor_file(path, data, bad_line)) {
    case kMonitorReadOk: break;
    case kMonitorCantOpen:
      show_message(nullptr, 0, IDS_CANT_OPEN_FILE, path);
      return kCliLoadFailed;
    case kMonitorNumberOutOfRange:
      show_message(nullptr, 0, IDS_MONITOR_NUMBER_RANGE, static_cast<int>(bad_line), path);
      return kCliLoadFailed;
    case kMonitorNoMemory:
      show_message(nullptr, 0, IDS_NOT_ENOUGH_MEMORY);
      return kCliLoadFailed;
  }
  MonitorResult result;
  MonitorStatus status = compute_monitor(data, settings, result);
  switch (status) {
    case kMonitorOk: break;
    case kMonitorTooFewRows:
      fprintf(stderr, "ulmocli: %s holds fewer than 3 rows: nothing to plot\n", path);
      return kCliNoSpectrum;
    case kMonitorShortData:
    case kMonitorNoSndr:
      show_message(nullptr, 0, monitor_status_message(status), path);
      return kCliNoSpectrum;
    case kMonitorOutOfMemory:
      show_message(nullptr, 0, IDS_NOT_ENOUGH_MEMORY);
      return kCliNoSpectrum;
  }
  std::string legend = ansi_to_utf8(result.trace_name);
  for (const MonitorColumn &c : result.columns)
    write_trace_export(stdout, legend.c_str(), c.x.get(), c.y.get(), c.count);
  for (const MonitorColumn &c : result.columns)
    printf("SNDR %s dB\n", format_sndr(c.sndr).c_str());
  return fflush(stdout) == 0 && !ferror(stdout) ? kCliOk : kCliUsage;
}
