#include "monitor_form.h"

#include <cstdlib>

#include "../base/cformat.h"
#include "../resources/spectrum_dialog_ids.h"

std::vector<ControlState> monitor_dimming(bool psd, bool averaging, bool calculate_sndr) {
  bool length = psd && averaging;
  return {{IDC_MONITOR_FREQUENCY_LABEL, psd}, {IDC_MONITOR_FREQUENCY, psd},
          {IDC_MONITOR_FREQUENCY_UNIT, psd},  {IDC_MONITOR_AVERAGING, psd},
          {IDC_MONITOR_LENGTH_LABEL, length}, {IDC_MONITOR_LENGTH, length},
          {IDC_MONITOR_OSR_LABEL, calculate_sndr}};
}

std::string monitor_frequency_text(double fs) { return c_format("%g", fs); }

std::string monitor_unsigned_text(int32_t value) {
  return c_format("%u", static_cast<unsigned>(value));
}

bool read_monitor_frequency(const char *text, double &fs) {
  char *end;
  double v = strtod(text, &end);
  if (end == text) return false;
  while (*end == ' ' || *end == '\t') end++;
  if (*end) return false;
  fs = v;
  return true;
}
