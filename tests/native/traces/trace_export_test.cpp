// Export to File and Export to Spreadsheet: the raw data and trace formats byte for byte, the
// CSV form, the two spreadsheet layouts as cells, and traces exported and loaded back as
// experimental data.
#include <gtest/gtest.h>

#include <cmath>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>

#include "base/cformat.h"
#include "data/export.h"
#include "fixture.h"
#include "traces/experimental.h"
#include "traces/new_plot.h"
#include "traces/trace_export.h"

namespace {

std::string written(const std::function<bool(FILE *)> &write) {
  FILE *f = tmpfile();
  EXPECT_NE(f, nullptr);
  EXPECT_TRUE(write(f));
  std::string out;
  rewind(f);
  for (int c; (c = fgetc(f)) != EOF;) out += static_cast<char>(c);
  fclose(f);
  return out;
}

std::string raw(const std::vector<int> &selected) {
  return written([&](FILE *f) { return write_raw_data_export(f, selected); });
}

using Cells = std::map<std::pair<int, int>, std::string>;

std::string at(const Cells &cells, int row, int column) {
  auto found = cells.find({row, column});
  return found == cells.end() ? "<empty>" : found->second;
}

class ExportTest : public TracesTest {
 protected:
  Trace *add(const std::string &legend, std::vector<double> x, std::vector<double> y) {
    double *xs = new double[x.size()], *ys = new double[y.size()];
    std::copy(x.begin(), x.end(), xs);
    std::copy(y.begin(), y.end(), ys);
    return add_trace(graph, 0, 0, 0, 1, legend, static_cast<int>(x.size()), 0, xs, ys, preferences);
  }

