// The files a scenario works with: the samples it opens and its scratch folder, from the
// folders its program is built with (ULMO_SAMPLES and ULMO_SCRATCH, host paths). The program
// under test sees them as Windows paths; the scenario itself, under Wine too, reads and writes
// them through the host paths as well.
#pragma once

#include <string>

#include "driver.h"

#if defined(ULMO_SAMPLES)
// A sample as the program opens it.
inline std::string sample_path(const std::string &name) { return windows_path(std::string(ULMO_SAMPLES) + "/" + name); }
#endif

#if defined(ULMO_SCRATCH)
inline std::string scratch_host_path(const std::string &name) { return std::string(ULMO_SCRATCH) + "/" + name; }
inline std::string scratch_windows_path(const std::string &name) { return windows_path(scratch_host_path(name)); }
#endif
