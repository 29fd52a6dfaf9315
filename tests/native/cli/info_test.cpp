// ulmocli info, run as a user runs it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>

#include <nlohmann/json.hpp>

#include "circuits.h"
#include "cli_run.h"
#include "result_writer.h"

namespace {

std::string sample(const std::string &name, const std::vector<SamplePlot> &plots,
                   SampleLayout layout = kSampleWide) {
  std::string path = ::testing::TempDir() + name;
  EXPECT_TRUE(write_result_file(path, plots, layout));
  return path;
}

TEST(CliInfo, TextListsPlotsVariablesAndStatistics) {
  std::string path = sample("cli_op.out", {divider_operating_point()});
  CliRun r = run("info " + path);
  ASSERT_EQ(r.status, 0) << r.err;
  std::string expected = "File: " + path +
                         "\n"
                         "Plots: 1\n"
                         "Plot 0\n"
                         "  Circuit title: Resistive divider from 5 V\n"
                         "  Plot name: Operating Point\n"
                         "  Simulation date: Tue Dec  8 10:14:00 2026\n"
                         "  Kind: 0 (single-point table)\n"
                         "  Values: real\n"
                         "  Analysis code: 0\n"
                         "  Variables: 4\n"
                         "  Points: 1\n"
                         "  Index  Name  Unit  Symbol\n"
                         "      0  v(1)  voltage  V\n"
                         "      1  v(2)  voltage  V\n"
                         "      2  i(vdd)  current  A\n"
                         "      3  p(r1)  power  W\n"
                         "  Simulation Statistics (general)\n"
                         "    Number of total iterations performed: 20\n"
                         "    Total analysis time: 0.125 sec\n"
                         "    Time spent in device loading: 0.0625 sec\n"
                         "    Time spent in L-U decomposition: 1.5E-005 sec\n"
                         "    Time spent in matrix solving: 0.0025 sec\n";
  EXPECT_EQ(r.out, expected);
}

TEST(CliInfo, TransientLayoutAndNonAsciiSymbols) {
  SamplePlot p = filter_transient(11);
  p.variables[5] = {"temp", 4};
  std::string path = sample("cli_tran.out", {p}, kSampleNarrow);
  CliRun r = run("info " + path);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("  Simulation Statistics (transient)\n"
                       "    Number of total iterations performed: 50\n"
                       "    Number of iterations for transient analysis: 33\n"
                       "    Total number of timepoints: 23\n"
                       "    Number of timepoints accepted: 11\n"
                       "    Number of timepoints rejected: 12\n"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("    Time spent in transient L-U decomposition: 1.25E-005 sec\n"
                       "    Time spent in transient matrix solving: 0.002 sec\n"),
            std::string::npos);
  EXPECT_NE(r.out.find("      5  temp  temperature  \xC2\xB0" "C\n"), std::string::npos);
}

TEST(CliInfo, JsonHoldsTheSame) {
  std::string path = sample("cli_many.out", {divider_operating_point(), filter_ac_sweep(), section_pole_zero()});
  CliRun r = run("info --json " + path);
  ASSERT_EQ(r.status, 0) << r.err;
  nlohmann::json j = nlohmann::json::parse(r.out);
  EXPECT_EQ(j["file"], path);
  ASSERT_EQ(j["plots"].size(), 3u);
  const nlohmann::json &ac = j["plots"][1];
  EXPECT_EQ(ac["index"], 1);
  EXPECT_EQ(ac["plot_name"], "AC Analysis");
  EXPECT_EQ(ac["kind"], 1);
  EXPECT_EQ(ac["values"], "complex");
  EXPECT_EQ(ac["analysis_code"], 1);
  EXPECT_EQ(ac["variable_count"], 4);
  EXPECT_EQ(ac["point_count"], 101);
  EXPECT_EQ(ac["variables"][0]["name"], "frequency");
  EXPECT_EQ(ac["variables"][0]["unit"], "frequency");
  EXPECT_EQ(ac["variables"][0]["symbol"], "Hz");
  EXPECT_EQ(ac["statistics"]["layout"], "general");
  EXPECT_EQ(ac["statistics"]["lines"][3]["label"], "Time spent in L-U decomposition:");
  EXPECT_EQ(ac["statistics"]["lines"][3]["text"], "1.5E-005 sec");
  EXPECT_EQ(j["plots"][2]["kind_name"], "pole-zero");
}

TEST(CliInfo, LoadFailuresTellWhatTheUserWouldSee) {
  std::string missing = ::testing::TempDir() + "cli_missing.out";
  CliRun r = run("info " + missing);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "Can't open the file '" + missing + "'\n");
  EXPECT_EQ(r.out, "");

  std::string garbage = ::testing::TempDir() + "cli_garbage.out";
  std::ofstream(garbage) << "not a result file at all";
  r = run("info --json " + garbage);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "Not an Ulmo-Dizid Data File.\n");
}

TEST(CliInfo, Usage) {
  EXPECT_EQ(run("").status, 1);
  EXPECT_EQ(run("info").status, 1);
  EXPECT_EQ(run("frobnicate x").status, 1);
}

// Every usage text comes from the one command table: a command's own forms when its
// arguments are wrong, all of them with what each command does otherwise.
TEST(CliUsage, EachCommandTellsItsFormsAndTheToolTellsThemAll) {
  const struct {
    const char *arguments;
    const char *first_line;
    int lines;
  } rows[] = {
      {"info", "usage: ulmocli info [--json] FILE.out", 1},
      {"eval x.out", "usage: ulmocli eval FILE.out [--plot N] [--x EXPR] EXPR...", 1},
      {"render", "usage: ulmocli render FILE.out [--plot N] [--x EXPR] [--logx] [--logy] [--page] [--size WxH]", 3},
      {"fft", "usage: ulmocli fft FILE.out [--plot N] [--samples M] [--normalized] EXPR", 1},
      {"convert x.out", "usage: ulmocli convert FILE OUT.out [--narrow]", 1},
      {"psd", "usage: ulmocli psd FILE.dat [--fs F] [--avg L] [--hann] [--osr R] [--no-psd]", 1},
      {"export", "usage: ulmocli export FILE.out [--plot N] [--csv] VAR...", 1},
      {"", "usage: ulmocli info [--json] FILE.out", 18},
      {"frobnicate x.out", "usage: ulmocli info [--json] FILE.out", 18},
  };
  for (const auto &r : rows) {
    CliRun run_ = run(r.arguments);
    EXPECT_EQ(run_.status, 1) << r.arguments;
    EXPECT_EQ(run_.out, "") << r.arguments;
    EXPECT_EQ(run_.err.substr(0, run_.err.find('\n')), r.first_line) << r.arguments;
    EXPECT_EQ(std::count(run_.err.begin(), run_.err.end(), '\n'), r.lines) << r.arguments << ":\n" << run_.err;
  }
  std::string all = run("").err;
  for (const char *line : {"       ulmocli render GRAPH.upg [--data FILE.out] [--size WxH] -o OUT.svg|OUT.png|OUT.pdf\n",
                           "  convert a data file written as a result file, in the wide or the narrow layout\n",
                           "  render  the graph of expressions over a plot, or a saved graph file, as an SVG, PNG or\n"
                           "          PDF file\n",
                           "  (every FILE.out may also be an ngspice raw file)\n"})
    EXPECT_NE(all.find(line), std::string::npos) << line << "\nin:\n" << all;
}

}  // namespace
