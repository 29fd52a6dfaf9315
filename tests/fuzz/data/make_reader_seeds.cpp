// make_reader_seeds DIR: small valid result files in both layouts, the fuzzer's starting points.
#include <string>

#include "circuits.h"
#include "result_writer.h"

int main(int argc, char **argv) {
  if (argc != 2) return 2;
  std::string dir = argv[1];
  SamplePlot transient = filter_transient(5);
  SamplePlot ac = filter_ac_sweep();
  ac.point_count = 3;
  ac.real.resize(3 * 4);
  ac.imag.resize(3 * 4);
  bool ok = true;
  ok &= write_result_file(dir + "/transient-wide.out", {transient}, kSampleWide);
  ok &= write_result_file(dir + "/transient-narrow.out", {transient}, kSampleNarrow);
  ok &= write_result_file(dir + "/ac-wide.out", {ac}, kSampleWide);
  ok &= write_result_file(dir + "/several-narrow.out",
                          {divider_operating_point(), section_pole_zero(), ac}, kSampleNarrow);
  return ok ? 0 : 1;
}
