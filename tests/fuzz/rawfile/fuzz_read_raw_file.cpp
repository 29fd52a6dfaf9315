// Any bytes read as an ngspice raw file; every plot read is then walked through the queries
// the rest of the program uses.
#include <cstddef>
#include <cstdint>

#include "data/plot_list.h"
#include "data/plot_model.h"
#include "data/rawfile.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  clear_plot_list();
  if (read_raw_bytes(data, size, "fuzz.raw") == kReadOk) {
    for (int i = 0; i < plot_count(); i++) {
      select_plot(i, false);
      walk_current_plot();
    }
  }
  clear_plot_list();
  return 0;
}
