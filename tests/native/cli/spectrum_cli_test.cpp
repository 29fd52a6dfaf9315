// ulmocli fft and psd as scripts run them: the trace export blocks, the SNDR lines, and the
// exit statuses of bad input.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "cli_run.h"
#include "test_signal.h"

namespace {

std::vector<std::string> lines_of(const std::string &text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string write_file(const std::string &name, const std::string &text) {
  std::string path = ::testing::TempDir() + name;
  FILE *f = fopen(path.c_str(), "wb");
  fputs(text.c_str(), f);
  fclose(f);
  return path;
}

std::string sample = std::string(ULMO_SAMPLES) + "/amplifier-transient.out";

TEST(CliFft, PlainAndNormalizedBlocks) {
  struct Row { std::string arguments; size_t points; } rows[] = {
      {"", 2047},                            // 4001 points propose 4096 samples
      {"--samples 1000", 511},               // raised to 1024, as the dialog does
      {"--samples 512", 255},
      {"--normalized --samples 1000", 513},
      {"--normalized --samples -3000", 2049},   // becomes 4096
      {"--normalized --samples 4001", 2001},    // the points themselves
  };
  for (const Row &r : rows) {
    CliRun run_result = run("fft " + sample + " " + r.arguments + " \"'v(in)'\"");
    ASSERT_EQ(run_result.status, 0) << r.arguments << run_result.err;
    std::vector<std::string> lines = lines_of(run_result.out);
    ASSERT_EQ(lines.size(), r.points + 2) << r.arguments;   // title, points, empty line
    EXPECT_EQ(lines[0], "FFT('v(in)')");
    EXPECT_EQ(lines.back(), "");
    EXPECT_NE(lines[1].find("e+00"), std::string::npos) << lines[1];   // three-digit exponents
  }
  // The 1 kHz input tone of the sample peaks at 1 kHz with its 1 V amplitude.
  CliRun n = run("fft " + sample + " --normalized --samples 4001 \"'v(in)'\"");
  double best_f = 0, best = 0;
  for (const std::string &line : lines_of(n.out)) {
    double f, m;
    if (sscanf(line.c_str(), "%lf\t%lf", &f, &m) == 2 && m > best) best = m, best_f = f;
  }
  EXPECT_NEAR(best_f, 1000, 1);
  EXPECT_NEAR(best, 1.0, 1e-3);
}

TEST(CliFft, BadArguments) {
  EXPECT_EQ(run("fft " + sample).status, 1);
  EXPECT_EQ(run("fft " + sample + " --samples many \"'v(in)'\"").status, 1);
  EXPECT_EQ(run("fft " + sample + " \"'nothing'\"").status, 2);
  CliRun op = run("fft " + std::string(ULMO_SAMPLES) + "/operating-point.out 1");
  EXPECT_EQ(op.status, 5);   // one point spans no time
  EXPECT_NE(op.err.find("span no positive width"), std::string::npos) << op.err;
}

TEST(CliPsd, SigmaDeltaSignalSndr) {
  TestSignalSpec spec;
  TestSignal signal = make_test_signal(spec);
  std::string text = "samples of a converter\n";
  char buffer[64];
  for (double v : signal.samples) {
    snprintf(buffer, sizeof buffer, "%.17g\n", v);
    text += buffer;
  }
  std::string path = write_file("converter.dat", text);
  for (const char *window : {"", " --hann"}) {
    CliRun r = run("psd " + path + " --fs 1e6 --osr 16" + window);
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<std::string> lines = lines_of(r.out);
    ASSERT_EQ(lines.size(), 2048u + 3);
    EXPECT_EQ(lines[0], "PSD [dBFS]");
    EXPECT_EQ(lines[1].substr(0, 14), "2.441406e+002\t");   // bin 1 at fs/4096
    double sndr = 0;
    ASSERT_EQ(sscanf(lines.back().c_str(), "SNDR %lf dB", &sndr), 1) << lines.back();
    EXPECT_NEAR(sndr, signal.expected_sndr, 0.1) << window;
  }
}

TEST(CliPsd, ColumnsAndFailures) {
  std::string spectra = write_file("spectra.dat", "f a b\n0 -60 -50\n1 0 -3\n2 -60 -50\n3 -60 -50\n");
  CliRun r = run("psd " + spectra + " --no-psd --osr 1");
  ASSERT_EQ(r.status, 0) << r.err;
  std::vector<std::string> lines = lines_of(r.out);
  ASSERT_EQ(lines.size(), 14u);
  EXPECT_EQ(lines[0], "Trace 1");
  EXPECT_EQ(lines[6], "Trace 1");
  // Band x < 3: -60 dB twice beside the 0 dB signal; -50 dB twice beside -3 dB.
  EXPECT_EQ(lines[12], "SNDR 56.9897 dB");
  EXPECT_EQ(lines[13], "SNDR 43.9897 dB");

  EXPECT_EQ(run("psd " + write_file("two.dat", "1\n2\n")).status, 5);
  CliRun missing = run("psd /nonexistent/data.dat");
  EXPECT_EQ(missing.status, 2);
  EXPECT_EQ(missing.err, "Can't open the file '/nonexistent/data.dat'\n");
  CliRun osr = run("psd " + spectra + " --osr 0");
  EXPECT_EQ(osr.status, 1);
  EXPECT_EQ(osr.err, "The oversampling ratio must be at least 1\n");
  CliRun avg = run("psd " + spectra + " --avg 100");
  EXPECT_EQ(avg.status, 5);
  EXPECT_NE(avg.err.find("fewer samples than one sequence"), std::string::npos);
  EXPECT_EQ(run("psd " + spectra + " --fs fast").status, 1);
}

// A signal without noise in its band reads "inf"; a band that does not hold the signal has no
// SNDR, and says so instead of printing a number.
TEST(CliPsd, CleanSignalsAndBandsWithoutOne) {
  std::string tone = "samples\n", short_tone = "samples\n";
  char buffer[64];
  for (int i = 0; i < 1024; i++) {
    snprintf(buffer, sizeof buffer, "%.17g\n", sin(8.0 * atan(1.0) * i / 1024));
    tone += buffer;
    if (i < 64) short_tone += buffer;
  }
  struct Row {
    const char *name, *file, *text, *arguments;
    int status;
    const char *last_line;   // of stdout, or the message on stderr
  } rows[] = {
      {"noise below rounding", "clean.dat", "f a\n0 -200\n1 0\n2 -200\n3 -200\n", " --no-psd --osr 1", 0, "SNDR inf dB"},
      {"a band of the signal's bin alone", "tone.dat", tone.c_str(), " --osr 256", 0, "SNDR inf dB"},
      {"noise beside it", "tone.dat", tone.c_str(), " --osr 2", 0, nullptr},
      {"a band without a bin", "short.dat", short_tone.c_str(), "", 5,
       "The signal band does not hold the signal of the file '%s': it has no SNDR"},
  };
  for (const Row &row : rows) {
    SCOPED_TRACE(row.name);
    std::string path = write_file(row.file, row.text);
    CliRun r = run("psd " + path + row.arguments);
    ASSERT_EQ(r.status, row.status) << r.err;
    std::vector<std::string> lines = lines_of(row.status == 0 ? r.out : r.err);
    ASSERT_FALSE(lines.empty());
    if (row.status != 0) {
      EXPECT_EQ(r.out, "");
      char message[512];
      snprintf(message, sizeof message, row.last_line, path.c_str());
      EXPECT_EQ(lines.back(), message);
    } else if (row.last_line) {
      EXPECT_EQ(lines.back(), row.last_line);
    } else {
      double sndr = 0;
      EXPECT_EQ(sscanf(lines.back().c_str(), "SNDR %lf dB", &sndr), 1) << lines.back();
      EXPECT_GT(sndr, 100);   // the rounding noise of the transform, far from inf
    }
  }
}

}  // namespace
