// ulmosample DIR: writes the bundled sample result files into DIR.
#include <cstdio>
#include <string>

#include "circuits.h"

int main(int argc, char **argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: ulmosample DIR\n");
    return 2;
  }
  std::string dir = argv[1];
  struct Sample {
    const char *name;
    std::vector<SamplePlot> plots;
    SampleLayout layout;
  } samples[] = {
      {"amplifier-transient.out", {filter_transient(4001)}, kSampleWide},
      {"filter-ac.out", {filter_ac_sweep()}, kSampleWide},
      {"operating-point.out", {divider_operating_point()}, kSampleWide},
      {"pole-zero.out", {section_pole_zero()}, kSampleWide},
      {"several-plots.out",
       {divider_operating_point(), filter_transient(501), filter_ac_sweep(), section_pole_zero()},
       kSampleWide},
      {"narrow-transient.out", {filter_transient(501)}, kSampleNarrow},
  };
  for (const Sample &s : samples) {
    std::string path = dir + "/" + s.name;
    if (!write_result_file(path, s.plots, s.layout)) {
      fprintf(stderr, "ulmosample: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
