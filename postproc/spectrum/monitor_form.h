// What the "Monitor File On Disk and Plot" dialog shows and dims, apart from its windows.
#pragma once

#include <string>
#include <vector>

#include "monitor_settings.h"

// The controls whose state follows the check boxes, and whether each is enabled: without
// "PSD" the frequency, averaging and sequence-length controls are dimmed, without "Averaging"
// the sequence-length ones, and without "Calculate SNDR" the label "Oversampling ratio:".
struct ControlState {
  int id;
  bool enabled;
};
std::vector<ControlState> monitor_dimming(bool psd, bool averaging, bool calculate_sndr);

// The fields as the dialog opens on the settings: fs "%g", the integers unsigned.
std::string monitor_frequency_text(double fs);
std::string monitor_unsigned_text(int32_t value);

// fs as the dialog reads it on "OK", as a decimal number; false for text that is none.
bool read_monitor_frequency(const char *text, double &fs);
