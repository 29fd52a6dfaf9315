// What the fuzz targets over result files share: the plots written to a scratch file and
// loaded as the program loads them, and the seed corpora of text inputs.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "data/load.h"
#include "data/plot_list.h"
#include "result_writer.h"

// Loads the plots as the current data file; a failure ends the run, as nothing could be fuzzed.
inline void load_fuzz_plots(const std::vector<SamplePlot> &plots) {
  char path[] = "/tmp/fuzz-plots-XXXXXX";
  int fd = mkstemp(path);
  if (fd < 0) abort();
  close(fd);
  if (!write_result_file(path, plots, kSampleWide)) abort();
  reset_plot_list();
  if (!load_data_file(path)) abort();
  remove(path);
}

// The main of a seed writer: each text as the file DIR/seed-N.
inline int write_text_seeds(int argc, char **argv, const std::vector<const char *> &seeds, const char *usage) {
  if (argc != 2) {
    fprintf(stderr, "usage: %s DIR\n", usage);
    return 1;
  }
  int n = 0;
  for (const char *s : seeds) {
    std::string path = std::string(argv[1]) + "/seed-" + std::to_string(n++);
    FILE *f = fopen(path.c_str(), "wb");
    if (!f) return 1;
    fputs(s, f);
    fclose(f);
  }
  return 0;
}