  // Cell texts by (row, column); a cell set twice fails the test.
  static Cells cells(const TableLayout &t) {
    Cells out;
    for (const TableCell &c : t.cells) {
      EXPECT_TRUE(out.emplace(std::make_pair(c.row, c.column), c.text).second) << c.row << "," << c.column;
      EXPECT_TRUE(c.row >= 1 && c.row <= t.rows && c.column >= 1 && c.column <= t.columns);
    }
    return out;
  }
};

TEST_F(ExportTest, RawDataHeaderAndRows) {
  load(ramp_plot());
  EXPECT_EQ(raw({1, 3}),
            "time (time)\tv(a) (voltage)\ti(c) (current)\n"
            "0.000000e+000\t-1.000000e+000\t0.000000e+000\n"
            "1.000000e+000\t1.000000e+000\t2.500000e-001\n"
            "2.000000e+000\t3.000000e+000\t5.000000e-001\n"
            "3.000000e+000\t5.000000e+000\t7.500000e-001\n");
  // Variable 0 selected too is written twice; nothing selected leaves it alone.
  EXPECT_EQ(raw({0}).substr(0, 41), "time (time)\ttime (time)\n0.000000e+000\t0.0");
  EXPECT_EQ(raw({}).substr(0, 26), "time (time)\n0.000000e+000\n");
}

TEST_F(ExportTest, RawDataOfAComplexPlotHasRealPartsOnly) {
  SamplePlot p = real_plot({{"frequency", kFrequency}, {"v(out)", kVoltage}}, {1e3, 0.5, 1e6, -2});
  p.number_type = 8;
  p.imag = {0, 7, 0, 9};
  load(p);
  EXPECT_EQ(raw({1}),
            "frequency (frequency)\tv(out) (voltage)\n"
            "1.000000e+003\t5.000000e-001\n"
            "1.000000e+006\t-2.000000e+000\n");
}

TEST_F(ExportTest, CsvKeepsEveryDigitAndQuotes) {
  load(real_plot({{"time", kTime}, {"v(a,b)", kVoltage}, {"say \"hi\"", kCurrent}},
                 {1e-9, 0.1, 1.0 / 3, 2e-9, -2.5, 1e300}));
  std::string csv = written([](FILE *f) { return write_raw_data_csv(f, {1, 2}); });
  EXPECT_EQ(csv,
            "time (time),\"v(a,b) (voltage)\",\"say \"\"hi\"\" (current)\"\r\n"
            "1.0000000000000001e-009,0.10000000000000001,0.33333333333333331\r\n"
            "2.0000000000000001e-009,-2.5,1.0000000000000001e+300\r\n");
}

TEST_F(ExportTest, TracesInListOrderEachABlock) {
  new_graph();
  add("one", {1, 2}, {3, 4});
  add("two", {0.001}, {-1e-9});
  add("three", {5}, {6});
  EXPECT_EQ(trace_list_texts(graph), (std::vector<std::string>{"one", "two", "three"}));
  std::string out = written([&](FILE *f) { return write_traces_export(f, graph, {0, 1}); });
  EXPECT_EQ(out,
            "one\n1.000000e+000\t3.000000e+000\n2.000000e+000\t4.000000e+000\n\n"
            "two\n1.000000e-003\t-1.000000e-009\n\n");
  EXPECT_FALSE(trace_choice_is_implicit(graph));
}

TEST(ExportSource, ChoiceFollowsWhatIsOpen) {
  EXPECT_EQ(export_source(false, true), ExportSource::kNothing);
  EXPECT_EQ(export_source(true, false), ExportSource::kRawData);
  EXPECT_EQ(export_source(true, true), ExportSource::kAskUser);
}

TEST_F(ExportTest, RawDataSpreadsheet) {
  load(ramp_plot());
  TableLayout t = raw_data_spreadsheet({2, 3});
  EXPECT_EQ(t.title, "trace test");
  EXPECT_EQ(t.rows, 14);
  EXPECT_EQ(t.columns, 8);
  auto c = cells(t);
  EXPECT_EQ(c.size(), 3u + 3 + 4 * 3);
  EXPECT_EQ(at(c, 1, 1), "trace test");
  EXPECT_EQ(at(c, 2, 1), "Transient Analysis");
  EXPECT_EQ(at(c, 3, 1), "today");
  EXPECT_EQ(at(c, 4, 1), "time");
  EXPECT_EQ(at(c, 4, 2), "v(b)");
  EXPECT_EQ(at(c, 4, 3), "i(c)");
  EXPECT_EQ(at(c, 5, 1), "0");
  EXPECT_EQ(at(c, 7, 2), "4");
  EXPECT_EQ(at(c, 8, 3), "0.75");
  EXPECT_EQ(at(c, 8, 1), "3");

  SamplePlot p = real_plot({{"frequency", kFrequency}, {"v(out)", kVoltage}}, {1e3, 0.5, 1e6, -2});
  p.number_type = 8;
  p.imag = {0, 7, 0, 9};
  load(p);
  t = raw_data_spreadsheet({1});
  EXPECT_EQ(t.rows, 12);
  EXPECT_EQ(t.columns, 2 * 2 + 5);
  c = cells(t);
  EXPECT_EQ(at(c, 5, 1), "1000");
  EXPECT_EQ(at(c, 6, 1), "1e+006");
  EXPECT_EQ(at(c, 6, 2), "-2");
}

TEST_F(ExportTest, TraceSpreadsheet) {
  load(ramp_plot());
  new_graph();
  add("first", {0, 1}, {2, 3});
  add("second", {1e-3, 2e-3, 3e-3}, {-1, -2, -3});
  add("third", {9}, {9});
  TableLayout t = trace_spreadsheet(graph, {1, 2}, true);
  EXPECT_EQ(t.title, "second third");
  // The longest chosen trace decides the rows, not only the graph's first one.
  EXPECT_EQ(t.rows, 3 + 10);
  EXPECT_EQ(t.columns, 2 * 2 + 5);
  auto c = cells(t);
  EXPECT_EQ(at(c, 1, 1), "trace test");
  EXPECT_EQ(at(c, 3, 1), "today");
  EXPECT_EQ(c.count(std::make_pair(4, 2)), 0u);   // no x expression on these traces
  EXPECT_EQ(at(c, 4, 3), "second");
  EXPECT_EQ(at(c, 5, 2), "0.001");
  EXPECT_EQ(at(c, 7, 3), "-3");
  EXPECT_EQ(at(c, 4, 5), "third");
  EXPECT_EQ(at(c, 5, 4), "9");
  EXPECT_EQ(c.size(), 3u + 2 + 6 + 2);

  TableLayout without_data = trace_spreadsheet(graph, {0}, false);
  EXPECT_EQ(without_data.rows, 12);
  EXPECT_EQ(cells(without_data).count(std::make_pair(1, 1)), 0u);
}

TEST_F(ExportTest, ExpressionTracesNameTheirXQuantity) {
  load(ramp_plot());
  auto e = expressions({"'v(a)'"});
  new_graph();
  std::string title;
  ASSERT_EQ(new_plot(graph, title, e, {"'v(a)'"}, preferences).traces_added, 1);
  EXPECT_TRUE(trace_choice_is_implicit(graph));
  auto c = cells(trace_spreadsheet(graph, {0}, true));
  EXPECT_EQ(at(c, 4, 2), "time");
  EXPECT_EQ(at(c, 4, 3), "'v(a)'");
  EXPECT_EQ(at(c, 8, 3), "5");
}

// What a user does: export a trace, put N and M in front, load it back as measured data.
TEST_F(ExportTest, ExportedTraceLoadsBackAsExperimentalData) {
  new_graph();
  std::vector<double> x, y;
  for (int i = 0; i < 50; i++) {
    x.push_back(i * 1.234567891e-7);
    y.push_back(std::sin(i * 0.3) * 1e3 - 0.5);
  }
  add("v(out)", x, y);
  std::string exported = written([&](FILE *f) { return write_traces_export(f, graph, {0}); });
  std::string file = "50\n1\n" + exported;
  std::string crlf;   // as the reference platform's text mode writes it
  for (char ch : file) crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
  ExperimentalData data{};
  ASSERT_EQ(check_experimental_line_ends(crlf), kExperimentalDone);
  ASSERT_EQ(parse_experimental_data(crlf, data), kExperimentalDone);
  ASSERT_EQ(data.point_count, 50);
  EXPECT_EQ(data.names, std::vector<std::string>{"v(out)"});
  for (int i = 0; i < 50; i++) {
    EXPECT_EQ(c_format("%e", data.values[2 * i]), c_format("%e", x[i])) << i;
    EXPECT_EQ(c_format("%e", data.values[2 * i + 1]), c_format("%e", y[i])) << i;
  }
}

}  // namespace
