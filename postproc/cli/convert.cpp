// ulmocli convert FILE OUT.out [--narrow]: any data file the program opens (an ngspice raw
// file above all) written as a result file, in the wide layout or, with --narrow, the 16-bit
// one, so that the simulator's side of the link can hand it on.
//
// Every plot is written as the program holds it: strings, statistics, codes, variables with
// their unit indices, and the real and then the imaginary rows. A plot whose counts, codes
// or strings do not fit 16 bits is refused by --narrow before anything is written, rather
// than cut; a write that fails leaves no file behind.
#include <cstdio>
#include <cstring>

#include "../data/plot_list.h"
#include "../data/writer.h"
#include "commands.h"

int run_convert(int argc, char **argv) {
  const char *in = nullptr, *out = nullptr;
  bool narrow = false, extra = false;
  for (int i = 0; i < argc; i++) {
    if (strcmp(argv[i], "--narrow") == 0)
      narrow = true;
    else if (!in)
      in = argv[i];
    else if (!out)
      out = argv[i];
    else
      extra = true;
  }
  if (!in || !out || extra) {
    return cli_usage("convert");
  }
  if (!cli_load(in)) return kCliLoadFailed;
  if (narrow) {
    int index = 0;
    for (const PlotRecord *p = plot_list().first; p; p = p->next, index++) {
      if (const char *misfit = narrow_layout_misfit(plot_header(*p))) {
        fprintf(stderr, "ulmocli: plot %d of %s does not fit the narrow layout: %s\n", index, in,
                misfit);
        return kCliWriteFailed;
      }
    }
  }
  FILE *file = fopen(out, "wb");
  bool ok = file && write_plots({file, nullptr}, plot_list().first, narrow ? kLayoutNarrow : kLayoutWide);
  if (file && fclose(file) != 0) ok = false;
  if (!ok) {
    if (file) remove(out);
    fprintf(stderr, "ulmocli: cannot write %s\n", out);
    return kCliWriteFailed;
  }
  return kCliOk;
}
