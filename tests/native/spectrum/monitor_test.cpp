// The monitored data file: its reader, the PSD, both SNDR computations, and the computation
// that turns a file into traces and "Extracted values" rows.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "base/cformat.h"
#include "base/text.h"
#include "graph/axis.h"
#include "graph/resources.h"
#include "graph/graph.h"
#include "shell/settings.h"
#include "resources/spectrum_dialog_ids.h"
#include "spectrum/monitor.h"
#include "spectrum/monitor_form.h"
#include "spectrum/psd.h"
#include "test_signal.h"

namespace {

const double kTwoPi = 8.0 * atan(1.0);
const double kInf = INFINITY;

MonitorData read(const std::string &text, MonitorReadStatus expected = kMonitorReadOk) {
  MonitorData data;
  int32_t line = -1;
  EXPECT_EQ(read_monitor_text(text.data(), text.size(), data, line), expected) << text;
  return data;
}

TEST(MonitorFile, TokensRowsAndColumns) {
  struct Row {
    const char *name, *text;
    std::vector<double> x;
    int32_t columns;
    std::vector<double> y;
  } rows[] = {
      {"header skipped", "time value\n1 2\n3 4\n", {1, 3}, 1, {2, 4}},
      {"plus is no number", "+5 1\n2 3\n", {2}, 1, {3}},
      {"dot is no number", ".5 1\n2 3\n", {2}, 1, {3}},
      {"minus dot is", "-.5 1\n-2 -.25\n", {-0.5, -2}, 1, {1, -0.25}},
      {"names with separators", "t=1, v(1)=2; w=(3)\n", {}, 0, {}},
      {"separators between numbers", "1=2,3;4(5)6\t7\n", {1}, 6, {2, 3, 4, 5, 6, 7}},
      {"non-numbers read 0", "1 2 x 4\n5 6 7 8\n", {1, 5}, 3, {2, 0, 4, 6, 7, 8}},
      {"second token no number: single column", "1 x 3\n2\n", {1, 2}, 0, {}},
      {"numeric prefix", "1e3abc 2.5V\n", {1000}, 1, {2.5}},
      {"empty lines and CRLF", "\r\n\n1 2\r\n\r\n3 4\r\n", {1, 3}, 1, {2, 4}},
      {"last line without newline", "1 2\n3 4", {1, 3}, 1, {2, 4}},
      {"more values are ignored", "1 2\n3 4 5\n", {1, 3}, 1, {2, 4}},
      {"a short row ends the data", "1 2 3\n4 5 6\n7 8\n9 10 11\n", {1, 4}, 2, {2, 3, 5, 6}},
      {"hex is read as its decimal start", "0x10 1\n", {0}, 1, {1}},
  };
  for (const Row &r : rows) {
    MonitorData d = read(r.text);
    EXPECT_EQ(d.x, r.x) << r.name;
    EXPECT_EQ(d.columns, r.columns) << r.name;
    EXPECT_EQ(d.y, r.y) << r.name;
  }
}

TEST(MonitorFile, LongLinesStayWholeAndOverflowNamesItsLine) {
  std::string wide = "1";
  for (int i = 0; i < 300; i++) wide += " 2.5";
  MonitorData d = read(wide + "\n" + wide + "\n");
  EXPECT_EQ(d.rows(), 2);
  EXPECT_EQ(d.columns, 300);

  MonitorData bad;
  int32_t line = 0;
  std::string text = "x y\n1 2\n3 1e999\n";
  EXPECT_EQ(read_monitor_text(text.data(), text.size(), bad, line), kMonitorNumberOutOfRange);
  EXPECT_EQ(line, 3);
  EXPECT_EQ(bad.rows(), 0);
  EXPECT_EQ(read_monitor_file("/nonexistent/monitor.dat", bad, line), kMonitorCantOpen);
}

MonitorSettings defaults() { return MonitorSettings(); }

std::vector<double> tone(int32_t n, int32_t bin, double amplitude) {
  std::vector<double> s(static_cast<size_t>(n));
  for (int32_t i = 0; i < n; i++) s[i] = amplitude * sin(kTwoPi * bin * i / n);
  return s;
}

TEST(Psd, ThousandTwentyFourSamplesWithDefaults) {
  std::vector<double> s = tone(1024, 8, 1.0);
  PsdSpectrum p;
  ASSERT_EQ(psd_spectrum(s.data(), 1024, defaults(), p), kPsdOk);
  ASSERT_EQ(p.level.size(), 512u);
  EXPECT_DOUBLE_EQ(p.frequency[0], 1.0 / 1024);
  EXPECT_DOUBLE_EQ(p.frequency[511], 0.5);
  EXPECT_EQ(p.signal_index, 7);
  EXPECT_NEAR(p.level[7], 10 * log10(0.5), 1e-9);   // a full-scale sine: -3.01 dBFS
  // The band ends below 1/64 Hz: bins 1 .. 15 are in it, bin 16 is not.
  double band = 0;
  for (int i = 0; i < 15; i++) band += p.power[i];
  EXPECT_DOUBLE_EQ(p.in_band_power, band);
  EXPECT_EQ(p.largest, p.level[7]);
}

TEST(Psd, AveragingAndSequenceLimits) {
  std::vector<double> s = tone(1000, 4, 0.5);
  MonitorSettings a = defaults();
  a.averaging = true;
  a.sequence_length = 256;   // three sequences, 768 samples
  PsdSpectrum p;
  ASSERT_EQ(psd_spectrum(s.data(), 1000, a, p), kPsdOk);
  EXPECT_EQ(p.level.size(), 128u);
  EXPECT_DOUBLE_EQ(p.frequency[127], 0.5);

  // Averaging magnitudes of identical sequences changes nothing.
  std::vector<double> periodic = tone(1024, 2, 0.5);
  a.sequence_length = 256;
  PsdSpectrum averaged, one;
  psd_spectrum(periodic.data(), 1024, a, averaged);
  psd_spectrum(periodic.data(), 256, defaults(), one);
  for (size_t i = 0; i < one.level.size(); i++) EXPECT_NEAR(averaged.level[i], one.level[i], 1e-9);

  a.sequence_length = 2000;   // longer than the data: no sequence at all
  EXPECT_EQ(psd_spectrum(s.data(), 1000, a, p), kPsdTooFewSamples);
  EXPECT_EQ(psd_spectrum(s.data(), 3, defaults(), p), kPsdTooFewSamples);
}

TEST(Sndr, TwoTonesACleanToneAndAnEmptyBand) {
  // Signal 1.0 at bin 8, distortion 0.01 at bin 3: 40 dB exactly (the 1e-20 floors aside).
  std::vector<double> s = tone(1024, 8, 1.0), d = tone(1024, 3, 0.01);
  for (size_t i = 0; i < s.size(); i++) s[i] += d[i];
  PsdSpectrum p;
  psd_spectrum(s.data(), 1024, defaults(), p);
  EXPECT_NEAR(p.sndr, 40.0, 1e-6);

  std::vector<double> pure = tone(1024, 8, 1.0);
  MonitorSettings wide = defaults();
  wide.oversampling_ratio = 256;   // the band holds bin 1 only, the signal of the band
  psd_spectrum(pure.data(), 1024, wide, p);
  EXPECT_EQ(p.sndr, kInf);
  wide.oversampling_ratio = 512;   // the band ends at bin 1: it holds no bin at all
  psd_spectrum(pure.data(), 1024, wide, p);
  EXPECT_TRUE(std::isnan(p.sndr)) << p.sndr;
}

TEST(Sndr, FromPowers) {
  const double kNaN = NAN;
  struct Row {
    const char *name;
    double signal_level, in_band_power, sndr;
  } rows[] = {
      {"noise 20 dB below", 0, 1.01, 20},
      {"noise 10 dB below", 10, 11, 10},
      {"no noise beside the signal", 10, 10, kInf},
      {"noise lost in the sum", 0, 1 + 1e-20, kInf},
      {"a rounding below zero", 0, 1 - 1e-16, kInf},
      {"a band without power", 0, 0, kNaN},
      {"half the signal in band", 0, 0.5, kNaN},
      {"beyond rounding", 0, 1 - 2e-9, kNaN},
  };
  for (const Row &r : rows) {
    double sndr = sndr_from_powers(r.signal_level, r.in_band_power);
    if (std::isnan(r.sndr)) {
      EXPECT_TRUE(std::isnan(sndr)) << r.name << ": " << sndr;
    } else if (std::isinf(r.sndr)) {
      EXPECT_EQ(sndr, r.sndr) << r.name;
    } else {
      EXPECT_NEAR(sndr, r.sndr, 1e-9) << r.name;
    }
  }
  EXPECT_EQ(format_sndr(kInf), "inf");
  EXPECT_EQ(format_sndr(-kInf), "-inf");
  EXPECT_EQ(format_sndr(40.0), "40");
  EXPECT_EQ(format_sndr(61.234567), "61.2346");
}

TEST(Sndr, OfASpectrumFile) {
  // x 0..8, band 8/2 = 4: points 0..3 in band. Signal at x = 2 (0 dB), noise -20 dB and
  // -30 dB twice; x = 6 is louder but out of band.
  const double x[] = {0, 1, 2, 3, 4, 5, 6, 7, 8}, y[] = {-30, -20, 0, -30, -5, -50, 10, -60, -60};
  double noise = 0.01 + 0.001 + 0.001;
  EXPECT_NEAR(spectrum_file_sndr(x, y, 9, 2, false), -10 * log10(noise), 1e-9);
  // Hann: the signal takes its neighbours, leaving one -30 dB point of noise.
  EXPECT_NEAR(spectrum_file_sndr(x, y, 9, 2, true), 10 * log10(1.011) + 30, 1e-9);

  const double clean[] = {-200, 0, -200, -200, -60, -60, -60, -60, -60};
  EXPECT_EQ(spectrum_file_sndr(x, clean, 9, 2, false), kInf);           // 1 + 2e-20 is 1
  EXPECT_EQ(spectrum_file_sndr(x, y, 9, 8, false), kInf);               // x < 1: the signal alone
  EXPECT_TRUE(std::isnan(spectrum_file_sndr(x + 1, y, 8, 8, false)));   // x < 1: nothing
  EXPECT_TRUE(std::isnan(spectrum_file_sndr(x, y, 0, 2, false)));
}

// A converter-like signal of known SNDR, read from a file as the simulator would write it.
TEST(Sndr, SigmaDeltaLikeSignalWithinATenthOfADecibel) {
  for (bool hann : {false, true}) {
    TestSignalSpec spec;
    TestSignal signal = make_test_signal(spec);
    std::string text = "expected SNDR\n";
    for (double v : signal.samples) text += c_format("%.17g\n", v);
    MonitorData data = read(text);
    ASSERT_EQ(data.rows(), spec.samples);
    MonitorSettings s = defaults();
    s.sampling_frequency = 1e6;
    s.oversampling_ratio = spec.oversampling;
    s.hann = hann;
    MonitorResult r;
    ASSERT_EQ(compute_monitor(data, s, r), kMonitorOk);
    EXPECT_GT(signal.expected_sndr, 40);
    EXPECT_NEAR(r.columns[0].sndr, signal.expected_sndr, 0.1) << "hann " << hann;
  }
}

TEST(Monitor, TooFewRowsPlotNothing) {
  MonitorResult r;
  EXPECT_EQ(compute_monitor(read("1\n2\n"), defaults(), r), kMonitorTooFewRows);
  EXPECT_TRUE(r.columns.empty());
}

TEST(Monitor, SingleColumnOfSamples) {
  std::string text = "samples\n";
  for (double v : tone(1024, 8, 1.0)) text += c_format("%.17g\n", v);
  MonitorResult r;
  ASSERT_EQ(compute_monitor(read(text), defaults(), r), kMonitorOk);
  EXPECT_EQ(r.trace_name, "PSD [dBFS]");
  ASSERT_EQ(r.columns.size(), 1u);
  EXPECT_EQ(r.columns[0].count, 512);
  EXPECT_DOUBLE_EQ(r.x_min, 1.0 / 1024);
  EXPECT_DOUBLE_EQ(r.x_max, 0.5);
  EXPECT_TRUE(r.table);
  EXPECT_EQ(r.table_rows, 5);
  ASSERT_EQ(r.rows.size(), 1u);
  EXPECT_EQ(r.rows[0].row, 1);
  EXPECT_EQ(r.rows[0].cells[0], "Trace 1");
  EXPECT_EQ(r.rows[0].cells[1], "SNDR");
  EXPECT_EQ(r.rows[0].cells[2], format_sndr(r.columns[0].sndr));
  EXPECT_EQ(r.rows[0].cells[3], "dB");
  EXPECT_EQ(r.last_sndr, r.columns[0].sndr);
}

TEST(Monitor, ColumnsOfASpectrumFile) {
  // Two spectra in dB without "PSD": plotted as they are, x from the file, band x[n-1]/OSR.
  std::string text = "f a b\n";
  for (int i = 0; i < 64; i++)
    text += c_format("%d %g %g\n", i, i == 1 ? 0.0 : -60.0, i == 1 ? -10.0 : -40.0 - i);
  MonitorSettings s = defaults();
  s.psd = false;
  s.oversampling_ratio = 8;   // band: x < 63/8, points 0..7
  MonitorResult r;
  ASSERT_EQ(compute_monitor(read(text), s, r), kMonitorOk);
  EXPECT_EQ(r.trace_name, "Trace 1");
  ASSERT_EQ(r.columns.size(), 2u);
  EXPECT_EQ(r.table_rows, 7);
  EXPECT_EQ(r.rows[1].cells[0], "Trace 2");
  EXPECT_NEAR(r.columns[0].sndr, 60 - 10 * log10(7.0), 1e-9);
  EXPECT_EQ(r.x_min, 0);
  EXPECT_EQ(r.x_max, 63);
  EXPECT_EQ(r.y_min, -103);   // over both columns
  EXPECT_EQ(r.y_max, 0);
  s.calculate_sndr = false;
  ASSERT_EQ(compute_monitor(read(text), s, r), kMonitorOk);
  EXPECT_FALSE(r.table);
  EXPECT_TRUE(r.rows.empty());
}

// What the "Extracted values" table shows for a clean signal, and the SNDRs it refuses.
TEST(Monitor, SndrCellsAndRefusals) {
  std::string clean = "f a b\n", samples = "samples\n";
  for (int i = 0; i < 8; i++) clean += c_format("%d %g %g\n", i, i == 1 ? 0.0 : i < 4 ? -200.0 : -60.0, i == 1 ? 0.0 : -40.0);
  for (double v : tone(64, 2, 1.0)) samples += c_format("%.17g\n", v);
  MonitorSettings spectrum_file = defaults(), psd = defaults();
  spectrum_file.psd = false;
  spectrum_file.oversampling_ratio = 2;   // x < 3.5
  struct Row {
    const char *name;
    std::string text;
    MonitorSettings settings;
    bool calculate_sndr;
    MonitorStatus status;
    std::vector<std::string> cells;   // column 3 of each row
  } rows[] = {
      {"noise below rounding reads inf", clean, spectrum_file, true, kMonitorOk, {"inf", "35.2288"}},
      // 64 samples: the band below fs/64 ends at bin 1 and holds no bin.
      {"a band that holds no bin", samples, psd, true, kMonitorNoSndr, {}},
      {"no SNDR asked for", samples, psd, false, kMonitorOk, {}},
  };
  for (Row &row : rows) {
    SCOPED_TRACE(row.name);
    row.settings.calculate_sndr = row.calculate_sndr;
    MonitorResult r;
    ASSERT_EQ(compute_monitor(read(row.text), row.settings, r), row.status);
    ASSERT_EQ(r.rows.size(), row.cells.size());
    for (size_t i = 0; i < row.cells.size(); i++) EXPECT_EQ(r.rows[i].cells[2], row.cells[i]);
    if (row.status != kMonitorOk) {
      EXPECT_TRUE(r.columns.empty());
    }
  }
  EXPECT_EQ(load_text(monitor_status_message(kMonitorNoSndr)),
            "The signal band does not hold the signal of the file '%s': it has no SNDR");
  EXPECT_EQ(load_text(monitor_status_message(kMonitorShortData)), "The file '%s' holds fewer samples than one sequence");
  EXPECT_EQ(monitor_status_message(kMonitorOk), 0);
  EXPECT_EQ(monitor_status_message(kMonitorTooFewRows), 0);
}

TEST(Monitor, SettingsChecks) {
  MonitorSettings s = defaults();
  EXPECT_EQ(check_monitor_settings(s), kSettingsOk);
  s.sampling_frequency = 0;
  EXPECT_EQ(check_monitor_settings(s), kSettingsBadFrequency);
  s.psd = false;   // fs only matters for the PSD
  EXPECT_EQ(check_monitor_settings(s), kSettingsOk);
  s = defaults();
  s.averaging = true;
  s.sequence_length = 3;
  EXPECT_EQ(check_monitor_settings(s), kSettingsBadSequenceLength);
  s = defaults();
  s.oversampling_ratio = 0;
  EXPECT_EQ(check_monitor_settings(s), kSettingsBadOversampling);
  s.calculate_sndr = false;
  EXPECT_EQ(check_monitor_settings(s), kSettingsOk);
}

class MonitorGraphTest : public ::testing::Test {
 protected:
  void SetUp() override { create_graph_resources({212, 208, 200}, nullptr); }
  void TearDown() override {
    destroy_graph(graph);
    destroy_graph_resources();
  }
  GraphPreferences preferences = default_graph_preferences();
  Graph *graph = nullptr;
};

TEST_F(MonitorGraphTest, RefreshReplotsInPlace) {
  MonitorSettings s = defaults();
  s.psd = false;
  s.calculate_sndr = false;   // x >= 1: the band below x[n-1]/32 holds no point
  MonitorResult r;
  ASSERT_EQ(compute_monitor(read("1 1 2\n2 3 4\n3 5 6\n"), s, r), kMonitorOk);
  graph = create_monitor_graph(nullptr, preferences);
  ASSERT_TRUE(graph);
  EXPECT_EQ(title_text(graph, 0), "X Axis Title");
  ASSERT_TRUE(apply_monitor_result(graph, true, r, preferences));
  Trace *first = graph->head->next;
  ASSERT_TRUE(first && first->next);
  EXPECT_EQ(first->legend.text, "Trace 1");
  EXPECT_EQ(first->next->legend.text, "Trace 1");
  EXPECT_EQ(first->plot_index, -1);
  EXPECT_TRUE(first->spectrum);
  EXPECT_EQ(first->y_values[2], 5);

  // The file grew and gained a column: the same traces take the new data, a third is added.
  ASSERT_EQ(compute_monitor(read("1 1 2 0\n2 3 4 0\n3 5 6 0\n4 7 8 9\n"), s, r), kMonitorOk);
  ASSERT_TRUE(apply_monitor_result(graph, false, r, preferences));
  EXPECT_EQ(graph->head->next, first);
  EXPECT_EQ(first->point_count, 4);
  EXPECT_EQ(first->y_values[3], 7);
  EXPECT_EQ(first->next->y_values[3], 8);
  ASSERT_TRUE(first->next->next);
  EXPECT_EQ(first->next->next->y_values[3], 9);
  EXPECT_EQ(data_range(graph, 0).max, 4);
  EXPECT_EQ(data_range(graph, 1).max, 9);
}

}  // namespace

