#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/plot_dialog_text.h"
#include "data/plot_list.h"
#include "data/plot_model.h"
#include "data/reader.h"
#include "result_writer.h"

namespace {

// Entries are "title (name)" until title + name + 3 reaches 256.
TEST(PlotListEntry, ComposedOrTitleAlone) {
  struct Row {
    const char *name;
    size_t title_length, name_length;
    bool composed;
  } rows[] = {
      {"short", 5, 4, true},
      {"just fits", 200, 52, true},        // 255
      {"one too many", 200, 53, false},    // 256
      {"title alone too long", 300, 0, false},
      {"empty name", 10, 0, true},
      {"empty title", 0, 10, true},
  };
  for (const Row &r : rows) {
    std::string title(r.title_length, 'T'), name(r.name_length, 'n');
    std::string entry = plot_list_entry(title, name);
    if (r.composed) {
      EXPECT_EQ(entry, title + " (" + name + ")") << r.name;
      EXPECT_LE(entry.size(), kPlotEntryLimit) << r.name;
    } else {
      EXPECT_EQ(entry, title) << r.name;
    }
  }
  EXPECT_EQ(plot_list_entry("Amplifier", "Transient Analysis"), "Amplifier (Transient Analysis)");
  EXPECT_EQ(plot_list_entry("", ""), " ()");
}

SamplePlot sample(const std::string &title, const std::string &name, int analysis_code) {
  SamplePlot p;
  p.circuit_title = title;
  p.simulation_date = "Tue Dec  8 10:00:00 2026";
  p.plot_name = name;
  p.analysis_code = analysis_code;
  p.counters[0] = 1234;
  p.counters[1] = -7;
  p.counters[2] = 99;
  p.counters[3] = 40000;
  p.counters[4] = 39990;
  p.counters[5] = 10;
  const double times[8] = {1.5e-05, 0.25, 1e-12, 123456789.0, 0, 7.77, 2.5e-300, 1e100};
  for (int i = 0; i < 8; i++) p.times[i] = times[i];
  p.variables = {{"time", 2}, {"v(out)", 0}};
  p.point_count = 2;
  p.real = {0, 1, 2, 3};
  return p;
}

class PlotDialogTexts : public ::testing::Test {
 protected:
  void TearDown() override { clear_plot_list(); }
  void load(const std::vector<SamplePlot> &plots) {
    clear_plot_list();
    auto bytes = encode_result_file(plots, kSampleWide);
    ASSERT_EQ(read_data_bytes(bytes.data(), bytes.size(), "C:\\sim\\amp.out", kLayoutWide), kReadOk);
  }
  std::vector<std::string> values() {
    std::vector<std::string> out;
    for (const StatisticsText &t : current_statistics_texts()) out.push_back(t.value);
    return out;
  }
};

TEST_F(PlotDialogTexts, NothingLoaded) {
  clear_plot_list();
  EXPECT_TRUE(plot_list_entries().empty());
  PlotInfoTexts info = current_plot_info();
  EXPECT_EQ(info.file_name, "");
  EXPECT_EQ(info.circuit_title, "");
  EXPECT_EQ(info.simulation_date, "");
  EXPECT_EQ(info.plot_name, "");
  EXPECT_TRUE(current_statistics_texts().empty());
  EXPECT_FALSE(current_plot_is_transient());
}

TEST_F(PlotDialogTexts, EntriesInFileOrder) {
  std::string long_title(300, 'x');
  load({sample("Amplifier", "Operating Point", 0), sample(long_title, "AC Analysis", 5),
        sample("Filter", "Transient Analysis", 4)});
  std::vector<std::string> expected = {"Amplifier (Operating Point)", long_title,
                                       "Filter (Transient Analysis)"};
  EXPECT_EQ(plot_list_entries(), expected);
}

TEST_F(PlotDialogTexts, InfoOfTheCurrentPlot) {
  load({sample("Amplifier", "Operating Point", 0), sample("Filter", "Transient Analysis", 4)});
  PlotInfoTexts info = current_plot_info();   // the last plot is current after a load
  EXPECT_EQ(info.file_name, "C:\\sim\\amp.out");
  EXPECT_EQ(info.circuit_title, "Filter");
  EXPECT_EQ(info.simulation_date, "Tue Dec  8 10:00:00 2026");
  EXPECT_EQ(info.plot_name, "Transient Analysis");
  ASSERT_TRUE(select_plot(0, false));
  EXPECT_EQ(current_plot_info().plot_name, "Operating Point");
}

TEST_F(PlotDialogTexts, TransientStatistics) {
  load({sample("Filter", "Transient Analysis", 4)});
  EXPECT_TRUE(current_plot_is_transient());
  // Counter 2 and time 5 are not shown; exponents have three digits.
  std::vector<std::string> expected = {
      "1234", "-7", "40000", "39990", "10", "1.5E-005 sec", "0.25 sec", "1E-012 sec",
      "1.23457E+008 sec", "0 sec", "2.5E-300 sec", "1E+100 sec"};
  EXPECT_EQ(values(), expected);
  std::vector<StatisticsText> texts = current_statistics_texts();
  EXPECT_STREQ(texts[1].line.label, "Number of iterations for transient analysis:");
  EXPECT_FALSE(texts[1].line.is_time);
  EXPECT_EQ(texts[1].line.source, 1);
  EXPECT_STREQ(texts[10].line.label, "Time spent in transient L-U decomposition:");
  EXPECT_EQ(texts[10].line.source, 6);
}

TEST_F(PlotDialogTexts, GeneralStatisticsForOtherCodes) {
  for (int code : {0, 5, 3}) {
    load({sample("Amplifier", "AC Analysis", code)});
    EXPECT_FALSE(current_plot_is_transient()) << code;
    std::vector<std::string> expected = {"1234", "1.5E-005 sec", "1E-012 sec", "1.23457E+008 sec",
                                         "0 sec"};
    EXPECT_EQ(values(), expected) << code;
  }
}

TEST_F(PlotDialogTexts, StatisticsFollowTheSelectedPlot) {
  load({sample("Filter", "Transient Analysis", 4), sample("Amplifier", "Operating Point", 0)});
  EXPECT_EQ(current_statistics_texts().size(), 5u);
  ASSERT_TRUE(select_plot(0, false));
  EXPECT_EQ(current_statistics_texts().size(), 12u);
}

}  // namespace
