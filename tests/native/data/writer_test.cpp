// The result-file writer against the reader: plots read, written and read again are the same
// plots, and their bytes the same bytes, in both layouts; the narrow layout's limits.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "data/plot_list.h"
#include "data/reader.h"
#include "data/writer.h"
#include "result_writer.h"

namespace {

SamplePlot plot(int32_t number_type, int points, const char *name) {
  SamplePlot p;
  p.circuit_title = "RC low-pass";
  p.simulation_date = "Wed Dec  9 2026";
  p.plot_name = name;
  for (int i = 0; i < 6; i++) p.counters[i] = 7 * i + 1;
  for (int i = 0; i < 8; i++) p.times[i] = 0.125 * i - 0.3;
  p.number_type = number_type;
  p.analysis_code = number_type == 8 ? 1 : 4;
  p.plot_kind = 1;
  p.variables = {{"time", 2}, {"v(out)", 0}, {"i(vdd)", 1}};
  p.point_count = points;
  for (int i = 0; i < 3 * points; i++) p.real.push_back(i * 1.0e-3 - 1.0 / 3.0);
  if (number_type == 8)
    for (int i = 0; i < 3 * points; i++) p.imag.push_back(-i * 0.5e-6);
  return p;
}

// The plot list read from `bytes`, written again.
std::vector<unsigned char> reread_and_write(const std::vector<unsigned char> &bytes, DataLayout layout) {
  clear_plot_list();
  EXPECT_EQ(read_data_bytes(bytes.data(), bytes.size(), "mem.out", layout), kReadOk);
  std::vector<unsigned char> again;
  EXPECT_TRUE(write_plots({nullptr, &again}, plot_list().first, layout));
  return again;
}

void expect_same_records(const PlotRecord *a, const PlotRecord *b) {
  for (; a && b; a = a->next, b = b->next) {
    EXPECT_STREQ(a->circuit_title, b->circuit_title);
    EXPECT_STREQ(a->simulation_date, b->simulation_date);
    EXPECT_STREQ(a->plot_name, b->plot_name);
    EXPECT_EQ(memcmp(&a->statistics, &b->statistics, sizeof a->statistics), 0);
    EXPECT_EQ(a->number_type, b->number_type);
    EXPECT_EQ(a->analysis_code, b->analysis_code);
    EXPECT_EQ(a->plot_kind, b->plot_kind);
    ASSERT_EQ(a->variable_count, b->variable_count);
    for (int v = 0; v < a->variable_count; v++) {
      EXPECT_STREQ(a->variables[v].name, b->variables[v].name);
      EXPECT_EQ(a->variables[v].unit_index, b->variables[v].unit_index);
    }
    ASSERT_EQ(a->point_count, b->point_count);
    ASSERT_EQ(a->block_count, b->block_count);
    for (uint32_t k = 0; k < a->block_count; k++) {
      ASSERT_EQ(a->real_blocks[k].count, b->real_blocks[k].count);
      EXPECT_EQ(memcmp(a->real_blocks[k].values, b->real_blocks[k].values, 8 * a->real_blocks[k].count), 0);
      if (a->number_type == 8) {
        EXPECT_EQ(memcmp(a->imag_blocks[k].values, b->imag_blocks[k].values, 8 * a->imag_blocks[k].count), 0);
      }
    }
  }
  EXPECT_EQ(a, nullptr);
  EXPECT_EQ(b, nullptr);
}

TEST(ResultWriter, WritesBackWhatItReadInBothLayouts) {
  const struct {
    const char *name;
    std::vector<SamplePlot> plots;
  } rows[] = {
      {"one real plot", {plot(4, 5, "Transient Analysis")}},
      {"one complex plot", {plot(8, 3, "AC Analysis")}},
      {"values over several blocks", {plot(4, 30000, "Transient Analysis")}},
      {"plots of both kinds", {plot(4, 2, "Operating Point"), plot(8, 12000, "AC Analysis"), plot(4, 1, "x")}},
  };
  for (const auto &row : rows) {
    for (SampleLayout layout : {kSampleWide, kSampleNarrow}) {
      DataLayout data = layout == kSampleWide ? kLayoutWide : kLayoutNarrow;
      SCOPED_TRACE(std::string(row.name) + (layout == kSampleWide ? ", wide" : ", narrow"));
      std::vector<unsigned char> bytes = encode_result_file(row.plots, layout);
      std::vector<unsigned char> again = reread_and_write(bytes, data);
      EXPECT_EQ(again, bytes);
      // read(write(x)) = x, record by record.
      PlotList first = plot_list();
      plot_list() = PlotList{0, nullptr, nullptr, nullptr};
      ASSERT_EQ(read_data_bytes(again.data(), again.size(), "again.out", data), kReadOk);
      expect_same_records(first.first, plot_list().first);
      clear_plot_list();
      plot_list() = first;
      clear_plot_list();
    }
  }
}

TEST(ResultWriter, NarrowLayoutRefusesWhatItCannotHold) {
  clear_plot_list();
  std::vector<unsigned char> bytes = encode_result_file({plot(4, 3, "Transient Analysis")}, kSampleWide);
  ASSERT_EQ(read_data_bytes(bytes.data(), bytes.size(), "mem.out", kLayoutWide), kReadOk);
  const PlotHeader fits = plot_header(*plot_list().first);
  clear_plot_list();
  EXPECT_EQ(narrow_layout_misfit(fits), nullptr);
  const struct {
    const char *name;
    void (*change)(PlotHeader &);
    const char *misfit;
  } rows[] = {
      {"long title", [](PlotHeader &h) { h.circuit_title.assign(65536, 't'); }, "a text longer than 65535 bytes"},
      {"longest title", [](PlotHeader &h) { h.plot_name.assign(65535, 'n'); }, nullptr},
      {"long name", [](PlotHeader &h) { h.variables[1].name.assign(65536, 'v'); }, "a text longer than 65535 bytes"},
      {"negative counter", [](PlotHeader &h) { h.statistics.counters[3] = -1; }, "a statistics counter outside 0..65535"},
      {"large counter", [](PlotHeader &h) { h.statistics.counters[0] = 65536; }, "a statistics counter outside 0..65535"},
      {"analysis code", [](PlotHeader &h) { h.analysis_code = 65536; }, "a code above 65535"},
      {"plot kind", [](PlotHeader &h) { h.plot_kind = 70000; }, "a code above 65535"},
      {"points", [](PlotHeader &h) { h.point_count = 65536; }, "more than 65535 points"},
      {"most points", [](PlotHeader &h) { h.point_count = 65535; }, nullptr},
      {"variables", [](PlotHeader &h) { h.variables.resize(65536, {"x", 0}); }, "more than 65535 variables"},
      {"unit index", [](PlotHeader &h) { h.variables[0].unit_index = 65536; }, "a unit index outside 0..65535"},
  };
  for (const auto &row : rows) {
    PlotHeader h = fits;
    row.change(h);
    const char *misfit = narrow_layout_misfit(h);
    EXPECT_STREQ(misfit ? misfit : "(fits)", row.misfit ? row.misfit : "(fits)") << row.name;
  }
}

TEST(ResultWriter, AFailedWriteIsReported) {
  clear_plot_list();
  std::vector<unsigned char> bytes = encode_result_file({plot(4, 3, "Transient Analysis")}, kSampleWide);
  ASSERT_EQ(read_data_bytes(bytes.data(), bytes.size(), "mem.out", kLayoutWide), kReadOk);
  FILE *read_only = fopen("/dev/null", "r");
  ASSERT_NE(read_only, nullptr);
  EXPECT_FALSE(write_plots({read_only, nullptr}, plot_list().first, kLayoutWide));
  fclose(read_only);
  clear_plot_list();
}

}  // namespace