namespace {

TEST(MonitorForm, DimmingFollowsTheCheckBoxes) {
  struct Row { bool psd, averaging, sndr; std::vector<int> dimmed; } rows[] = {
      {true, true, true, {}},
      {true, false, true, {IDC_MONITOR_LENGTH_LABEL, IDC_MONITOR_LENGTH}},
      {false, true, true, {IDC_MONITOR_FREQUENCY_LABEL, IDC_MONITOR_FREQUENCY,
                           IDC_MONITOR_FREQUENCY_UNIT, IDC_MONITOR_AVERAGING,
                           IDC_MONITOR_LENGTH_LABEL, IDC_MONITOR_LENGTH}},
      {true, true, false, {IDC_MONITOR_OSR_LABEL}},
  };
  for (const Row &r : rows) {
    std::vector<int> dimmed;
    for (const ControlState &c : monitor_dimming(r.psd, r.averaging, r.sndr))
      if (!c.enabled) dimmed.push_back(c.id);
    EXPECT_EQ(dimmed, r.dimmed) << r.psd << r.averaging << r.sndr;
  }
}

TEST(MonitorForm, FieldTexts) {
  EXPECT_EQ(monitor_frequency_text(1.0), "1");
  EXPECT_EQ(monitor_frequency_text(44100.0), "44100");
  EXPECT_EQ(monitor_frequency_text(2.5e6), "2.5e+006");
  EXPECT_EQ(monitor_unsigned_text(32), "32");
  double fs = 0;
  EXPECT_TRUE(read_monitor_frequency("2.5e6", fs));
  EXPECT_EQ(fs, 2.5e6);
  EXPECT_FALSE(read_monitor_frequency("fast", fs));
  EXPECT_FALSE(read_monitor_frequency("12 kHz", fs));
}

}  // namespace
