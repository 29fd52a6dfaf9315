// A sequence of fewer than 4 samples has no spectrum point below its last bin, and an OSR of
// 0 would divide the band by zero; both are refused before a computation runs.
#include "monitor_settings.h"

#include <cmath>

#include "../resources/resource_ids.h"

MonitorSettingsCheck check_monitor_settings(const MonitorSettings &s) {
  if (s.psd && !(s.sampling_frequency > 0 && std::isfinite(s.sampling_frequency)))
    return kSettingsBadFrequency;
  if (s.psd && s.averaging && s.sequence_length < 4) return kSettingsBadSequenceLength;
  if (s.calculate_sndr && s.oversampling_ratio < 1) return kSettingsBadOversampling;
  return kSettingsOk;
}

int monitor_settings_message(MonitorSettingsCheck check) {
  switch (check) {
    case kSettingsBadFrequency: return IDS_MONITOR_BAD_FREQUENCY;
    case kSettingsBadSequenceLength: return IDS_MONITOR_BAD_SEQUENCE;
    case kSettingsBadOversampling: return IDS_MONITOR_BAD_OVERSAMPLING;
    default: return 0;
  }
}
