// What the fuzz targets over result files share: the plots written to a scratch file and
// loaded as the program loads them, the walk over a plot a reader accepted, and the seed
// corpora of text inputs.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "data/load.h"
#include "data/plot_list.h"
#include "data/plot_model.h"
#include "result_writer.h"

// Every row and variable of the current plot through the queries the rest of the program
// uses, so that a record a reader accepted must be sound.
inline void walk_current_plot() {
  volatile double sum = 0;
  for (int point = 0; point < point_count(); point++) {
    RowToken re, im;
    const double *r = lock_real_row(point, re);
    const double *i = lock_imag_row(point, im);
    if (r) sum = sum + r[0] + r[variable_count() - 1];
    if (i) sum = sum + i[0] + i[variable_count() - 1];
    release_row(re);
    release_row(im);
  }
  std::string name, unit;
  for (int v = 0; v < variable_count(); v++) {
    variable_info(v, name, unit);
    variable_dimension(v);
  }
  find_variable("v(out)");
  current_plot_text(kPlotTitle);
}

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
