#include "big_result.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "result_writer.h"

bool write_big_result(const std::string &path, int64_t points, int variables) {
  // The file format counts points in 32 bits.
  if (points <= 0 || points > INT32_MAX || variables < 2) return false;
  FILE *out = fopen(path.c_str(), "wb");
  if (!out) return false;
  SamplePlot header;
  header.circuit_title = "Benchmark: " + std::to_string(points) + " points x " +
                         std::to_string(variables) + " variables";
  header.simulation_date = "Tue Dec  8 12:00:00 2026";
  header.plot_name = "Transient Analysis";
  header.analysis_code = 4;
  header.plot_kind = 1;
  for (int v = 0; v < variables; v++)
    header.variables.push_back({v == 0 ? "time" : "v(" + std::to_string(v) + ")", v == 0 ? 2 : 0});
  header.point_count = static_cast<int32_t>(points);
  write_plot_count(out, 1, kSampleWide);
  write_plot_header(out, header, kSampleWide);
  const int64_t kBlock = 4096;
  std::vector<double> rows(static_cast<size_t>(kBlock * variables));
  bool ok = true;
  for (int64_t p = 0; p < points && ok; p += kBlock) {
    int64_t n = std::min(kBlock, points - p);
    for (int64_t i = 0; i < n; i++)
      for (int v = 0; v < variables; v++) rows[static_cast<size_t>(i * variables + v)] = (p + i) * 1e-9 + v;
    size_t count = static_cast<size_t>(n * variables);
    ok = fwrite(rows.data(), sizeof(double), count, out) == count;
  }
  return fclose(out) == 0 && ok;
}

int64_t points_for_mib(int64_t mib, int variables) {
  return mib * 1024 * 1024 / (static_cast<int64_t>(variables) * static_cast<int64_t>(sizeof(double)));
}
