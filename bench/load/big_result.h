// Wide-layout result files of any size for the load benchmarks: one transient plot of
// `variables` real variables (time first), written in pieces so that no copy is held.
#pragma once

#include <cstdint>
#include <string>

bool write_big_result(const std::string &path, int64_t points, int variables);

// The point count whose values fill about `mib` MiB with `variables` variables.
int64_t points_for_mib(int64_t mib, int variables);
