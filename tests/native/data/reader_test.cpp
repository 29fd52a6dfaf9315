#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <unistd.h>

#include "circuits.h"
#include "data/plot_list.h"
#include "data/plot_model.h"
#include "data/reader.h"
#include "largest_allocation.h"
#include "result_writer.h"

namespace {

SamplePlot small_plot(int32_t number_type = 4) {
  SamplePlot p;
  p.circuit_title = "Title";
  p.simulation_date = "Date";
  p.plot_name = "Name";
  for (int i = 0; i < 6; i++) p.counters[i] = 100 + i;
  for (int i = 0; i < 8; i++) p.times[i] = 0.5 * (i + 1);
  p.number_type = number_type;
  p.analysis_code = 4;
  p.plot_kind = 1;
  p.variables = {{"time", 2}, {"v(out)", 0}, {"i(vdd)", 1}};
  p.point_count = 4;
  for (int i = 0; i < 12; i++) p.real.push_back(i * 1.25);
  if (number_type == 8)
    for (int i = 0; i < 12; i++) p.imag.push_back(-i * 0.5);
  return p;
}

ReadResult read_bytes(const std::vector<unsigned char> &bytes, DataLayout layout) {
  return read_data_bytes(bytes.data(), bytes.size(), "mem.out", layout);
}

// Writes `v` at `offset` as a little-endian integer of `width` bytes.
void patch(std::vector<unsigned char> &bytes, size_t offset, uint32_t v, size_t width) {
  for (size_t i = 0; i < width; i++) bytes[offset + i] = static_cast<unsigned char>(v >> (8 * i));
}

// Offset of the number type in a one-plot wide file of small_plot(): count, three strings
// ("Title", "Date", "Name"), statistics.
const size_t kWideNumberType = 4 + (4 + 5) + (4 + 4) + (4 + 4) + 88;
const size_t kNarrowNumberType = 2 + (2 + 5) + (2 + 4) + (2 + 4) + 76;

class Reader : public ::testing::Test {
 protected:
  void SetUp() override { clear_plot_list(); }
  void TearDown() override {
    clear_plot_list();
    plot_allocator() = PlotAllocator{malloc, calloc};
  }
};

void expect_small_plot(const PlotRecord &r, int32_t number_type) {
  EXPECT_STREQ(r.file_name, "mem.out");
  EXPECT_STREQ(r.circuit_title, "Title");
  EXPECT_STREQ(r.simulation_date, "Date");
  EXPECT_STREQ(r.plot_name, "Name");
  for (int i = 0; i < 6; i++) EXPECT_EQ(r.statistics.counters[i], 100 + i);
  for (int i = 0; i < 8; i++) EXPECT_EQ(r.statistics.times[i], 0.5 * (i + 1));
  EXPECT_EQ(r.number_type, number_type);
  EXPECT_EQ(r.analysis_code, 4);
  EXPECT_EQ(r.plot_kind, 1);
  ASSERT_EQ(r.variable_count, 3);
  EXPECT_STREQ(r.variables[1].name, "v(out)");
  EXPECT_EQ(r.variables[2].unit_index, 1);
  EXPECT_EQ(r.point_count, 4);
  ASSERT_EQ(r.block_count, 1u);
  EXPECT_EQ(r.values_per_block, 32766u);
  EXPECT_EQ(r.real_blocks[0].count, 12u);
  for (int i = 0; i < 12; i++) EXPECT_EQ(r.real_blocks[0].values[i], i * 1.25);
  if (number_type == 8) {
    ASSERT_NE(r.imag_blocks, nullptr);
    for (int i = 0; i < 12; i++) EXPECT_EQ(r.imag_blocks[0].values[i], -i * 0.5);
  } else {
    EXPECT_EQ(r.imag_blocks, nullptr);
  }
}

TEST_F(Reader, WideAndNarrowRoundTrip) {
  for (SampleLayout layout : {kSampleWide, kSampleNarrow}) {
    for (int32_t type : {4, 8}) {
      clear_plot_list();
      auto bytes = encode_result_file({small_plot(type)}, layout);
      ASSERT_EQ(read_bytes(bytes, layout == kSampleWide ? kLayoutWide : kLayoutNarrow), kReadOk);
      ASSERT_EQ(plot_list().count, 1);
      expect_small_plot(*plot_list().first, type);
    }
  }
}

TEST_F(Reader, NarrowFileIsNotAWideOne) {
  auto bytes = encode_result_file({small_plot()}, kSampleNarrow);
  EXPECT_EQ(read_bytes(bytes, kLayoutWide), kReadNotDataFile);
}

TEST_F(Reader, TwoPlotsLeaveTheLastCurrent) {
  SamplePlot second = small_plot(8);
  second.plot_name = "Second";
  auto bytes = encode_result_file({small_plot(), second}, kSampleWide);
  ASSERT_EQ(read_bytes(bytes, kLayoutWide), kReadOk);
  EXPECT_EQ(plot_list().count, 2);
  EXPECT_EQ(current_plot_index(), 1);
  EXPECT_EQ(current_plot_text(kPlotName), "Second");
}

TEST_F(Reader, PlotCountZeroIsNotADataFile) {
  for (SampleLayout layout : {kSampleWide, kSampleNarrow}) {
    auto bytes = encode_result_file({}, layout);
    EXPECT_EQ(read_bytes(bytes, layout == kSampleWide ? kLayoutWide : kLayoutNarrow), kReadNotDataFile);
    EXPECT_EQ(plot_list().count, 0);
  }
}

TEST_F(Reader, NegativePlotCountIsNotADataFile) {
  auto bytes = encode_result_file({small_plot()}, kSampleWide);
  patch(bytes, 0, 0xFFFFFFFFu, 4);
  EXPECT_EQ(read_bytes(bytes, kLayoutWide), kReadNotDataFile);
}

TEST_F(Reader, FieldRules) {
  struct Rule {
    const char *name;
    size_t field;     // index after the number type: 0 type, 1 analysis, 2 kind, 3 V, 4 P
    uint32_t value;
    ReadResult wide;
  } rules[] = {
      {"number_type_5", 0, 5, kReadNotDataFile},   {"number_type_0", 0, 0, kReadNotDataFile},
      {"analysis_negative", 1, 0xFFFFFFFF, kReadNotDataFile},
      {"analysis_large", 1, 77, kReadOk},          {"kind_negative", 2, 0x80000000, kReadNotDataFile},
      {"kind_unknown", 2, 9, kReadOk},             {"variables_zero", 3, 0, kReadNotDataFile},
      {"variables_negative", 3, 0xFFFFFFFE, kReadNotDataFile},
      {"points_zero", 4, 0, kReadNotDataFile},     {"points_negative", 4, 0xFFFFFFFF, kReadNotDataFile},
  };
  for (const Rule &r : rules) {
    clear_plot_list();
    auto bytes = encode_result_file({small_plot()}, kSampleWide);
    patch(bytes, kWideNumberType + 4 * r.field, r.value, 4);
    EXPECT_EQ(read_bytes(bytes, kLayoutWide), r.wide) << r.name;
  }
}

TEST_F(Reader, NarrowCountsAreUnsigned) {
  // 0xFFFF is 65535 analysis code in the narrow layout, not -1.
  auto bytes = encode_result_file({small_plot()}, kSampleNarrow);
  patch(bytes, kNarrowNumberType + 2, 0xFFFF, 2);
  ASSERT_EQ(read_bytes(bytes, kLayoutNarrow), kReadOk);
  EXPECT_EQ(plot_list().first->analysis_code, 65535);
  clear_plot_list();
  patch(bytes, kNarrowNumberType + 6, 0, 2);   // V = 0
  EXPECT_EQ(read_bytes(bytes, kLayoutNarrow), kReadNotDataFile);
}

TEST_F(Reader, LongVariableNameKeepsItsFirst63Characters) {
  SamplePlot p = small_plot();
  p.variables[1].name = std::string(100, 'n');
  auto bytes = encode_result_file({p}, kSampleWide);
  ASSERT_EQ(read_bytes(bytes, kLayoutWide), kReadOk);
  const PlotRecord &r = *plot_list().first;
  EXPECT_EQ(std::string(r.variables[1].name), std::string(63, 'n'));
  EXPECT_STREQ(r.variables[2].name, "i(vdd)");   // the rest of the file is still in step
  EXPECT_EQ(r.real_blocks[0].values[11], 11 * 1.25);
}

TEST_F(Reader, EmptyStringsAndTrailingBytes) {
  SamplePlot p = small_plot();
  p.circuit_title = "";
  p.simulation_date = "";
  p.variables[0].name = "";
  auto bytes = encode_result_file({p}, kSampleWide);
  bytes.insert(bytes.end(), {1, 2, 3, 4, 5});
  ASSERT_EQ(read_bytes(bytes, kLayoutWide), kReadOk);
  EXPECT_STREQ(plot_list().first->circuit_title, "");
  EXPECT_STREQ(plot_list().first->variables[0].name, "");
}

TEST_F(Reader, EveryTruncationIsNotADataFile) {
  for (SampleLayout layout : {kSampleWide, kSampleNarrow}) {
    DataLayout read_layout = layout == kSampleWide ? kLayoutWide : kLayoutNarrow;
    auto whole = encode_result_file({small_plot(4), small_plot(8)}, layout);
    for (size_t n = 0; n < whole.size(); n++) {
      clear_plot_list();
      std::vector<unsigned char> cut(whole.begin(), whole.begin() + static_cast<long>(n));
      ASSERT_EQ(read_bytes(cut, read_layout), kReadNotDataFile) << "layout " << layout << " cut at " << n;
    }
  }
}


TEST_F(Reader, ClaimedSizesBeyondTheInputAllocateNothing) {
  plot_allocator() = noting_allocator();
  struct Claim {
    const char *name;
    size_t offset;
  } claims[] = {{"title_length", 4}, {"variable_count", kWideNumberType + 12},
                {"point_count", kWideNumberType + 16}, {"name_length", kWideNumberType + 20}};
  for (const Claim &c : claims) {
    clear_plot_list();
    largest_allocation = 0;
    auto bytes = encode_result_file({small_plot()}, kSampleWide);
    patch(bytes, c.offset, 0x7FFFFFF0u, 4);
    EXPECT_EQ(read_bytes(bytes, kLayoutWide), kReadNotDataFile) << c.name;
    EXPECT_LE(largest_allocation, bytes.size()) << c.name;
  }
}

int allocations_before_failure = 0;
void *failing_allocate(size_t size) { return allocations_before_failure-- > 0 ? malloc(size) : nullptr; }
void *failing_zeroed(size_t count, size_t size) {
  return allocations_before_failure-- > 0 ? calloc(count, size) : nullptr;
}

TEST_F(Reader, EveryAllocationFailureIsReported) {
  auto bytes = encode_result_file({small_plot(8), small_plot(4)}, kSampleWide);
  plot_allocator() = PlotAllocator{failing_allocate, failing_zeroed};
  // Records, paths, three strings, variables, block lists and blocks of both plots.
  int failures = 0;
  for (int allowed = 0; allowed < 40; allowed++) {
    clear_plot_list();
    allocations_before_failure = allowed;
    ReadResult r = read_bytes(bytes, kLayoutWide);
    if (r == kReadOk) break;
    EXPECT_EQ(r, kReadNoMemory) << "after " << allowed << " allocations";
    failures++;
  }
  // Per plot: record, path, three strings, variables, block list, one block; the complex plot
  // has an imaginary block list and block besides.
  EXPECT_EQ(failures, 2 * 8 + 2);
}

TEST_F(Reader, ValuesSpanBlocksAsRows) {
  SamplePlot p = small_plot();
  p.point_count = 20000;
  p.real.clear();
  for (int i = 0; i < 20000; i++)
    for (int v = 0; v < 3; v++) p.real.push_back(i * 10.0 + v);
  auto bytes = encode_result_file({p}, kSampleWide);
  ASSERT_EQ(read_bytes(bytes, kLayoutWide), kReadOk);
  const PlotRecord &r = *plot_list().first;
  ASSERT_EQ(r.block_count, 2u);
  EXPECT_EQ(r.real_blocks[0].count, 32766u);
  EXPECT_EQ(r.real_blocks[1].count, 27234u);
  for (int point : {0, 10921, 10922, 19999}) {
    RowToken token;
    const double *row = lock_real_row(point, token);
    ASSERT_NE(row, nullptr);
    for (int v = 0; v < 3; v++) EXPECT_EQ(row[v], point * 10.0 + v) << point;
    release_row(token);
  }
}

TEST_F(Reader, RowWiderThanABlock) {
  SamplePlot p = small_plot();
  p.variables.assign(40000, SampleVariable{"x", 0});
  p.point_count = 2;
  p.real.clear();
  for (int i = 0; i < 80000; i++) p.real.push_back(i);
  auto bytes = encode_result_file({p}, kSampleWide);
  ASSERT_EQ(read_bytes(bytes, kLayoutWide), kReadOk);
  RowToken token;
  const double *row = lock_real_row(1, token);
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row[0], 40000.0);
  EXPECT_EQ(row[39999], 79999.0);
}

TEST_F(Reader, FilesOnDisk) {
  std::string path = ::testing::TempDir() + "reader_test.out";
  ASSERT_TRUE(write_result_file(path, {small_plot(8)}, kSampleWide));
  ASSERT_EQ(read_data_file(path.c_str(), kLayoutWide), kReadOk);
  EXPECT_STREQ(plot_list().first->file_name, path.c_str());
  clear_plot_list();
  EXPECT_EQ(read_data_file((path + ".missing").c_str(), kLayoutWide), kReadCannotOpen);
  // A file cut short is caught by its size before anything is allocated for it.
  ASSERT_EQ(truncate(path.c_str(), 200), 0);
  EXPECT_EQ(read_data_file(path.c_str(), kLayoutWide), kReadNotDataFile);
  remove(path.c_str());
}

}  // namespace
