#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/plot_list.h"
#include "data/statistics_lines.h"

namespace {

std::vector<std::string> labels(int code) {
  std::vector<std::string> out;
  for (const StatisticsLine &l : statistics_lines(code)) out.push_back(l.label);
  return out;
}

TEST(StatisticsLines, GeneralLayout) {
  std::vector<std::string> general = {
      "Number of total iterations performed:", "Total analysis time:",
      "Time spent in device loading:",         "Time spent in L-U decomposition:",
      "Time spent in matrix solving:"};
  EXPECT_EQ(labels(0), general);
  EXPECT_EQ(labels(5), general);
  EXPECT_EQ(labels(-3), general);
}

TEST(StatisticsLines, TransientLayout) {
  std::vector<std::string> transient = {
      "Number of total iterations performed:",
      "Number of iterations for transient analysis:",
      "Total number of timepoints:",
      "Number of timepoints accepted:",
      "Number of timepoints rejected:",
      "Total analysis time:",
      "Transient analysis time:",
      "Time spent in device loading:",
      "Time spent in L-U decomposition:",
      "Time spent in matrix solving:",
      "Time spent in transient L-U decomposition:",
      "Time spent in transient matrix solving:"};
  EXPECT_EQ(labels(4), transient);
}

TEST(StatisticsLines, ValuesAndTheirSources) {
  SimulationStatistics s{};
  for (int i = 0; i < 6; i++) s.counters[i] = -10 * i - 1;
  for (int i = 0; i < 8; i++) s.times[i] = (i + 1) * 1.5e-05;
  std::vector<std::string> texts;
  for (const StatisticsLine &l : statistics_lines(4)) texts.push_back(statistics_value_text(l, s));
  // Counter 2 and time 5 are never shown.
  std::vector<std::string> expected = {"-1", "-11", "-31", "-41", "-51", "1.5E-005 sec", "3E-005 sec",
                                       "4.5E-005 sec", "6E-005 sec", "7.5E-005 sec",
                                       "0.000105 sec", "0.00012 sec"};
  EXPECT_EQ(texts, expected);
}

}  // namespace
