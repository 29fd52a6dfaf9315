// The lines of the "Simulation Statistics" display, in their order.
//
// A transient analysis (analysis code 4) shows every line; any other analysis the general
// ones. Counters print as signed decimals, times with "%G sec".
#pragma once

#include <string>
#include <vector>

struct SimulationStatistics;

struct StatisticsLine {
  const char *label;
  bool is_time;     // a time (seconds) rather than a counter
  int source;       // the counter or time index it shows
  bool general;     // part of the general layout too
};

const int kTransientAnalysisCode = 4;

// The lines shown for a plot with this analysis code.
std::vector<StatisticsLine> statistics_lines(int analysis_code);
// The value as the display prints it: "%d", or "%G sec" with a three-digit exponent.
std::string statistics_value_text(const StatisticsLine &line, const SimulationStatistics &s);
