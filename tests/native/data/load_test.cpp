#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "base/status.h"
#include "data/load.h"
#include "data/plot_list.h"
#include "data/plot_model.h"
#include "result_writer.h"
#include "support/fake_ui.h"

namespace {

SamplePlot plot_named(const std::string &name) {
  SamplePlot p;
  p.circuit_title = "Circuit";
  p.plot_name = name;
  p.variables = {{"time", 2}, {"v(1)", 0}};
  p.point_count = 2;
  p.real = {0, 1, 1, 2};
  return p;
}

class Load : public ::testing::Test {
 protected:
  void SetUp() override { clear_plot_list(); }
  void TearDown() override {
    clear_plot_list();
    plot_allocator() = PlotAllocator{malloc, calloc};
  }
  std::string file(const std::string &name, const std::vector<SamplePlot> &plots, SampleLayout layout) {
    std::string path = ::testing::TempDir() + name;
    EXPECT_TRUE(write_result_file(path, plots, layout));
    return path;
  }
  FakeUi ui;
};

TEST_F(Load, SuccessShowsThePathAndKeepsEveryPlot) {
  std::string path = file("load_ok.out", {plot_named("a"), plot_named("b")}, kSampleWide);
  ASSERT_TRUE(load_data_file(path.c_str()));
  EXPECT_TRUE(data_loaded());
  EXPECT_EQ(plot_count(), 2);
  EXPECT_EQ(current_plot_index(), 1);
  EXPECT_EQ(current_file_name(), path);
  ASSERT_EQ(ui.statuses.size(), 2u);
  EXPECT_EQ(ui.statuses[0], "Reading Data File, Please Wait...");
  EXPECT_EQ(ui.statuses[1], "Data File: " + path);
  EXPECT_EQ(ui.status_code, kStatusDataFile);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Load, NarrowFileLoadsOnTheSecondAttempt) {
  std::string path = file("load_narrow.out", {plot_named("narrow")}, kSampleNarrow);
  ASSERT_TRUE(load_data_file(path.c_str()));
  EXPECT_EQ(current_plot_text(kPlotName), "narrow");
  EXPECT_EQ(ui.statuses.back(), "Data File: " + path);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Load, MissingFileShowsOneMessageBox) {
  std::string path = ::testing::TempDir() + "no_such_file.out";
  EXPECT_FALSE(load_data_file(path.c_str()));
  EXPECT_FALSE(data_loaded());
  EXPECT_EQ(ui.statuses.back(), "Data File: None");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Can't open the file '" + path + "'");
  EXPECT_EQ(ui.messages[0].caption, "Ulmo-Postprocessor");
  EXPECT_EQ(ui.messages[0].flags, static_cast<unsigned>(kMbIconExclamation | kMbOk));
}

TEST_F(Load, GarbageIsNotADataFileWithoutAMessageBox) {
  std::string path = ::testing::TempDir() + "garbage.out";
  std::ofstream(path) << "this is not a result file";
  EXPECT_FALSE(load_data_file(path.c_str()));
  EXPECT_EQ(ui.statuses.back(), "Not an Ulmo-Dizid Data File.");
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(plot_count(), 0);
}

TEST_F(Load, AFailedLoadEmptiesAPreviousOne) {
  std::string good = file("load_prev.out", {plot_named("a")}, kSampleWide);
  ASSERT_TRUE(load_data_file(good.c_str()));
  std::string bad = ::testing::TempDir() + "load_cut.out";
  std::ofstream(bad) << std::string("\x01\x00\x00\x00\x05\x00", 6);
  EXPECT_FALSE(load_data_file(bad.c_str()));
  EXPECT_FALSE(data_loaded());
  EXPECT_EQ(plot_count(), 0);
  EXPECT_EQ(current_file_name(), "");
}

int fail_first = 0;
void *fail_first_allocate(size_t size) { return fail_first-- > 0 ? nullptr : malloc(size); }
void *fail_first_zeroed(size_t count, size_t size) {
  return fail_first-- > 0 ? nullptr : calloc(count, size);
}

TEST_F(Load, NoMemoryInBothAttempts) {
  std::string path = file("load_memory.out", {plot_named("a")}, kSampleWide);
  plot_allocator() = PlotAllocator{fail_first_allocate, fail_first_zeroed};
  fail_first = 1000;
  EXPECT_FALSE(load_data_file(path.c_str()));
  EXPECT_EQ(ui.statuses.back(), "Not enough memory to load file.");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Load, AWideFileTooLargeForMemoryIsNotCalledGarbage) {
  // The wide reading runs out of memory, the narrow one then finds no data file: the file is
  // a good one that did not fit, and the user is told so.
  std::string path = file("load_second.out", {plot_named("a")}, kSampleWide);
  plot_allocator() = PlotAllocator{fail_first_allocate, fail_first_zeroed};
  fail_first = 1;
  EXPECT_FALSE(load_data_file(path.c_str()));
  EXPECT_EQ(ui.statuses.back(), "Not enough memory to load file.");
  EXPECT_EQ(ui.status_code, kStatusNoMemory);
  EXPECT_EQ(plot_count(), 0);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Load, ANarrowFileLoadsAfterTheWideReadingRanOutOfMemory) {
  // Only the wide attempt's first allocation fails; the narrow reading succeeds and stands.
  std::string path = file("load_narrow_memory.out", {plot_named("n")}, kSampleNarrow);
  plot_allocator() = PlotAllocator{fail_first_allocate, fail_first_zeroed};
  fail_first = 1;
  ASSERT_TRUE(load_data_file(path.c_str()));
  EXPECT_EQ(ui.statuses.back(), "Data File: " + path);
  EXPECT_EQ(current_plot_text(kPlotName), "n");
}

TEST_F(Load, EveryTruncationLeavesTheListEmpty) {
  std::string whole_path = file("load_whole.out", {plot_named("a"), plot_named("b")}, kSampleWide);
  std::ifstream in(whole_path, std::ios::binary);
  std::string whole((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::string path = ::testing::TempDir() + "load_truncated.out";
  for (size_t n = 0; n < whole.size(); n++) {
    std::ofstream(path, std::ios::binary) << whole.substr(0, n);
    ASSERT_FALSE(load_data_file(path.c_str())) << n;
    ASSERT_EQ(plot_count(), 0) << n;
    ASSERT_EQ(ui.statuses.back(), "Not an Ulmo-Dizid Data File.") << n;
  }
}

}  // namespace
