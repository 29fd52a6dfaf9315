// ulmocli export, run as a user runs it: the raw data export and its CSV form.
#include <gtest/gtest.h>

#include <string>

#include "cli_run.h"
#include "result_writer.h"

namespace {

std::string two_points() {
  SamplePlot p;
  p.circuit_title = "cli export";
  p.plot_name = "Transient Analysis";
  p.variables = {{"time", 2}, {"v(out)", 0}, {"i(r1)", 1}};
  p.point_count = 2;
  p.real = {1e-9, 0.5, -1e-3, 2e-9, 1.0 / 3, 2e-3};
  std::string path = ::testing::TempDir() + "cli_export.out";
  EXPECT_TRUE(write_result_file(path, {p}, kSampleWide));
  return path;
}

TEST(CliExport, BothFormats) {
  std::string path = two_points();
  CliRun r = run("export " + path + " 'V(OUT)' 'i(r1)'");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "time (time)\tv(out) (voltage)\ti(r1) (current)\n"
            "1.000000e-009\t5.000000e-001\t-1.000000e-003\n"
            "2.000000e-009\t3.333333e-001\t2.000000e-003\n");
  r = run("export --csv " + path + " 'i(r1)'");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "time (time),i(r1) (current)\r\n"
            "1.0000000000000001e-009,-0.001\r\n"
            "2.0000000000000001e-009,0.002\r\n");
}

TEST(CliExport, RefusalsLeaveNoOutput) {
  std::string path = two_points();
  struct Case {
    std::string arguments;
    int status;
    std::string error;
  };
  const Case cases[] = {
      {"export " + path, 1, "usage: ulmocli export FILE.out [--plot N] [--csv] VAR...\n"},
      {"export " + path + " 'v(out)' 'v(nope)'", 2, "ulmocli: v(nope) is not a variable of plot 0\n"},
      {"export " + path + " --plot 3 'v(out)'", 1, "ulmocli: " + path + " has no plot 3\n"},
  };
  for (const Case &c : cases) {
    CliRun r = run(c.arguments);
    EXPECT_EQ(r.status, c.status) << c.arguments;
    EXPECT_EQ(r.out, "") << c.arguments;
    EXPECT_EQ(r.err, c.error) << c.arguments;
  }
}

}  // namespace
