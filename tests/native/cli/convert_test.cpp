// ulmocli convert, and every other command on an ngspice raw file: what a command prints for
// a raw file it prints for the result file converted from it.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "cli_run.h"
#include "data/plot_list.h"
#include "data/plot_model.h"
#include "data/rawfile.h"
#include "data/reader.h"

namespace {

const std::string kResults = NGSPICE_RESULTS;

std::string temp(const std::string &name) { return ::testing::TempDir() + name; }

bool exists(const std::string &path) {
  std::ifstream f(path);
  return f.good();
}

std::string slurp(const std::string &path) {
  std::ifstream f(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

// Every value of every plot of the list, in order.
std::vector<double> all_values() {
  std::vector<double> values;
  for (int p = 0; p < plot_count(); p++) {
    select_plot(p, false);
    for (int i = 0; i < point_count(); i++) {
      RowToken re, im;
      const double *r = lock_real_row(i, re);
      const double *m = lock_imag_row(i, im);
      values.insert(values.end(), r, r + variable_count());
      if (m) values.insert(values.end(), m, m + variable_count());
      release_row(re);
      if (m) release_row(im);
    }
  }
  return values;
}

// The JSON of info without its first line, the file's name.
std::string info_without_file(const std::string &path) {
  CliRun r = run("info --json " + path);
  EXPECT_EQ(r.status, 0) << r.err;
  size_t file_line = r.out.find("\"file\"");
  size_t line_end = r.out.find('\n', file_line);
  return file_line == std::string::npos ? r.out : r.out.substr(line_end);
}

TEST(CliConvert, ResultFilesHoldExactlyWhatTheRawFileHeld) {
  for (const char *raw : {"rc-tran.raw", "rlc-ac-ascii.raw", "pz.raw", "multi.raw"}) {
    std::string in = kResults + "/" + raw;
    clear_plot_list();
    ASSERT_EQ(read_raw_file(in.c_str()), kReadOk) << raw;
    std::vector<double> want = all_values();
    for (bool narrow : {false, true}) {
      std::string out = temp(std::string("converted-") + (narrow ? "narrow-" : "wide-") + raw + ".out");
      CliRun r = run("convert " + in + " " + out + (narrow ? " --narrow" : ""));
      ASSERT_EQ(r.status, 0) << r.err;
      EXPECT_EQ(r.out, "");
      clear_plot_list();
      ASSERT_EQ(read_data_file(out.c_str(), narrow ? kLayoutNarrow : kLayoutWide), kReadOk) << out;
      EXPECT_EQ(all_values(), want) << out;
      EXPECT_EQ(info_without_file(out), info_without_file(in)) << out;
      std::remove(out.c_str());
    }
  }
  clear_plot_list();
}

TEST(CliConvert, EveryCommandTakesARawFileAsItsResultFile) {
  std::string raw = kResults + "/multi-ascii.raw", out = temp("commands.out");
  ASSERT_EQ(run("convert " + raw + " " + out).status, 0);
  const std::vector<std::string> commands = {
      "eval %s --plot 3 \"'v(out)'\" \"'i(v1)'*1k\"",
      "eval %s --plot 2 \"db('v(out)')\" \"mag('i(v1)')\"",
      "fft %s --plot 3 --samples 64 \"'v(out)'\"",
      "render %s --plot 1 -o " + temp("raw-render.svg") + " \"'v(out)'\"",
  };
  for (const std::string &command : commands) {
    std::string with_raw = command, with_out = command;
    with_raw.replace(with_raw.find("%s"), 2, raw);
    with_out.replace(with_out.find("%s"), 2, out);
    CliRun a = run(with_raw);
    std::string svg = command.find("render") == 0 ? slurp(temp("raw-render.svg")) : "";
    CliRun b = run(with_out);
    ASSERT_EQ(a.status, 0) << with_raw << ": " << a.err;
    EXPECT_EQ(a.out, b.out) << command;
    EXPECT_EQ(a.err, b.err) << command;
    if (!svg.empty()) EXPECT_EQ(slurp(temp("raw-render.svg")), svg);
  }
  EXPECT_NE(run("eval " + raw + " --plot 3 \"'v(out)'\"").out.find("'v(out)'\n0.000000e+000\t"), std::string::npos);
  std::remove(out.c_str());
}

TEST(CliConvert, RefusalsLeaveNoFile) {
  // 70000 points fit the wide layout, not the narrow one.
  std::string many = temp("many.raw");
  {
    std::ofstream f(many, std::ios::binary);
    f << "Title: long run\nDate: today\nPlotname: Transient Analysis\nFlags: real\n"
         "No. Variables: 2\nNo. Points: 70000\nVariables:\n\t0\ttime\ttime\n\t1\tv(out)\tvoltage\nValues:\n";
    for (int i = 0; i < 70000; i++) f << ' ' << i << "\t" << i << "e-9\n\t" << (i % 7) << "\n\n";
  }
  std::string out = temp("refused.out");
  std::remove(out.c_str());
  struct Row {
    std::string args;
    int status;
    std::string err;
  };
  const Row rows[] = {
      {"convert " + many + " " + out + " --narrow", 4,
       "ulmocli: plot 0 of " + many + " does not fit the narrow layout: more than 65535 points\n"},
      {"convert " + kResults + "/op.raw", 1, "usage: ulmocli convert FILE OUT.out [--narrow]\n"},
      {"convert " + kResults + "/op.raw " + out + " extra", 1, "usage: ulmocli convert FILE OUT.out [--narrow]\n"},
      {"convert " + temp("missing.raw") + " " + out, 2, "Can't open the file '" + temp("missing.raw") + "'\n"},
      {"convert " + kResults + "/op.err " + out, 2, "Not an Ulmo-Dizid Data File.\n"},
      {"convert " + kResults + "/op.raw " + temp("no/such/folder/x.out"), 4,
       "ulmocli: cannot write " + temp("no/such/folder/x.out") + "\n"},
  };
  for (const Row &row : rows) {
    CliRun r = run(row.args);
    EXPECT_EQ(r.status, row.status) << row.args;
    EXPECT_EQ(r.err, row.err) << row.args;
    EXPECT_FALSE(exists(out)) << row.args;
  }
  CliRun wide = run("convert " + many + " " + out);
  EXPECT_EQ(wide.status, 0) << wide.err;
  EXPECT_NE(run("info " + out).out.find("  Points: 70000\n"), std::string::npos);
  std::remove(out.c_str());
  std::remove(many.c_str());
}

}  // namespace
