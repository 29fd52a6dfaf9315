// Any bytes, read in both layouts as a load does; every plot read is then walked through the
// queries the rest of the program uses, so a record the reader accepted must be sound.
#include <cstddef>
#include <cstdint>

#include "data/plot_list.h"
#include "data/plot_model.h"
#include "data/reader.h"

namespace {

void walk_current_plot() {
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  for (DataLayout layout : {kLayoutWide, kLayoutNarrow}) {
    clear_plot_list();
    if (read_data_bytes(data, size, "fuzz.out", layout) == kReadOk) {
      for (int i = 0; i < plot_count(); i++) {
        select_plot(i, false);
        walk_current_plot();
      }
    }
  }
  clear_plot_list();
  return 0;
}
