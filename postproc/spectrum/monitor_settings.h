// The settings of one monitored data file, and the checks the dialog applies before it keeps
// them.
#pragma once

#include <cstdint>
#include <string>

#include "../base/ui.h"

struct MonitorSettings {
  WindowHandle graph_window = nullptr;   // the window showing the file; none until plotted
  std::string file_name;                 // up to 511 characters
  uint64_t last_write_time = 0;          // file time of the last read; 0 = never read
  double sampling_frequency = 1.0;       // fs, Hz
  bool psd = true;                       // the file holds samples: compute the PSD
  bool averaging = false;                // average the spectra of sequences of L samples
  int32_t sequence_length = 0;           // L
  bool hann = false;                     // Hann window; the signal takes three bins
  double spare_level = -200.0;           // kept for the record's layout, never used
  double sndr = -200.0;                  // dB, the last computed
  int32_t oversampling_ratio = 32;       // OSR: the signal band is [0, fs/(2 OSR))
  bool calculate_sndr = true;            // compute the SNDR and show "Extracted values"
};

enum MonitorSettingsCheck {
  kSettingsOk = 0,
  kSettingsBadFrequency,        // fs not a positive finite number (PSD only)
  kSettingsBadSequenceLength,   // averaging with fewer than 4 samples per sequence
  kSettingsBadOversampling,     // OSR below 1 (SNDR only)
};

// The first setting that no computation could use, checked where it is used: fs and L only
// with the PSD (L only when averaging), OSR only with the SNDR.
MonitorSettingsCheck check_monitor_settings(const MonitorSettings &settings);

// The string-table text that tells the user about a failed check (0 for kSettingsOk).
int monitor_settings_message(MonitorSettingsCheck check);
