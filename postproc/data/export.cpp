// Trace export. Numbers go through c_format so that their exponents have three digits on
// every C runtime (1.000000e-003), as the files written on the reference platform do.
#include "export.h"

#include <string>

#include "../base/cformat.h"

bool write_trace_export(FILE *out, const char *legend, const double *x, const double *y,
                        int point_count) {
  fputs(legend, out);
  fputc('\n', out);
  for (int i = 0; i < point_count; i++) fputs(c_format("%e\t%e\n", x[i], y[i]).c_str(), out);
  fputc('\n', out);
  return !ferror(out);
}
