// The statistics lines. Counter 2 and time 5 are kept by the reader but shown nowhere.
#include "statistics_lines.h"

#include "../base/cformat.h"
#include "plot_list.h"

namespace {

const StatisticsLine kLines[] = {
    {"Number of total iterations performed:", false, 0, true},
    {"Number of iterations for transient analysis:", false, 1, false},
    {"Total number of timepoints:", false, 3, false},
    {"Number of timepoints accepted:", false, 4, false},
    {"Number of timepoints rejected:", false, 5, false},
    {"Total analysis time:", true, 0, true},
    {"Transient analysis time:", true, 1, false},
    {"Time spent in device loading:", true, 2, true},
    {"Time spent in L-U decomposition:", true, 3, true},
    {"Time spent in matrix solving:", true, 4, true},
    {"Time spent in transient L-U decomposition:", true, 6, false},
    {"Time spent in transient matrix solving:", true, 7, false},
};

}  // namespace

std::vector<StatisticsLine> statistics_lines(int analysis_code) {
  std::vector<StatisticsLine> lines;
  for (const StatisticsLine &line : kLines)
    if (line.general || analysis_code == kTransientAnalysisCode) lines.push_back(line);
  return lines;
}

std::string statistics_value_text(const StatisticsLine &line, const SimulationStatistics &s) {
  if (line.is_time) return c_format("%G sec", s.times[line.source]);
  return c_format("%d", s.counters[line.source]);
}
